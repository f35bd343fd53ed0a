// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DateText.h"

namespace tallyra {

namespace {

// The sign, then at least `width` digits.
QString zeroFilled(int value, int width)
{
    const QString digits =
        QStringLiteral("%1").arg(qAbs(qint64(value)), width, 10, QLatin1Char('0'));
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
