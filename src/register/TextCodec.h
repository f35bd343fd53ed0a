#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace tallyra {

// Texts in the data file are one byte per character in Windows-1252. Decoding is
// byte-faithful: the five bytes the code page leaves undefined become the C1 control
// characters of the same value, so every file reads and writes back byte for byte.
QString decodeText(QByteArrayView bytes);

// The bytes of a text, or nothing when a character has no byte in the code page.
std::optional<QByteArray> encodeText(QStringView text);

// Index of the first character that a text field of the data file cannot hold (a double
// quote, a line break, or a character outside the code page), or -1 when there is none.
qsizetype firstUnstorableChar(QStringView text);

// The text in capitals, character by character. A character whose capital the file could
// not hold, or that has no single-character capital, is kept as it is.
QString toStoredCapitals(QStringView text);

} // namespace tallyra
