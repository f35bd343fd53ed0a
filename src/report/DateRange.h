// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tallyra {

// The first year a range may begin or end in.
inline constexpr int EarliestRangeYear = 1960;

// The six date fields of the report window, exactly as typed.
struct DateFields
{
    QString startMonth;
    QString startDay;
    QString startYear;
    QString endMonth;
    QString endDay;
    QString endYear;
};

// An accepted range: both ends are included, and the typed texts go on the report as they are.
struct ReportRange
{
    qint32 startKey = 0;
    qint32 endKey = 0;
    DateFields typed;
};

// The range the fields describe, or nothing when a year lies outside EarliestRangeYear..9999,
// a month outside 1..12, a day outside 1..31 (in any month), or the start lies after the end.
std::optional<ReportRange> checkDateRange(const DateFields &fields);

} // namespace tallyra
