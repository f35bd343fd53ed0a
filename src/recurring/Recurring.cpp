// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/Recurring.h"

#include <algorithm>

namespace tallyra {

QList<DueEntry> dueEntries(const QList<RecurringEntry> &schedules, QDate until)
{
    QList<DueEntry> due;
    for (int i = 0; i < schedules.size(); ++i) {
        const RecurringEntry &schedule = schedules[i];
        for (const DueDate &date :
             dueDates(schedule.rule, schedule.next, until, schedule.end, schedule.remaining))
            due.append({i, date});
    }
    std::stable_sort(due.begin(), due.end(), [](const DueEntry &a, const DueEntry &b) {
        return a.date.entered < b.date.entered;
    });
    return due;
}

RecurringEntry movedOn(RecurringEntry schedule, int taken)
{
    for (int i = 0; i < taken && schedule.remaining != 0; ++i) {
        schedule.next = nextNominalDate(schedule.rule, schedule.next);
        if (schedule.remaining > 0)
            --schedule.remaining;
    }
    return schedule;
}

Projection projectBalance(const QList<RecurringEntry> &schedules, qint64 balance, QDate from,
                          int days)
{
    Projection projection;
    for (const DueEntry &entry : dueEntries(schedules, from.addDays(days))) {
        const RecurringEntry &schedule = schedules[entry.schedule];
        balance += schedule.deposit ? schedule.cents : -qint64(schedule.cents);
        if (balance < 0 && !projection.belowZero)
            projection.belowZero = int(projection.entries.size());
        projection.entries.append(entry);
        projection.balances.append(balance);
    }
    return projection;
}

} // namespace tallyra
