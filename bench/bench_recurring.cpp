// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullRegister.h"
#include "recurring/Recurring.h"

#include <benchmark/benchmark.h>

using namespace tallyra;

namespace {

// 50 schedules of every kind, each last entered a year ago, so every one has a year of dates
// due and the next 90 days ahead.
QList<RecurringEntry> fiftySchedules(QDate today)
{
    QList<RecurringEntry> schedules;
    for (int i = 0; i < 50; ++i) {
        RecurringEntry entry;
        entry.checkNumber = QStringLiteral("ATM");
        entry.payee = QStringLiteral("SCHEDULE %1").arg(i);
        entry.cents = 1000 + i * 137;
        entry.deposit = i % 7 == 0;
        entry.rule.frequency = Frequency(i % 6);
        entry.rule.day = 1 + i % 31;
        entry.rule.secondDay = 1 + (i + 14) % 31;
        entry.rule.months = 1 + i % 3;
        entry.rule.weekend = WeekendRule(i % 3);
        entry.next = today.addYears(-1).addDays(i);
        schedules.append(entry);
    }
    return schedules;
}

// What is due up to today and the balance over the next 90 days, over a full register whose
// last months are ahead of today.
void dueAndProjectionOf50Schedules(benchmark::State &state)
{
    const Checkbook book = fullRegister();
    const QDate today(1999, 10, 1);
    const QList<RecurringEntry> schedules = fiftySchedules(today);
    for (auto _ : state) {
        const QList<DueEntry> due = dueEntries(schedules, today);
        const Projection ahead = projectBalance(book, schedules, today);
        benchmark::DoNotOptimize(due);
        benchmark::DoNotOptimize(ahead);
        if (due.isEmpty() || ahead.entries.isEmpty())
            state.SkipWithError("nothing due or ahead");
    }
}
BENCHMARK(dueAndProjectionOf50Schedules)->Unit(benchmark::kMicrosecond);

} // namespace
