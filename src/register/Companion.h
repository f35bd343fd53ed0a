// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/Recurring.h"
#include "register/Checkbook.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace tallyra {

// A bank statement the register was balanced against, or the figures typed for one not yet
// finished: its end date (a dateKey) and its ending balance.
struct StatementBalance
{
    qint32 endDate = 0;
    qint64 endingCents = 0;

    friend bool operator==(const StatementBalance &, const StatementBalance &) = default;
};

// What is kept beside the register in the companion file, apart from each entry's clearing
// (which the entries carry).
struct Companion
{
    // Every finished reconciliation, oldest first; the last one is where the next starts.
    QList<StatementBalance> reconciled;
    // The figures of a reconciliation put off for later.
    std::optional<StatementBalance> later;
    // The entries that come back, in the order they were made.
    QList<RecurringEntry> schedules;

    friend bool operator==(const Companion &, const Companion &) = default;
};

// The companion file of a data file: beside it, under its name and ".state" (default.dat.state).
QString companionPath(const QString &dataPath);

// Written beside a change that moves schedules on or back while the data file changes too. The
// companion file is written first, so a save cut short between the two files would leave
// schedules that no longer go with the data file on disk: entries due again that the register
// holds, or never due again that it lacks. With the digests of the data file before and after
// the change, the next load finds out which one is on disk and takes the schedules that go with
// it.
struct ScheduleJournal
{
    QByteArray dataBefore; // dataDigest of the data file before the change
    QByteArray dataAfter;  // and after it
    QList<RecurringEntry> schedulesBefore;

    friend bool operator==(const ScheduleJournal &, const ScheduleJournal &) = default;
};

// A digest of a data file's bytes, as the journal names them.
QByteArray dataDigest(QByteArrayView dataFileBytes);

// The companion file's text: a version line, then one line for each finished reconciliation,
// the one put off, each recurring entry, and each cleared or reconciled entry, which is named
// by its date, amounts, check number and payee as the register holds them, since the data
// file's lines have no key.
QByteArray formatCompanion(const Checkbook &book, const Companion &companion,
                           const ScheduleJournal *journal = nullptr);

// Whether there is anything to keep: no marks, no reconciliation and no schedule need no file.
bool holdsNothing(const Checkbook &book, const Companion &companion);

struct CompanionRead
{
    enum class Result {
        Read,
        Damaged, // not a companion file, or a line that does not read
        Newer,   // written by a later version of the program
    };
    Result result = Result::Read;
    // Why it is damaged: the 1-based line and what is wrong with it.
    QString reason;
    // Marks naming an entry the register does not hold (the data file was changed elsewhere,
    // or a save was cut short between the two files): dropped.
    int unmatched = 0;
    // The journal of the change last written, when it moved schedules.
    std::optional<ScheduleJournal> journal;
};

// The schedules that go with the data file `dataFileBytes`: those read, unless the journal
// says they were written for a change that never reached the data file.
QList<RecurringEntry> schedulesForData(const Companion &companion, const CompanionRead &read,
                                       QByteArrayView dataFileBytes);

// Reads a companion file's bytes: the marks onto the register's entries (the first unmarked
// entry that fits each mark, in order) and the rest into `companion`. Nothing is changed unless
// the whole file reads.
CompanionRead readCompanion(QByteArrayView bytes, Checkbook &book, Companion &companion);

// The balance of what the bank has shown: the cleared and reconciled entries.
qint64 clearedCents(const Checkbook &book);

// The ending balance of the last finished reconciliation, where the next one starts: 0 before
// the first.
qint64 lastReconciledCents(const Companion &companion);

} // namespace tallyra
