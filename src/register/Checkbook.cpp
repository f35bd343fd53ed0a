// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/Checkbook.h"

namespace tallyra {

qint64 balanceAfter(const Checkbook &book, int last)
{
    return runningTotals(book, last, [](int, qint64) {});
}

void computeBalances(Checkbook &book)
{
    book.totalCents = runningTotals(book, book.entryCount, [&book](int slot, qint64 balance) {
        book.balanceCents[slot] = balance;
    });
}

} // namespace tallyra
