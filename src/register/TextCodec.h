// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace tallyra {

// Texts in the data file are one byte per character in Windows-1252 (see Cp1252.h).

// Index of the first character that a text field of the data file cannot hold (a double
// quote, a line break, or a character outside the code page), or should not (any other
// control character: a tab, escape or NUL would reach the file and every export raw), or -1
// when there is none.
qsizetype firstUnstorableChar(QStringView text);

// The text in capitals, character by character. A character whose capital the file could
// not hold, or that has no single-character capital, is kept as it is.
QString toStoredCapitals(QStringView text);

} // namespace tallyra
