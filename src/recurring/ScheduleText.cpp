// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/ScheduleText.h"

#include "register/DateText.h"

#include <QCoreApplication>
#include <QStringList>

namespace tallyra {

namespace {

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("ScheduleText", text, nullptr, n);
}

} // namespace

QString ordinalDay(int day)
{
    // 11th, 12th and 13th, though they end in 1, 2 and 3.
    if (day % 100 / 10 != 1) {
        switch (day % 10) {
        case 1:
            return tr("%1st").arg(day);
        case 2:
            return tr("%1nd").arg(day);
        case 3:
            return tr("%1rd").arg(day);
        default:
            break;
        }
    }
    return tr("%1th").arg(day);
}

QString howOftenText(const DateRule &rule)
{
    switch (rule.frequency) {
    case Frequency::Weekly:
        return tr("Every week");
    case Frequency::EveryTwoWeeks:
        return tr("Every 2 weeks");
    case Frequency::TwiceAMonth: {
        const int first = std::min(rule.day, rule.secondDay);
        const int second = std::max(rule.day, rule.secondDay);
        // The same day twice comes once a month.
        if (first == second)
            return tr("Every month on the %1").arg(ordinalDay(first));
        return tr("Twice a month on the %1 and %2").arg(ordinalDay(first), ordinalDay(second));
    }
    case Frequency::MonthlyOnDay:
        if (rule.months <= 1)
            return tr("Every month on the %1").arg(ordinalDay(rule.day));
        return tr("Every %n months on the %1", rule.months).arg(ordinalDay(rule.day));
    case Frequency::MonthlyLastDay:
        if (rule.months <= 1)
            return tr("Every month on the last day");
        return tr("Every %n months on the last day", rule.months);
    case Frequency::Yearly:
        return tr("Every year");
    }
    return QString();
}

QString endText(const RecurringEntry &schedule)
{
    QStringList parts;
    if (schedule.end.isValid())
        parts << tr("Until %1").arg(slashDate(schedule.end));
    if (schedule.remaining == 1)
        parts << tr("Once more");
    else if (schedule.remaining >= 0)
        parts << tr("%n more times", schedule.remaining);
    return parts.join(QStringLiteral(", "));
}

bool scheduleFinished(const RecurringEntry &schedule)
{
    return schedule.remaining == 0 || (schedule.end.isValid() && schedule.next > schedule.end);
}

} // namespace tallyra
