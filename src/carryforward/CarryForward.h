// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"
#include "register/Companion.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tallyra {

inline constexpr char BalanceForwardCheckNumber[] = "BAL";
inline constexpr char BalanceForwardPayee[] = "BALANCE FORWARD";

// The entries before a date that are carried forward: all of them until a statement has been
// reconciled, and from then on only the reconciled ones, since an entry the bank has not yet
// balanced, however old, is one the next reconciliation must still find.
struct EntriesBefore
{
    QDate date;
    bool reconciledOnly = false;
    int count = 0;       // carried
    int left = 0;        // before the date but not carried
    qint64 netCents = 0; // deposits less withdrawals of those carried
    // The latest statement (a dateKey) one of them was reconciled on; 0 for none.
    qint32 reconciledOn = 0;
};

EntriesBefore entriesBefore(const Checkbook &book, const Companion &companion, QDate date);

// Why the entries before a date cannot be carried forward.
enum class CarryRefusal {
    NoEntries,   // nothing lies before the date
    NetTooLarge, // one entry cannot hold their net: an amount is 32-bit cents
};
std::optional<CarryRefusal> carryRefusal(const EntriesBefore &before);

// The entry that stands for them: dated the day before the date, check number "BAL", payee
// "BALANCE FORWARD", their net as a deposit, as a withdrawal when it is negative, and neither
// when it is zero; reconciled on the latest of their statements when only reconciled entries
// are carried. Only for entries that carryRefusal lets through.
Entry balanceForward(const EntriesBefore &before);

// The register with the entries carried replaced by their balance forward entry, which comes
// after those before the date that stay (older than it, they keep their place and marks).
// The running total after every entry from the date on stays what it was.
std::unique_ptr<Checkbook> carriedForward(const Checkbook &book, const EntriesBefore &before);

// A data file that holds exactly the entries carried, restorable as any backup.
QByteArray archiveFile(const Checkbook &book, const EntriesBefore &before);
// The companion text of that archive: their marks and the statements reconciled; nothing when
// there is nothing to keep.
std::optional<QByteArray> archiveMarks(const Checkbook &book, const Companion &companion,
                                       const EntriesBefore &before);

// before-YYYY-MM-DD.bak, or before-YYYY-MM-DD-2.bak, -3 ... when the name is among `taken`
// (compared as a FAT or Windows folder would, letter case aside).
QString archiveName(QDate date, const QStringList &taken);

} // namespace tallyra
