// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/TextCodec.h"

#include "register/Cp1252.h"

namespace tallyra {

namespace {

// C0, DEL and C1: line breaks, tabs, escapes, NUL.
bool isControl(char16_t unit)
{
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

} // namespace

qsizetype firstUnstorableChar(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        // A quote would end the field early, a line break would split the record, and other
        // control characters would reach every program that reads the file or an export.
        if (u == u'"' || isControl(u) || cp1252::byteFor(u) < 0)
            return i;
    }
    return -1;
}

QString toStoredCapitals(QStringView text)
{
    QString capitals(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar upper = text[i].toUpper();
        capitals[i] = cp1252::byteFor(upper.unicode()) >= 0 ? upper : text[i];
    }
    return capitals;
}

} // namespace tallyra
