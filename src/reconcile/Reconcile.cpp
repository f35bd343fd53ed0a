// SPDX-License-Identifier: GPL-3.0-or-later
#include "reconcile/Reconcile.h"

#include "register/DateText.h"

namespace tallyra {

namespace {

bool isTicked(const Ticks &ticked, int slot)
{
    return slot < ticked.size() && ticked[slot];
}

void markOpenEntries(Checkbook &book, qint32 endDate, const Ticks &ticked, Clearing tickedAs)
{
    for (int slot : openSlots(book, endDate)) {
        Entry &entry = book.slot[slot];
        entry.clearing = isTicked(ticked, slot) ? tickedAs : Clearing::NotCleared;
        entry.reconciledOn = entry.clearing == Clearing::Reconciled ? endDate : 0;
    }
}

} // namespace

QList<int> openSlots(const Checkbook &book, qint32 endDate)
{
    QList<int> open;
    for (int slot = 1; slot <= book.entryCount && dateKey(book.slot[slot]) <= endDate; ++slot) {
        if (book.slot[slot].clearing != Clearing::Reconciled)
            open << slot;
    }
    return open;
}

Ticks clearedTicks(const Checkbook &book)
{
    Ticks ticked(book.entryCount + 1, false);
    for (int slot = 1; slot <= book.entryCount; ++slot)
        ticked[slot] = book.slot[slot].clearing == Clearing::Cleared;
    return ticked;
}

Reconciliation reconcile(const Checkbook &book, const Companion &companion, qint32 endDate,
                         const Ticks &ticked, std::optional<qint64> endingBalance)
{
    Reconciliation result;
    result.startingCents = lastReconciledCents(companion);
    result.clearedCents = result.startingCents;
    for (int slot : openSlots(book, endDate)) {
        const Entry &entry = book.slot[slot];
        if (isTicked(ticked, slot)) {
            result.clearedCents += netCents(entry);
            continue;
        }
        result.outstandingSlots << slot;
        result.outstandingDeposits += entry.depositCents;
        result.outstandingWithdrawals += entry.withdrawalCents;
    }
    if (endingBalance)
        result.difference = *endingBalance - result.clearedCents;
    return result;
}

QDate suggestedEndDate(const Companion &companion, QDate today)
{
    if (companion.later)
        return dateOfKey(companion.later->endDate);
    if (!companion.reconciled.isEmpty())
        return dateOfKey(companion.reconciled.back().endDate).addMonths(1);
    return today;
}

void finishReconciliation(Checkbook &book, Companion &companion, qint32 endDate,
                          qint64 endingBalance, const Ticks &ticked)
{
    markOpenEntries(book, endDate, ticked, Clearing::Reconciled);
    companion.reconciled.push_back({endDate, endingBalance});
    companion.later.reset();
}

void putOffReconciliation(Checkbook &book, Companion &companion, qint32 endDate,
                          qint64 endingBalance, const Ticks &ticked)
{
    markOpenEntries(book, endDate, ticked, Clearing::Cleared);
    companion.later = StatementBalance{endDate, endingBalance};
}

} // namespace tallyra
