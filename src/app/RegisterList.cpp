// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegisterList.h"

#include "entry/MoneyFormat.h"
#include "register/DateText.h"

#include <QCoreApplication>

#include <algorithm>

namespace tallyra {

namespace {

ListLine listLine(const Checkbook &book, int slot)
{
    const Entry &entry = book.slot[slot];
    ListLine line;
    line.date = slashDate(entry);
    line.check = entry.checkNumber;
    line.payee = entry.payee;
    if (entry.withdrawalCents != 0)
        line.out = formatListMoney(entry.withdrawalCents);
    else if (entry.depositCents != 0)
        line.dep = formatListMoney(entry.depositCents);
    line.total = formatListMoney(book.balanceCents[slot]);
    line.totalNegative = book.balanceCents[slot] < 0;
    if (entry.clearing == Clearing::Cleared) {
        line.mark = QStringLiteral("c");
        line.markTip = QCoreApplication::translate(
            "RegisterList", "Cleared: the bank has shown this entry on a statement");
    } else if (entry.clearing == Clearing::Reconciled) {
        line.mark = QStringLiteral("R");
        line.markTip =
            QCoreApplication::translate("RegisterList", "Reconciled on the statement ending %1")
                .arg(slashDate(dateOfKey(entry.reconciledOn)));
    }
    return line;
}

} // namespace

int listScrollMaximum(int entryCount)
{
    return std::max(1, entryCount - (ListLines - 1));
}

ListPage listPage(const Checkbook &book, int position)
{
    ListPage page;
    page.firstShown = position;
    if (book.entryCount <= ListLines) {
        for (int n = 0; n < book.entryCount; ++n)
            page.lines[n] = listLine(book, n + 1);
        return page;
    }
    page.firstShown = std::clamp(position, 1, listScrollMaximum(book.entryCount));
    for (int n = 0; n < ListLines; ++n)
        page.lines[n] = listLine(book, page.firstShown + n);
    return page;
}

QString lineDescription(int number, const ListLine &line)
{
    if (line.date.isEmpty())
        return QCoreApplication::translate("RegisterList", "Line %1: empty").arg(number);
    const QString amount =
        !line.out.isEmpty()
            ? QCoreApplication::translate("RegisterList", "withdrawal %1").arg(line.out.trimmed())
        : !line.dep.isEmpty()
            ? QCoreApplication::translate("RegisterList", "deposit %1").arg(line.dep.trimmed())
            : QCoreApplication::translate("RegisterList", "no amount");
    const QString n = QString::number(number);
    const QString total = line.total.trimmed();
    // The check number and what the bank has shown of the entry are said only when there.
    if (line.check.isEmpty() && line.markTip.isEmpty())
        //: Line number, date, payee, amount ("withdrawal $5.00"), running total
        return QCoreApplication::translate("RegisterList", "Line %1: %2, %3, %4, total %5")
            .arg(n, line.date, line.payee, amount, total);
    if (line.check.isEmpty())
        //: Line number, date, payee, amount, running total, cleared or reconciled mark
        return QCoreApplication::translate("RegisterList", "Line %1: %2, %3, %4, total %5, %6")
            .arg(n, line.date, line.payee, amount, total, line.markTip);
    if (line.markTip.isEmpty())
        //: Line number, date, check number, payee, amount, running total
        return QCoreApplication::translate("RegisterList", "Line %1: %2, %3, %4, %5, total %6")
            .arg(n, line.date, line.check, line.payee, amount, total);
    //: Line number, date, check number, payee, amount, running total, cleared or reconciled mark
    return QCoreApplication::translate("RegisterList", "Line %1: %2, %3, %4, %5, total %6, %7")
        .arg(n, line.date, line.check, line.payee, amount, total, line.markTip);
}

} // namespace tallyra
