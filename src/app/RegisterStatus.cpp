// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegisterStatus.h"

#include "entry/MoneyFormat.h"
#include "register/Companion.h"
#include "register/DateText.h"

#include <QCoreApplication>

namespace tallyra {

QString nearLimitWarning()
{
    return QCoreApplication::translate("RegisterStatus",
                                       "Warning: You are near the limit of records.");
}

StatusTexts statusTexts(const Checkbook &book)
{
    StatusTexts texts;
    texts.total = formatMoney(book.totalCents);
    texts.totalNegative = book.totalCents < 0;
    texts.recordCount = QStringLiteral("%1 / %2").arg(book.entryCount).arg(MaxEntries);
    texts.nearLimit = book.entryCount >= WarningThreshold;
    texts.versionOrWarning = texts.nearLimit
                                 ? nearLimitWarning()
                                 : QCoreApplication::translate("RegisterStatus", "Version %1")
                                       .arg(QLatin1String(VersionText));
    return texts;
}

QString clearedStatus(const Checkbook &book, bool anyReconciled)
{
    bool anyMarked = anyReconciled;
    for (int i = 1; !anyMarked && i <= book.entryCount; ++i)
        anyMarked = book.slot[i].clearing != Clearing::NotCleared;
    if (!anyMarked)
        return {};
    return QCoreApplication::translate("RegisterStatus", "Cleared balance: %1")
        .arg(formatMoney(clearedCents(book)));
}

QString nearLimitStatus(const Checkbook &book)
{
    if (book.entryCount < WarningThreshold)
        return {};
    return QCoreApplication::translate("RegisterStatus",
                                       "%1 of %2 entries used: File > Carry Forward frees room "
                                       "by moving older entries to an archive.")
        .arg(book.entryCount)
        .arg(MaxEntries);
}

QString aheadStatus(const Projection &ahead)
{
    if (!ahead.belowZero)
        return {};
    const AheadEntry &entry = ahead.entries[*ahead.belowZero];
    return QCoreApplication::translate("RegisterStatus", "Balance below zero on %1 after %2")
        .arg(slashDate(entry.key / 100 % 100, entry.key % 100, entry.key / 10000), entry.payee);
}

} // namespace tallyra
