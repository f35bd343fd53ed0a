// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/TextCodec.h"

#include "register/Cp1252.h"

namespace tallyra {

qsizetype firstUnstorableChar(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        // A quote would end the field early and a line break would split the record.
        if (u == u'"' || u == u'\r' || u == u'\n' || cp1252::byteFor(u) < 0)
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
