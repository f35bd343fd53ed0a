// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Entry.h"

#include <array>

namespace tallyra {

inline constexpr int MaxEntries = 1000;
// From this many entries on, the status panel warns that the register is nearly full.
inline constexpr int WarningThreshold = 971;
inline constexpr char VersionText[] = "1.3";

// The register of one checking account and the totals derived from it. Owned by the register
// document; windows read it through the document and change it only through its commands.
struct Checkbook
{
    // Entries occupy slots 1..entryCount in ascending dateKey order; slot 0 is never used.
    qint16 entryCount = 0;
    std::array<Entry, MaxEntries + 1> slot{}; // "slots" is a Qt keyword

    // Running total after each entry, derived by updateStatus. Summed in 64 bits so that no
    // register of 32-bit amounts can overflow it.
    std::array<qint64, MaxEntries + 1> balanceCents{};
    qint64 totalCents = 0;
};

// An entry's deposit less its withdrawal, in 64 bits as every total of them is.
constexpr qint64 netCents(const Entry &entry)
{
    return qint64(entry.depositCents) - qint64(entry.withdrawalCents);
}

// Calls `visit(slot, balance)` for slots 1..last in order, with the running total after each,
// and returns the total after `last`. Every running total of the program is summed here.
template <typename Visit> qint64 runningTotals(const Checkbook &book, int last, Visit &&visit)
{
    qint64 total = 0;
    for (int i = 1; i <= last; ++i) {
        total += netCents(book.slot[i]);
        visit(i, total);
    }
    return total;
}

// The running total after slot `last`; 0 for none.
qint64 balanceAfter(const Checkbook &book, int last);

// Derives the running total after every entry and the account total.
void computeBalances(Checkbook &book);

} // namespace tallyra
