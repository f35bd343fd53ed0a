// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statement/Statement.h"

#include <QByteArrayView>

namespace tallyra {

// Whether the bytes begin as a QIF file does: a "!Type:", "!Account" or "!Option" line.
bool looksLikeQif(QByteArrayView bytes);

// The transactions of a QIF file's bank account (!Type:Bank): D date, T or U amount,
// N check number, P payee, M memo, each record ended by ^. Other sections (accounts,
// categories, investments) are passed over. Dates are read as the whole file decides, or in
// `order` once the user has said.
StatementRead readQifStatement(QByteArrayView bytes, DateOrder order = DateOrder::Undecided);

} // namespace tallyra
