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

// Derives the running total after every entry and the account total.
void computeBalances(Checkbook &book);

} // namespace tallyra
