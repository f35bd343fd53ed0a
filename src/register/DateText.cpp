// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DateText.h"

namespace tallyra {

namespace {

// The sign, then at least `width` digits. Written out by hand: every mark in the marks file
// names its entry by such a date, and a formatted arg() costs ten times as much at start-up.
QString zeroFilled(int value, int width)
{
    QString digits = QString::number(qAbs(qint64(value)));
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), u'0'));
    return value < 0 ? u'-' + digits : digits;
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

QString isoDate(int year, int month, int day)
{
    return zeroFilled(year, 4) + u'-' + zeroFilled(month, 2) + u'-' + zeroFilled(day, 2);
}

} // namespace tallyra
