// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DateRange.h"

#include "entry/TypedDate.h"

namespace tallyra {

std::optional<ReportRange> checkDateRange(const DateFields &fields)
{
    const auto start =
        typedDate(fields.startMonth, fields.startDay, fields.startYear, EarliestRangeYear);
    const auto end = typedDate(fields.endMonth, fields.endDay, fields.endYear, EarliestRangeYear);
    if (!start || !end)
        return std::nullopt;

    ReportRange range{start->key(), end->key(), fields};
    if (range.startKey > range.endKey)
        return std::nullopt;
    return range;
}

} // namespace tallyra
