// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBench.h"
#include "chart/frmChart.h"

#include <QDate>

#include <benchmark/benchmark.h>

using namespace tallyra;

namespace {

// 1000 entries over three years: checks and cash most days, pay twice a month.
Checkbook threeYears()
{
    Checkbook book;
    book.entryCount = MaxEntries;
    for (int i = 1; i <= MaxEntries; ++i) {
        const QDate date = QDate(2000, 1, 1).addDays((i - 1) * 1095 / MaxEntries);
        Entry &entry = book.slot[i];
        entry = {qint16(date.year()),
                 qint16(date.month()),
                 qint16(date.day()),
                 QString::number(1000 + i),
                 QStringLiteral("PAYEE %1").arg(i % 40),
                 0,
                 0};
        if (i % 14 == 0)
            entry.depositCents = 180000;
        else
            entry.withdrawalCents = 500 + i * 7919 % 20000;
    }
    computeBalances(book);
    return book;
}

// File > Balance Chart on a full register: the window built, the history and month table
// summed, and the whole window shown and painted once.
void openChartWindowOn1000Entries(benchmark::State &state)
{
    WindowBench bench;
    if (!bench.ready(state, threeYears()))
        return;
    for (auto _ : state) {
        FrmChart window(bench.document, bench.platform);
        window.resize(900, 700);
        window.show();
        window.repaint();
    }
}
BENCHMARK(openChartWindowOn1000Entries)->Unit(benchmark::kMillisecond);

} // namespace
