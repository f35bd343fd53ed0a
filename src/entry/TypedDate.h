// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace tallyra {

// The years an entry may have.
inline constexpr int EarliestEntryYear = 1900;
inline constexpr int LatestYear = 9999;

// A date as typed into a window's month, day and year fields, each read as every numeric field
// is. The parts may hold fractions.
struct TypedDate
{
    double month = 0;
    double day = 0;
    double year = 0;

    // Fractions are kept until the sum (a month of 11.6 adds 1160), which rounds halves to even.
    qint32 key() const;

    // The day of the calendar, when every part is a whole number and the day is in its month.
    std::optional<QDate> calendarDay() const;
};

// The date the three fields hold, or nothing when a field is not a number, the month lies
// outside 1..12, the day outside 1..31 (in any month) or the year outside earliestYear..9999.
std::optional<TypedDate> typedDate(const QString &month, const QString &day, const QString &year,
                                   int earliestYear);

} // namespace tallyra
