// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/ScheduleText.h"

#include "register/DateText.h"

#include <QCoreApplication>

#include <algorithm>

namespace tallyra {

namespace {

struct ScheduleText
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleText)
};

} // namespace

QString ordinalDay(int day)
{
    // 11th, 12th and 13th, though they end in 1, 2 and 3.
    if (day % 100 / 10 != 1) {
        switch (day % 10) {
        case 1:
            //: A day of the month ending in 1 (1st, 21st, 31st). Where days take no ordinal
            //: ending, the number alone: "%1".
            return ScheduleText::tr("%1st").arg(day);
        case 2:
            //: A day of the month ending in 2 (2nd, 22nd). Where days take no ordinal ending,
            //: the number alone: "%1".
            return ScheduleText::tr("%1nd").arg(day);
        case 3:
            //: A day of the month ending in 3 (3rd, 23rd). Where days take no ordinal ending,
            //: the number alone: "%1".
            return ScheduleText::tr("%1rd").arg(day);
        default:
            break;
        }
    }
    //: Any other day of the month (4th, 11th, 12th, 13th, 30th). Where days take no ordinal
    //: ending, the number alone: "%1".
    return ScheduleText::tr("%1th").arg(day);
}

QString howOftenText(const DateRule &rule)
{
    switch (rule.frequency) {
    case Frequency::Weekly:
        return ScheduleText::tr("Every week");
    case Frequency::EveryTwoWeeks:
        return ScheduleText::tr("Every 2 weeks");
    case Frequency::TwiceAMonth: {
        const int first = std::min(rule.day, rule.secondDay);
        const int second = std::max(rule.day, rule.secondDay);
        // The same day twice comes once a month.
        if (first == second)
            //: %1 is a day of the month as "31st" (or the number alone) says it.
            return ScheduleText::tr("Every month on the %1").arg(ordinalDay(first));
        //: %1 and %2 are days of the month, as "1st" and "15th" (or the numbers alone) say them.
        return ScheduleText::tr("Twice a month on the %1 and %2")
            .arg(ordinalDay(first), ordinalDay(second));
    }
    case Frequency::MonthlyOnDay:
        if (rule.months <= 1)
            //: %1 is a day of the month as "31st" (or the number alone) says it.
            return ScheduleText::tr("Every month on the %1").arg(ordinalDay(rule.day));
        //: %n months apart, always 2 or more; %1 is a day of the month as "31st" says it.
        return ScheduleText::tr("Every %n months on the %1", nullptr, rule.months)
            .arg(ordinalDay(rule.day));
    case Frequency::MonthlyLastDay:
        if (rule.months <= 1)
            return ScheduleText::tr("Every month on the last day");
        //: %n months apart, always 2 or more.
        return ScheduleText::tr("Every %n months on the last day", nullptr, rule.months);
    case Frequency::Yearly:
        return ScheduleText::tr("Every year");
    }
    return QString();
}

QString endText(const RecurringEntry &schedule)
{
    const QString until = schedule.end.isValid() ? slashDate(schedule.end) : QString();
    if (!until.isEmpty()) {
        if (schedule.remaining == 1)
            //: %1 is the last date.
            return ScheduleText::tr("Until %1, Once more").arg(until);
        if (schedule.remaining >= 0)
            //: %1 is the last date, %n how many times are left.
            return ScheduleText::tr("Until %1, %n more times", nullptr, schedule.remaining)
                .arg(until);
        //: %1 is the last date.
        return ScheduleText::tr("Until %1").arg(until);
    }
    if (schedule.remaining == 1)
        return ScheduleText::tr("Once more");
    if (schedule.remaining >= 0)
        return ScheduleText::tr("%n more times", nullptr, schedule.remaining);
    return QString();
}

bool scheduleFinished(const RecurringEntry &schedule)
{
    return schedule.remaining == 0 || (schedule.end.isValid() && schedule.next > schedule.end);
}

} // namespace tallyra
