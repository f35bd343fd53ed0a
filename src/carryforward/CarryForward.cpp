// SPDX-License-Identifier: GPL-3.0-or-later
#include "carryforward/CarryForward.h"

#include "register/DataFile.h"
#include "register/DateText.h"

#include <algorithm>
#include <limits>

namespace tallyra {

namespace {

bool isCarried(const EntriesBefore &before, const Entry &entry)
{
    return dateKey(entry) < dateKey(before.date) &&
           (!before.reconciledOnly || entry.clearing == Clearing::Reconciled);
}

std::unique_ptr<Checkbook> archiveOf(const Checkbook &book, const EntriesBefore &before)
{
    // Too big for the stack: 1000 entries and their running totals.
    auto archive = std::make_unique<Checkbook>();
    for (int i = 1; i <= book.entryCount; ++i) {
        if (isCarried(before, book.slot[i]))
            archive->slot[++archive->entryCount] = book.slot[i];
    }
    return archive;
}

} // namespace

EntriesBefore entriesBefore(const Checkbook &book, const Companion &companion, QDate date)
{
    EntriesBefore before{date, !companion.reconciled.isEmpty()};
    for (int i = 1; i <= book.entryCount && dateKey(book.slot[i]) < dateKey(date); ++i) {
        const Entry &entry = book.slot[i];
        if (!isCarried(before, entry)) {
            ++before.left;
            continue;
        }
        ++before.count;
        before.netCents += netCents(entry);
        before.reconciledOn = std::max(before.reconciledOn, entry.reconciledOn);
    }
    return before;
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
    if (before.reconciledOnly) {
        entry.clearing = Clearing::Reconciled;
        entry.reconciledOn = before.reconciledOn;
    }
    return entry;
}

std::unique_ptr<Checkbook> carriedForward(const Checkbook &book, const EntriesBefore &before)
{
    auto after = std::make_unique<Checkbook>();
    int from = 1;
    int to = 0;
    for (; from <= book.entryCount && dateKey(book.slot[from]) < dateKey(before.date); ++from) {
        if (!isCarried(before, book.slot[from]))
            after->slot[++to] = book.slot[from];
    }
    after->slot[++to] = balanceForward(before);
    for (; from <= book.entryCount; ++from)
        after->slot[++to] = book.slot[from];
    after->entryCount = qint16(to);
    return after;
}

QByteArray archiveFile(const Checkbook &book, const EntriesBefore &before)
{
    return formatDataFile(*archiveOf(book, before));
}

std::optional<QByteArray> archiveMarks(const Checkbook &book, const Companion &companion,
                                       const EntriesBefore &before)
{
    const auto archive = archiveOf(book, before);
    // A statement put off for later is one the register that goes on is balanced against.
    const Companion kept{companion.reconciled, std::nullopt, {}};
    if (holdsNothing(*archive, kept))
        return std::nullopt;
    return formatCompanion(*archive, kept);
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
