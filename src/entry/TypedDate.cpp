// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/TypedDate.h"

#include "entry/FieldValue.h"

#include <cmath>

namespace tallyra {

namespace {

// Written so that a value that is not a number fails as well.
bool within(double value, double low, double high)
{
    return value >= low && value <= high;
}

bool whole(double value)
{
    return value == std::floor(value);
}

} // namespace

qint32 TypedDate::key() const
{
    return qint32(std::nearbyint(year * 10000 + month * 100 + day));
}

std::optional<QDate> TypedDate::calendarDay() const
{
    if (!whole(month) || !whole(day) || !whole(year))
        return std::nullopt;
    const int y = int(year);
    const int m = int(month);
    const int d = int(day);
    if (!QDate::isValid(y, m, d))
        return std::nullopt;
    return QDate(y, m, d);
}

std::optional<TypedDate> typedDate(const QString &month, const QString &day, const QString &year,
                                   int earliestYear)
{
    const TypedDate typed{fieldValue(month), fieldValue(day), fieldValue(year)};
    if (!within(typed.month, 1, 12) || !within(typed.day, 1, 31) ||
        !within(typed.year, earliestYear, LatestYear))
        return std::nullopt;
    return typed;
}

} // namespace tallyra
