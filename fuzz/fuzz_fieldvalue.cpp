// SPDX-License-Identifier: GPL-3.0-or-later
// Any typed texts (UTF-8, the dollars before the first NUL byte and the cents after it) read as
// numbers: never a NaN, the same decimal value as the C library's strtod finds in the same
// characters, and unchanged by what cannot continue a number.

#include "entry/FieldValue.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tallyra;

namespace {

void require(bool holds, const char *what, const QString &text)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s for \"%s\"\n", what, qPrintable(text));
    std::abort();
}

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

QString withoutBlanks(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        if (!isSkipped(c))
            kept += c;
    }
    return kept;
}

bool isWholeNumberPrefix(const QString &kept)
{
    return kept.size() >= 2 && kept[0] == u'&' && QStringLiteral("HhOo").contains(kept[1]);
}

// What strtod (in the C locale, which the fuzzer never leaves) reads from the characters that
// can belong to a decimal number, with the D exponent spelt E.
double strtodValue(const QString &kept)
{
    std::string number;
    for (const QChar c : kept) {
        const char16_t u = c.unicode();
        if (u == u'd' || u == u'D')
            number += 'e';
        else if ((u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.' || u == u'e' ||
                 u == u'E')
            number += char(u);
        else
            break;
    }
    return std::strtod(number.c_str(), nullptr);
}

void checkText(const QString &text)
{
    const double value = fieldValue(text);
    require(!std::isnan(value), "NaN", text);

    const QString kept = withoutBlanks(text);
    if (isWholeNumberPrefix(kept)) {
        require(value >= 0 && (std::isinf(value) || value == std::floor(value)),
                "hexadecimal or octal is not a whole number", text);
    } else {
        require(value == strtodValue(kept), "differs from strtod", text);
    }

    require(fieldValue(text + u'z') == value, "a letter after it changed it", text);
    require(fieldValue(QStringLiteral(" \t") + text.left(text.size() / 2) + u'\n' +
                       text.mid(text.size() / 2)) == value,
            "blanks changed it", text);
    if (!kept.isEmpty() && (kept[0].isDigit() || kept[0] == u'.') && kept[0].unicode() < 0x80)
        require(fieldValue(u'-' + text) == -value, "a minus sign did not negate it", text);
    if (std::isfinite(value))
        require(fieldValue(QString::number(value, 'g', 17)) == value,
                "its value written with 17 digits reads otherwise", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QString dollars = QString::fromUtf8(split < 0 ? bytes : bytes.first(split));
    const QString cents = split < 0 ? QString() : QString::fromUtf8(bytes.sliced(split + 1));
    checkText(dollars);
    checkText(cents);

    const double amount = amountCents(dollars, cents);
    require(!std::isnan(amount), "amount NaN", dollars + u'|' + cents);
    require(std::isinf(amount) || amount == std::floor(amount), "amount not whole cents",
            dollars + u'|' + cents);
    return 0;
}
