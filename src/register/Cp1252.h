// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>

namespace tallyra::cp1252 {

// What bytes 0x80..0x9F stand for. The five bytes the code page leaves undefined keep their
// own value as C1 controls, so that any byte survives a read and a write.
inline constexpr std::array<char16_t, 32> HighRow = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

inline constexpr std::array<char16_t, 256> CharForByte = [] {
    std::array<char16_t, 256> chars{};
    for (int byte = 0; byte < 256; ++byte)
        chars[byte] = byte >= 0x80 && byte <= 0x9F ? HighRow[byte - 0x80] : char16_t(byte);
    return chars;
}();

// The byte that stands for a UTF-16 unit, or -1 when the code page has none.
constexpr int byteFor(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (int i = 0; i < int(HighRow.size()); ++i) {
        if (HighRow[i] == unit)
            return 0x80 + i;
    }
    return -1;
}

// Decodes into an existing string, so that a text read again and again reuses its storage.
inline void decodeInto(QString &text, QByteArrayView bytes)
{
    text.resize(bytes.size());
    if (bytes.isEmpty())
        return;
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(CharForByte[static_cast<unsigned char>(byte)]);
}

} // namespace tallyra::cp1252
