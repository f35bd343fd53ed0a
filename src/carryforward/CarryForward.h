// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tallyra {

inline constexpr char BalanceForwardCheckNumber[] = "BAL";
inline constexpr char BalanceForwardPayee[] = "BALANCE FORWARD";

// The entries that lie before a date. The register is in date order, so they are the first
// `count` slots.
struct EntriesBefore
{
    QDate date;
    int count = 0;
    qint64 netCents = 0; // their deposits less their withdrawals
};

EntriesBefore entriesBefore(const Checkbook &book, QDate date);

// Why the entries before a date cannot be carried forward.
enum class CarryRefusal {
    NoEntries,   // nothing lies before the date
    NetTooLarge, // one entry cannot hold their net: an amount is 32-bit cents
};
std::optional<CarryRefusal> carryRefusal(const EntriesBefore &before);

// The entry that stands for them: dated the day before the date, check number "BAL", payee
// "BALANCE FORWARD", their net as a deposit, as a withdrawal when it is negative, and neither
// when it is zero. Only for entries that carryRefusal lets through.
Entry balanceForward(const EntriesBefore &before);

// The register with the entries before the date replaced by their balance forward entry. The
// running total after every remaining entry stays what it was.
std::unique_ptr<Checkbook> carriedForward(const Checkbook &book, const EntriesBefore &before);

// A data file that holds exactly the entries before the date, restorable as any backup.
QByteArray archiveFile(const Checkbook &book, const EntriesBefore &before);

// before-YYYY-MM-DD.bak, or before-YYYY-MM-DD-2.bak, -3 ... when the name is among `taken`
// (compared as a FAT or Windows folder would, letter case aside).
QString archiveName(QDate date, const QStringList &taken);

} // namespace tallyra
