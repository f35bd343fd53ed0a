// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/BalanceHistory.h"

#include "entry/MoneyFormat.h"
#include "entry/TypedDate.h"
#include "register/DateText.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace tallyra {

namespace {

struct BalanceHistoryText
{
    Q_DECLARE_TR_FUNCTIONS(BalanceHistory)
};

// The years the range check accepts.
constexpr qint32 EarliestKey = dateKey(EarliestRangeYear, 1, 1);
constexpr qint32 LatestKey = dateKey(LatestYear, 12, 31);

int monthIndex(int year, int month)
{
    return year * 12 + month - 1;
}

// The row of the date's month, after rows for the months between it and the last row, which
// carry the balance on.
MonthRow &monthRowFor(std::vector<MonthRow> &months, const QDate &date, qint64 carried)
{
    if (months.empty())
        months.push_back({date.year(), date.month(), 0, 0, carried});
    const int index = monthIndex(date.year(), date.month());
    for (int next = monthIndex(months.back().year, months.back().month) + 1; next <= index; ++next)
        months.push_back({next / 12, next % 12 + 1, 0, 0, months.back().balanceCents});
    return months.back();
}

// The range fields that show a key, each part within what the check accepts.
void fillFields(qint32 key, QString &month, QString &day, QString &year)
{
    key = std::clamp(key, EarliestKey, LatestKey);
    year = QString::number(key / 10000);
    month = QString::number(std::clamp(key / 100 % 100, 1, 12));
    day = QString::number(std::clamp(key % 100, 1, 31));
}

QString entryLine(const Entry &entry)
{
    if (entry.withdrawalCents != 0)
        //: An entry of a day: %1 is its check number, %2 its payee, %3 the amount.
        return BalanceHistoryText::tr("%1 %2: withdrawal %3")
            .arg(entry.checkNumber, entry.payee, formatMoney(entry.withdrawalCents));
    if (entry.depositCents != 0)
        //: An entry of a day: %1 is its check number, %2 its payee, %3 the amount.
        return BalanceHistoryText::tr("%1 %2: deposit %3")
            .arg(entry.checkNumber, entry.payee, formatMoney(entry.depositCents));
    //: An entry with neither a withdrawal nor a deposit: %1 is its check number, %2 its payee.
    return BalanceHistoryText::tr("%1 %2: neither").arg(entry.checkNumber, entry.payee);
}

} // namespace

QDate calendarDate(qint32 key)
{
    const int year = key / 10000;
    if (year < 1)
        return {};
    const int month = std::clamp(key / 100 % 100, 1, 12);
    return {year, month, std::clamp(key % 100, 1, QDate(year, month, 1).daysInMonth())};
}

BalanceHistory balanceHistory(const Checkbook &book, qint32 startKey, qint32 endKey)
{
    BalanceHistory history;
    history.startKey = startKey;
    history.endKey = endKey;
    runningTotals(book, book.entryCount, [&](int i, qint64 total) {
        const Entry &entry = book.slot[i];
        const qint32 key = dateKey(entry);
        if (key < startKey)
            history.openingCents = total;
        if (key < startKey || key > endKey)
            return;
        std::vector<ChartDay> &days = history.days;
        if (days.empty() || days.back().key != key) {
            days.push_back({key, i, i, total});
        } else {
            days.back().lastSlot = i;
            days.back().balanceCents = total;
        }
        MonthRow &row = monthRowFor(history.months, calendarDate(key), total - netCents(entry));
        row.depositCents += entry.depositCents;
        row.withdrawalCents += entry.withdrawalCents;
        row.balanceCents = total;
    });
    return history;
}

std::optional<Projection> chartAhead(const Checkbook &book, const QList<RecurringEntry> &schedules,
                                     qint32 startKey, qint32 endKey, const QDate &today)
{
    const qint32 todayKey = dateKey(today);
    qint32 latestKey = 0;
    for (int i = 1; i <= book.entryCount; ++i)
        if (const qint32 key = dateKey(book.slot[i]); key <= todayKey)
            latestKey = std::max(latestKey, key);
    if (startKey > todayKey || endKey < latestKey)
        return std::nullopt;
    const int days = int(std::max<qint64>(ChartDaysAhead, today.daysTo(calendarDate(endKey))));
    Projection ahead = projectBalance(book, schedules, today, days);
    if (schedules.isEmpty() && ahead.entries.isEmpty())
        return std::nullopt;
    return ahead;
}

DateFields registerDateRange(const Checkbook &book, const QDate &today)
{
    if (book.entryCount == 0) {
        const QString month = QString::number(today.month());
        const QString day = QString::number(today.day());
        const QString year = QString::number(today.year());
        return {month, day, year, month, day, year};
    }
    DateFields fields;
    fillFields(dateKey(book.slot[1]), fields.startMonth, fields.startDay, fields.startYear);
    fillFields(dateKey(book.slot[book.entryCount]), fields.endMonth, fields.endDay, fields.endYear);
    return fields;
}

QString dayDetails(const Checkbook &book, const ChartDay &day, int shownEntries)
{
    const int count = day.lastSlot - day.firstSlot + 1;
    //: %1 is the date, %n how many entries it has, %2 the balance after them.
    QString text = BalanceHistoryText::tr("%1: %n entries, balance %2", nullptr, count)
                       .arg(slashDate(book.slot[day.firstSlot]), formatMoney(day.balanceCents));
    const int shown = std::min(count, shownEntries);
    for (int i = day.firstSlot; i < day.firstSlot + shown; ++i)
        text += QLatin1Char('\n') + entryLine(book.slot[i]);
    if (count > shown)
        //: After the entries listed: how many more the date has.
        text += QLatin1Char('\n') + BalanceHistoryText::tr("and %n more", nullptr, count - shown);
    return text;
}

QString monthName(int year, int month)
{
    //: A month of the month table: %1 is the year.
    static const std::array<const char *, 12> names = {
        QT_TRANSLATE_NOOP("BalanceHistory", "January %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "February %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "March %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "April %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "May %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "June %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "July %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "August %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "September %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "October %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "November %1"),
        QT_TRANSLATE_NOOP("BalanceHistory", "December %1")};
    return BalanceHistoryText::tr(names[size_t(month - 1)]).arg(year);
}

QString monthHeading(int column)
{
    static const std::array<const char *, MonthColumns> headings = {
        QT_TRANSLATE_NOOP("BalanceHistory", "Month"),
        QT_TRANSLATE_NOOP("BalanceHistory", "Deposits"),
        QT_TRANSLATE_NOOP("BalanceHistory", "Withdrawals"),
        QT_TRANSLATE_NOOP("BalanceHistory", "Net"),
        QT_TRANSLATE_NOOP("BalanceHistory", "Balance at Month's End")};
    return BalanceHistoryText::tr(headings[size_t(column)]);
}

QString monthCell(const MonthRow &row, int column)
{
    switch (column) {
    case 0:
        return monthName(row.year, row.month);
    case 1:
        return formatMoney(row.depositCents);
    case 2:
        return formatMoney(row.withdrawalCents);
    case 3:
        return formatMoney(row.netCents());
    default:
        return formatMoney(row.balanceCents);
    }
}

QString monthTableText(const std::vector<MonthRow> &months)
{
    QString text;
    const auto line = [&text](const auto &cell) {
        for (int column = 0; column < MonthColumns; ++column)
            text += cell(column) + QLatin1Char(column + 1 < MonthColumns ? '\t' : '\n');
    };
    line(monthHeading);
    for (const MonthRow &row : months)
        line([&row](int column) { return monthCell(row, column); });
    return text;
}

} // namespace tallyra
