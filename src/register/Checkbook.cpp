// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/Checkbook.h"

namespace tallyra {

void computeBalances(Checkbook &book)
{
    qint64 total = 0;
    for (int i = 1; i <= book.entryCount; ++i) {
        const Entry &entry = book.slot[i];
        total += qint64(entry.depositCents) - qint64(entry.withdrawalCents);
        book.balanceCents[i] = total;
    }
    book.totalCents = total;
}

} // namespace tallyra
