// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/ChartAxes.h"

#include "register/DateText.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <array>

namespace tallyra {

namespace {

struct ChartAxesText
{
    Q_DECLARE_TR_FUNCTIONS(ChartAxes)
};

// The first of 1, 2 and 5 times a power of ten that is at least `at least`.
qint64 roundStep(qint64 atLeast)
{
    for (qint64 power = 1;; power *= 10)
        for (const qint64 factor : {1, 2, 5})
            if (factor * power >= atLeast)
                return factor * power;
}

qint64 floorTo(qint64 value, qint64 step)
{
    const qint64 quotient = value / step;
    return (value % step != 0 && value < 0 ? quotient - 1 : quotient) * step;
}

qint64 ceilTo(qint64 value, qint64 step)
{
    const qint64 quotient = value / step;
    return (value % step != 0 && value > 0 ? quotient + 1 : quotient) * step;
}

enum class Unit { Day, Month, Year };

struct Spacing
{
    Unit unit;
    int count;
    int shortestDays; // the fewest days between two ticks
};

constexpr std::array<Spacing, 20> Spacings = {{
    {Unit::Day, 1, 1},          {Unit::Day, 2, 2},           {Unit::Day, 7, 7},
    {Unit::Day, 14, 14},        {Unit::Month, 1, 28},        {Unit::Month, 2, 59},
    {Unit::Month, 3, 89},       {Unit::Month, 6, 181},       {Unit::Year, 1, 365},
    {Unit::Year, 2, 730},       {Unit::Year, 5, 1826},       {Unit::Year, 10, 3652},
    {Unit::Year, 20, 7305},     {Unit::Year, 50, 18262},     {Unit::Year, 100, 36524},
    {Unit::Year, 200, 73048},   {Unit::Year, 500, 182621},   {Unit::Year, 1000, 365242},
    {Unit::Year, 2000, 730485}, {Unit::Year, 5000, 1826211},
}};

QString tickText(const QDate &date, Unit unit)
{
    //: A month under the chart, short: %1 is the year.
    static const std::array<const char *, 12> months = {
        QT_TRANSLATE_NOOP("ChartAxes", "Jan %1"), QT_TRANSLATE_NOOP("ChartAxes", "Feb %1"),
        QT_TRANSLATE_NOOP("ChartAxes", "Mar %1"), QT_TRANSLATE_NOOP("ChartAxes", "Apr %1"),
        QT_TRANSLATE_NOOP("ChartAxes", "May %1"), QT_TRANSLATE_NOOP("ChartAxes", "Jun %1"),
        QT_TRANSLATE_NOOP("ChartAxes", "Jul %1"), QT_TRANSLATE_NOOP("ChartAxes", "Aug %1"),
        QT_TRANSLATE_NOOP("ChartAxes", "Sep %1"), QT_TRANSLATE_NOOP("ChartAxes", "Oct %1"),
        QT_TRANSLATE_NOOP("ChartAxes", "Nov %1"), QT_TRANSLATE_NOOP("ChartAxes", "Dec %1")};
    switch (unit) {
    case Unit::Day:
        return slashDate(date);
    case Unit::Month:
        return ChartAxesText::tr(months[size_t(date.month() - 1)]).arg(date.year());
    case Unit::Year:
        break;
    }
    return QString::number(date.year());
}

// The first tick on or after the first day, and the one after each tick.
QDate firstTick(const QDate &from, const Spacing &spacing)
{
    switch (spacing.unit) {
    case Unit::Day:
        return from.addDays((spacing.count - from.toJulianDay() % spacing.count) % spacing.count);
    case Unit::Month: {
        QDate tick(from.year(), from.month(), 1);
        if (tick < from)
            tick = tick.addMonths(1);
        while ((tick.month() - 1) % spacing.count != 0)
            tick = tick.addMonths(1);
        return tick;
    }
    case Unit::Year:
        break;
    }
    int year = from.year() + (from.dayOfYear() > 1 ? 1 : 0);
    year += (spacing.count - year % spacing.count) % spacing.count;
    return {year, 1, 1};
}

QDate nextTick(const QDate &tick, const Spacing &spacing)
{
    switch (spacing.unit) {
    case Unit::Day:
        return tick.addDays(spacing.count);
    case Unit::Month:
        return tick.addMonths(spacing.count);
    case Unit::Year:
        break;
    }
    return tick.addYears(spacing.count);
}

} // namespace

MoneyAxis moneyAxis(qint64 lowest, qint64 highest, int maxTicks)
{
    qint64 low = std::min<qint64>(0, lowest);
    qint64 high = std::max<qint64>(0, highest);
    if (low == high) {
        low = -100;
        high = 100;
    }
    // A twentieth of the span as room beyond the extremes (zero itself needs none).
    const qint64 room = std::max<qint64>(1, (high - low) / 20);
    if (high > 0)
        high += room;
    if (low < 0)
        low -= room;
    const qint64 steps = std::max(1, maxTicks);
    const qint64 step = roundStep((high - low + steps - 1) / steps);
    return {floorTo(low, step), ceilTo(high, step), step};
}

std::vector<DateTick> dateTicks(qint64 firstDay, qint64 lastDay, double pixelsPerDay,
                                const std::function<double(const QString &)> &textWidth, double gap)
{
    const QDate from = QDate::fromJulianDay(firstDay);
    const QDate to = QDate::fromJulianDay(lastDay);
    for (const Spacing &spacing : Spacings) {
        // Labels closer than the gap itself cannot fit: this keeps the count of ticks tried
        // within the width of the axis.
        if (spacing.shortestDays * pixelsPerDay < gap)
            continue;
        std::vector<DateTick> ticks;
        bool fits = true;
        double previousEdge = 0;
        for (QDate tick = firstTick(from, spacing); tick.isValid() && tick <= to && fits;
             tick = nextTick(tick, spacing)) {
            const QString text = tickText(tick, spacing.unit);
            const double centre = double(tick.toJulianDay() - firstDay) * pixelsPerDay;
            const double half = textWidth(text) / 2;
            fits = ticks.empty() || centre - half >= previousEdge + gap;
            previousEdge = centre + half;
            ticks.push_back({tick.toJulianDay(), text});
        }
        if (fits && !ticks.empty())
            return ticks;
    }
    return {};
}

} // namespace tallyra
