// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryChecks.h"
#include "recurring/Recurring.h"
#include "register/Companion.h"

#include <QList>
#include <QString>

#include <memory>

namespace tallyra {

// The texts the entry fields would hold for a schedule's entry on `date`: what it meets is
// what every typed entry meets.
EntryTexts dueEntryTexts(const RecurringEntry &schedule, QDate date);

// The register and the schedules after the due entries were taken: the ticked ones entered
// at their places in date order, the others skipped, and every schedule moved on past both.
struct DueEntering
{
    enum class Result {
        Done,
        TooMany, // more to enter than the register has free slots: nothing is changed
        Refused, // an entry fails a check every entry meets: nothing is changed
    };
    Result result = Result::Done;
    std::unique_ptr<Checkbook> book; // Done: the register after
    Companion companion;             // Done: the schedules moved on
    int entered = 0;
    int skipped = 0;
    int fit = 0;     // TooMany: how many the register has room for
    QString problem; // Refused: which entry, and what is wrong with it
};

// Takes `due` (as dueEntries lists them), entering those whose `enter` is true.
DueEntering takeDueEntries(const Checkbook &book, const Companion &companion,
                           const QList<DueEntry> &due, const QList<bool> &enter);

// The kept copy of the data file before due entries go in: default.dat.before-recurring.
inline const QString DueKeepSuffix = QStringLiteral("before-recurring");

// The name of the change in the history, as short as the other changes' names.
QString dueChangeName(int entered, int skipped);

} // namespace tallyra
