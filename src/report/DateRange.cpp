// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DateRange.h"

#include "entry/FieldValue.h"

#include <cmath>

namespace tallyra {

namespace {

// Written so that a value that is not a number fails as well.
bool within(double value, double low, double high)
{
    return value >= low && value <= high;
}

// Fractions are kept until the sum (a month of 11.6 adds 1160), which rounds halves to even.
qint32 rangeKey(double year, double month, double day)
{
    return qint32(std::nearbyint(year * 10000 + month * 100 + day));
}

} // namespace

std::optional<ReportRange> checkDateRange(const DateFields &fields)
{
    const double startYear = fieldValue(fields.startYear);
    const double startMonth = fieldValue(fields.startMonth);
    const double startDay = fieldValue(fields.startDay);
    const double endYear = fieldValue(fields.endYear);
    const double endMonth = fieldValue(fields.endMonth);
    const double endDay = fieldValue(fields.endDay);
    const bool fieldsValid = within(startYear, 1960, 9999) && within(startMonth, 1, 12) &&
                             within(startDay, 1, 31) && within(endYear, 1960, 9999) &&
                             within(endMonth, 1, 12) && within(endDay, 1, 31);
    if (!fieldsValid)
        return std::nullopt;

    ReportRange range{rangeKey(startYear, startMonth, startDay),
                      rangeKey(endYear, endMonth, endDay), fields};
    if (range.startKey > range.endKey)
        return std::nullopt;
    return range;
}

} // namespace tallyra
