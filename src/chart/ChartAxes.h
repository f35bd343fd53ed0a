// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

namespace tallyra {

// The money axis: from `low` to `high` cents in steps of `step`, all three whole multiples of
// the step (1, 2 or 5 times a power of ten cents), so that zero is always one of the ticks.
struct MoneyAxis
{
    qint64 low = 0;
    qint64 high = 0;
    qint64 step = 1;
};

// An axis that holds zero and every balance from `lowest` to `highest` with some room above
// and below, so that no line runs along the chart's edge; at most `maxTicks` steps.
MoneyAxis moneyAxis(qint64 lowest, qint64 highest, int maxTicks);

struct DateTick
{
    qint64 julianDay = 0;
    QString text;
};

// Ticks for the days firstDay..lastDay (Julian day numbers) on an axis of `pixelsPerDay`:
// every day, week, month, quarter, year or more, the finest whose labels, centred on their
// ticks, leave a gap of at least `gap` pixels between them. `textWidth` measures a label.
std::vector<DateTick> dateTicks(qint64 firstDay, qint64 lastDay, double pixelsPerDay,
                                const std::function<double(const QString &)> &textWidth,
                                double gap);

} // namespace tallyra
