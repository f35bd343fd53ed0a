// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"

#include <QString>

#include <array>

namespace tallyra {

inline constexpr int ListLines = 10;

// What one line of the list shows; all empty for a line below the last entry.
struct ListLine
{
    QString date;
    QString check;
    QString payee;
    QString out;
    QString dep;
    QString total;
    bool totalNegative = false;
    // How far the bank has got with the entry: "c" cleared, "R" reconciled, else empty; and
    // what that means, for the tooltip.
    QString mark;
    QString markTip;
};

struct ListPage
{
    int firstShown = 1; // slot on the top line
    std::array<ListLine, ListLines> lines;
};

// The scroll bar's greatest position: the one that shows the last entry on the bottom line.
int listScrollMaximum(int entryCount);

// The ten lines for a scroll position. A register that fits on one page always shows from
// slot 1, whatever the position. Running totals are shown as computeBalances left them.
ListPage listPage(const Checkbook &book, int position);

// What a screen reader says of line `number` (1..10) of the list: everything the line shows,
// in one sentence, or that the line is empty.
QString lineDescription(int number, const ListLine &line);

} // namespace tallyra
