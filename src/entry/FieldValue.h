// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace tallyra {

// The number a typed text begins with. Blanks, tabs and line feeds are skipped wherever they
// are; then an optional sign, digits with at most one full stop as the decimal point, and an
// optional exponent (E or D, optional sign, digits). "&H" and "&O" begin a hexadecimal or
// octal whole number. A text that does not begin with a number gives 0. Every numeric field
// of every window is read this way, whatever the user's regional settings.
double fieldValue(QStringView text);

// The amount of a dollars and a cents field in whole cents, rounded down (toward minus
// infinity): dollars 1 and cents 5 give 105. Not limited to what an entry can store.
double amountCents(QStringView dollars, QStringView cents);

} // namespace tallyra
