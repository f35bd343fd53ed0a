// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DateText.h"

namespace tallyra {

namespace {

// The sign, then at least `width` digits. Written out by hand: every mark in the marks file
// names its entry by such a date, and formatting it through arg() or number() costs ten times
// as much at start-up.
void appendZeroFilled(QByteArray &out, int value, int width)
{
    char digits[10];
    int count = 0;
    for (quint32 rest = value < 0 ? 0u - quint32(value) : quint32(value); rest || !count;
         rest /= 10)
        digits[count++] = char('0' + rest % 10);
    if (value < 0)
        out += '-';
    for (int pad = count; pad < width; ++pad)
        out += '0';
    while (count)
        out += digits[--count];
}

} // namespace

QString slashDate(int month, int day, int year)
{
    return QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year);
}

QString dashDate(const QString &month, const QString &day, const QString &year)
{
    return QStringLiteral("%1-%2-%3").arg(month, day, year);
}

QString dashDate(int month, int day, int year)
{
    return QStringLiteral("%1-%2-%3").arg(month).arg(day).arg(year);
}

void appendIsoDate(QByteArray &out, int year, int month, int day)
{
    appendZeroFilled(out, year, 4);
    out += '-';
    appendZeroFilled(out, month, 2);
    out += '-';
    appendZeroFilled(out, day, 2);
}

QString isoDate(int year, int month, int day)
{
    QByteArray text;
    text.reserve(16);
    appendIsoDate(text, year, month, day);
    return QString::fromLatin1(text);
}

} // namespace tallyra
