// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/MoneyFormat.h"

#include <cstdlib>

namespace tallyra {

QString formatMoney(qint64 cents)
{
    // Work on the magnitude as unsigned so that the most negative value has one too.
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(cents) : quint64(cents);
    const quint64 dollars = magnitude / 100;
    const quint64 rest = magnitude % 100;

    QString whole;
    if (dollars > 0) {
        const QString digits = QString::number(dollars);
        const qsizetype firstGroup = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
        whole = digits.left(firstGroup);
        for (qsizetype i = firstGroup; i < digits.size(); i += 3)
            whole += QLatin1Char(',') + digits.mid(i, 3);
    }
    return QStringLiteral("%1$%2.%3")
        .arg(negative ? QStringLiteral("-") : QString(), whole)
        .arg(rest, 2, 10, QLatin1Char('0'));
}

QString formatListMoney(qint64 cents)
{
    return formatMoney(cents) + QLatin1Char(' ');
}

QString entryDescription(const Entry &entry)
{
    const qint64 amount = entry.depositCents != 0 ? entry.depositCents : entry.withdrawalCents;
    return QStringLiteral("%1/%2/%3 %4 %5")
        .arg(entry.month, 2, 10, QLatin1Char('0'))
        .arg(entry.day, 2, 10, QLatin1Char('0'))
        .arg(entry.year)
        .arg(entry.payee, formatMoney(amount));
}

QString dollarsFieldText(qint32 cents)
{
    return QString::number(cents / 100);
}

QString centsFieldText(qint32 cents)
{
    return QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
}

} // namespace tallyra
