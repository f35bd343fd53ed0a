// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/Recurring.h"
#include "register/Checkbook.h"

#include <QString>

namespace tallyra {

// What the status panel shows in place of the version once the register is near its limit.
QString nearLimitWarning();

// What the status panel shows for a register whose balances are computed.
struct StatusTexts
{
    QString total;
    bool totalNegative = false;
    QString recordCount;
    QString versionOrWarning;
    bool nearLimit = false;
};

StatusTexts statusTexts(const Checkbook &book);

// The balance of the cleared and reconciled entries, for the status bar beside the account
// total; empty while the bank has shown nothing.
QString clearedStatus(const Checkbook &book, bool anyReconciled);

// What the status bar says from the warning threshold on, beside the warning label: how to
// make room. Empty below the threshold.
QString nearLimitStatus(const Checkbook &book);

// What the status bar says when the balance ahead goes below zero: on which day and after
// which entry. Empty while it stays at zero or more.
QString aheadStatus(const Projection &ahead);

} // namespace tallyra
