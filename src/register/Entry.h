// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace tallyra {

// The longest check number or payee an entry takes: what the entry fields have always held,
// so that every register the program has written keeps within it.
inline constexpr int MaxTextLength = 32767;

// How far the bank has got with an entry: not yet seen, shown on a statement (cleared), or
// part of a statement the register was balanced against (reconciled). Kept in the companion
// file beside the data file, whose lines have no room for it.
enum class Clearing : quint8 { NotCleared, Cleared, Reconciled };

// One line of the register. Amounts are whole cents; at most one of them is non-zero
// (both zero for a voided or informational "Neither" line).
struct Entry
{
    qint16 year = 0;
    qint16 month = 0;
    qint16 day = 0;
    QString checkNumber;
    QString payee;
    qint32 withdrawalCents = 0;
    qint32 depositCents = 0;
    Clearing clearing = Clearing::NotCleared;
    // For a reconciled entry: the end date (a dateKey) of the statement that balanced it.
    qint32 reconciledOn = 0;

    friend bool operator==(const Entry &, const Entry &) = default;
};

// The key that orders the register: year * 10000 + month * 100 + day.
constexpr qint32 dateKey(qint32 year, qint32 month, qint32 day)
{
    return year * 10000 + month * 100 + day;
}

constexpr qint32 dateKey(const Entry &entry)
{
    return dateKey(entry.year, entry.month, entry.day);
}

} // namespace tallyra
