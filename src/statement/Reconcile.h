// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"

#include <QDate>
#include <QList>

#include <optional>

namespace tallyra {

// The register against the bank's statement. Balanced when the statement's ending balance
// equals the register's balance at the statement's end date, less the deposits and plus the
// withdrawals of the period that the bank has not seen yet (outstanding).
struct Reconciliation
{
    qint64 registerBalance = 0;  // after the last entry dated on or before the end date
    QList<int> outstandingSlots; // entries of the period on no statement line, 1-based
    qint64 outstandingDeposits = 0;
    qint64 outstandingWithdrawals = 0;
    std::optional<qint64> difference; // statement less register; nothing without a balance

    bool balanced() const { return difference == 0; }
};

// `matchedSlots` are the register entries the statement's lines were found as (0 for none).
Reconciliation reconcile(const Checkbook &book, const QList<int> &matchedSlots, QDate start,
                         QDate end, std::optional<qint64> statementBalance);

} // namespace tallyra
