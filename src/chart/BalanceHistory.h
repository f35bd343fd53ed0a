// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/Recurring.h"
#include "register/Checkbook.h"
#include "report/DateRange.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace tallyra {

// The calendar day a dateKey stands for. The range check lets a day run to 31 in any month and
// a hand-made file may hold any month or day, so both are brought within the calendar: the
// result never goes backwards as the key grows. Keys before year 1 give no date.
QDate calendarDate(qint32 key);

// One date with entries: where the balance steps.
struct ChartDay
{
    qint32 key = 0;
    // The entries of this date are the slots firstSlot..lastSlot.
    int firstSlot = 0;
    int lastSlot = 0;
    // The running total after the date's last entry.
    qint64 balanceCents = 0;
};

struct MonthRow
{
    int year = 0;
    int month = 0;
    qint64 depositCents = 0;
    qint64 withdrawalCents = 0;
    // The running total after the month's last entry in the range, or the one carried into it.
    qint64 balanceCents = 0;

    qint64 netCents() const { return depositCents - withdrawalCents; }
};

// How the balance moved over a date range.
struct BalanceHistory
{
    qint32 startKey = 0;
    qint32 endKey = 0;
    // The running total carried into the range from the entries before it.
    qint64 openingCents = 0;
    std::vector<ChartDay> days;
    // Every month from the first to the last date with entries in the range, those without
    // entries included, so that the table has no holes.
    std::vector<MonthRow> months;

    qint64 closingCents() const { return days.empty() ? openingCents : days.back().balanceCents; }
};

// Sums in 64 bits, as the running totals of the list are, so that no register overflows.
BalanceHistory balanceHistory(const Checkbook &book, qint32 startKey, qint32 endKey);

// How many days ahead of today the chart goes on at least.
inline constexpr int ChartDaysAhead = 90;

// The balance ahead that the chart draws on from today, past a range that starts on or before
// today and reaches the register's latest entry up to today: over the next ChartDaysAhead days,
// or up to the range's end when that is later, so that no later entry in the range is left out.
// Nothing when there is nothing ahead, neither a schedule nor a later entry in that time.
std::optional<Projection> chartAhead(const Checkbook &book, const QList<RecurringEntry> &schedules,
                                     qint32 startKey, qint32 endKey, const QDate &today);

// The range from the register's first to its last date, brought within the years the range
// check accepts; today alone for an empty register.
DateFields registerDateRange(const Checkbook &book, const QDate &today);

// What pointing at a day shows: its date, each of its entries and the balance after them.
// At most `shownEntries` entries are listed; the rest are counted.
QString dayDetails(const Checkbook &book, const ChartDay &day, int shownEntries = 6);

// "March 2001".
QString monthName(int year, int month);

// The month table's columns and what a row shows in each, in the money format.
inline constexpr int MonthColumns = 5;
QString monthHeading(int column);
QString monthCell(const MonthRow &row, int column);

// The month table as tab-separated text with a heading line, as spreadsheets take it.
QString monthTableText(const std::vector<MonthRow> &months);

} // namespace tallyra
