// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/Schedule.h"

#include <algorithm>

namespace tallyra {

QDate dayInMonth(QDate date, int day)
{
    return QDate(date.year(), date.month(), std::clamp(day, 1, date.daysInMonth()));
}

QDate nextNominalDate(const DateRule &rule, QDate date)
{
    switch (rule.frequency) {
    case Frequency::Weekly:
        return date.addDays(7);
    case Frequency::EveryTwoWeeks:
        return date.addDays(14);
    case Frequency::TwiceAMonth: {
        const int first = std::min(rule.day, rule.secondDay);
        const int second = std::max(rule.day, rule.secondDay);
        const QDate later = dayInMonth(date, second);
        if (date < dayInMonth(date, first))
            return dayInMonth(date, first);
        if (date < later)
            return later;
        return dayInMonth(date.addMonths(1), first);
    }
    case Frequency::MonthlyOnDay:
        return dayInMonth(QDate(date.year(), date.month(), 1).addMonths(std::max(rule.months, 1)),
                          rule.day);
    case Frequency::MonthlyLastDay: {
        const QDate month = QDate(date.year(), date.month(), 1).addMonths(std::max(rule.months, 1));
        return dayInMonth(month, 31);
    }
    case Frequency::Yearly:
        return dayInMonth(QDate(date.year() + 1, date.month(), 1), rule.day);
    }
    return date;
}

QDate enteredDate(const DateRule &rule, QDate nominal)
{
    const int weekday = nominal.dayOfWeek(); // 6 Saturday, 7 Sunday
    if (weekday < 6 || rule.weekend == WeekendRule::Keep)
        return nominal;
    if (rule.weekend == WeekendRule::FridayBefore)
        return nominal.addDays(5 - weekday);
    return nominal.addDays(8 - weekday);
}

QList<DueDate> dueDates(const DateRule &rule, QDate next, QDate until, QDate end, int remaining)
{
    QList<DueDate> due;
    for (QDate nominal = next; nominal.isValid() && remaining != 0;
         nominal = nextNominalDate(rule, nominal)) {
        if (end.isValid() && nominal > end)
            break;
        const QDate entered = enteredDate(rule, nominal);
        // A date moved back to Friday may come due before its nominal date; one moved on to
        // Monday not until then. Nominal dates only grow, so the first one beyond ends it.
        if (entered > until)
            break;
        due.append({nominal, entered});
        if (remaining > 0)
            --remaining;
    }
    return due;
}

} // namespace tallyra
