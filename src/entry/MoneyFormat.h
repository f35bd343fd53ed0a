// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Entry.h"

#include <QString>
#include <QtGlobal>

namespace tallyra {

// Cents as dollars in the form $###,###.00: "-" before the "$" when negative, commas between
// thousands, nothing before the point when there are no whole dollars ($.05), always two
// digits of cents. The same in every locale.
QString formatMoney(qint64 cents);

// The list's and the report's form: the same with one trailing blank.
QString formatListMoney(qint64 cents);

// The texts of the two amount fields for an amount: whole dollars, and two digits of cents.
QString dollarsFieldText(qint32 cents);
QString centsFieldText(qint32 cents);

// An entry as the status bar and the undo history name it: "12/07/2026 GAS $5.00".
QString entryDescription(const Entry &entry);

} // namespace tallyra
