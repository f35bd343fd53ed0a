// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"
#include "register/Companion.h"

#include <QDate>
#include <QList>

#include <optional>

namespace tallyra {

// Which entries the bank has shown, by slot (index 0 unused): the boxes of the reconcile
// window, or an imported statement's matches.
using Ticks = QList<bool>;

// The register against a bank statement ending on a date. Every entry not yet reconciled and
// dated on or before the end, however old, is either shown by this statement (ticked) or
// outstanding. The register balances when the statement's ending balance is where the last
// finished reconciliation ended plus every ticked entry: the cleared balance.
struct Reconciliation
{
    qint64 startingCents = 0; // the ending balance of the last finished reconciliation
    qint64 clearedCents = 0;  // the starting balance and every ticked entry
    QList<int> outstandingSlots;
    qint64 outstandingDeposits = 0;
    qint64 outstandingWithdrawals = 0;
    std::optional<qint64> difference; // statement less cleared balance; nothing without one

    bool balanced() const { return difference == 0; }
};

// The entries a statement ending on `endDate` (a dateKey) settles: those not yet reconciled
// dated on or before it, in register order.
QList<int> openSlots(const Checkbook &book, qint32 endDate);

// The entries cleared already: what the boxes start as.
Ticks clearedTicks(const Checkbook &book);

Reconciliation reconcile(const Checkbook &book, const Companion &companion, qint32 endDate,
                         const Ticks &ticked, std::optional<qint64> endingBalance);

// The end date a new reconciliation starts with: the one put off for later, else a month
// after the last finished one, else today.
QDate suggestedEndDate(const Companion &companion, QDate today);

// Finish: the ticked open entries become reconciled on the statement, the others not cleared,
// and the statement is recorded as where the next reconciliation starts.
void finishReconciliation(Checkbook &book, Companion &companion, qint32 endDate,
                          qint64 endingBalance, const Ticks &ticked);

// Later: the ticked open entries become cleared, the others not cleared, and the figures typed
// are kept for next time.
void putOffReconciliation(Checkbook &book, Companion &companion, qint32 endDate,
                          qint64 endingBalance, const Ticks &ticked);

} // namespace tallyra
