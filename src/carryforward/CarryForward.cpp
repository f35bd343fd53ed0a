// SPDX-License-Identifier: GPL-3.0-or-later
#include "carryforward/CarryForward.h"

#include "register/DataFile.h"
#include "register/DateText.h"

#include <algorithm>
#include <limits>

namespace tallyra {

EntriesBefore entriesBefore(const Checkbook &book, QDate date)
{
    const qint32 key = dateKey(date.year(), date.month(), date.day());
    int count = 0;
    while (count < book.entryCount && dateKey(book.slot[count + 1]) < key)
        ++count;
    return {date, count, balanceAfter(book, count)};
}

std::optional<CarryRefusal> carryRefusal(const EntriesBefore &before)
{
    if (before.count == 0)
        return CarryRefusal::NoEntries;
    // A negative net is stored as a withdrawal of its size, so the most negative qint32,
    // whose size no qint32 holds, is refused too.
    constexpr qint64 most = std::numeric_limits<qint32>::max();
    if (before.netCents > most || before.netCents < -most)
        return CarryRefusal::NetTooLarge;
    return std::nullopt;
}

Entry balanceForward(const EntriesBefore &before)
{
    const QDate day = before.date.addDays(-1);
    Entry entry{qint16(day.year()),
                qint16(day.month()),
                qint16(day.day()),
                QLatin1String(BalanceForwardCheckNumber),
                QLatin1String(BalanceForwardPayee),
                0,
                0};
    if (before.netCents < 0)
        entry.withdrawalCents = qint32(-before.netCents);
    else
        entry.depositCents = qint32(before.netCents);
    return entry;
}

std::unique_ptr<Checkbook> carriedForward(const Checkbook &book, const EntriesBefore &before)
{
    auto after = std::make_unique<Checkbook>();
    after->slot[1] = balanceForward(before);
    const auto rest = book.slot.begin() + 1 + before.count;
    std::copy(rest, book.slot.begin() + 1 + book.entryCount, after->slot.begin() + 2);
    after->entryCount = qint16(book.entryCount - before.count + 1);
    return after;
}

QByteArray archiveFile(const Checkbook &book, const EntriesBefore &before)
{
    // Too big for the stack: 1000 entries and their running totals.
    const auto archive = std::make_unique<Checkbook>();
    const auto first = book.slot.begin() + 1;
    std::copy(first, first + before.count, archive->slot.begin() + 1);
    archive->entryCount = qint16(before.count);
    return formatDataFile(*archive);
}

QString archiveName(QDate date, const QStringList &taken)
{
    const QString base = QStringLiteral("before-") + isoDate(date);
    QString name = base + QStringLiteral(".bak");
    for (int n = 2; taken.contains(name, Qt::CaseInsensitive); ++n)
        name = QStringLiteral("%1-%2.bak").arg(base).arg(n);
    return name;
}

} // namespace tallyra
