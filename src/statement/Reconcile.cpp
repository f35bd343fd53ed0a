// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/Reconcile.h"

#include <limits>

namespace tallyra {

namespace {

qint32 keyOf(QDate date)
{
    return dateKey(date.year(), date.month(), date.day());
}

} // namespace

Reconciliation reconcile(const Checkbook &book, const QList<int> &matchedSlots, QDate start,
                         QDate end, std::optional<qint64> statementBalance)
{
    Reconciliation result;
    if (!end.isValid())
        return result;
    QList<bool> onStatement(book.entryCount + 1, false);
    for (int slot : matchedSlots) {
        if (slot > 0 && slot <= book.entryCount)
            onStatement[slot] = true;
    }
    const qint32 first = start.isValid() ? keyOf(start) : std::numeric_limits<qint32>::min();
    const qint32 last = keyOf(end);
    for (int slot = 1; slot <= book.entryCount; ++slot) {
        const Entry &entry = book.slot[slot];
        const qint32 key = dateKey(entry);
        if (key > last)
            continue;
        result.registerBalance += netCents(entry);
        if (key < first || onStatement[slot])
            continue;
        result.outstandingSlots << slot;
        result.outstandingDeposits += entry.depositCents;
        result.outstandingWithdrawals += entry.withdrawalCents;
    }
    if (statementBalance)
        result.difference =
            *statementBalance -
            (result.registerBalance - result.outstandingDeposits + result.outstandingWithdrawals);
    return result;
}

} // namespace tallyra
