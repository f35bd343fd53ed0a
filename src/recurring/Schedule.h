// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace tallyra {

// How often a recurring entry comes back.
enum class Frequency {
    Weekly,
    EveryTwoWeeks,
    TwiceAMonth,    // on `day` and `secondDay` of every month
    MonthlyOnDay,   // on `day` of every `months` months (1 for every month)
    MonthlyLastDay, // on the last day of every `months` months
    Yearly,         // on the month and day of the first date
};

// Where a date that falls on a Saturday or Sunday goes.
enum class WeekendRule { Keep, FridayBefore, MondayAfter };

// The dates rule of one schedule. A day beyond the end of a shorter month is that month's
// last day (the 31st is April 30 and February 28 or 29); the next nominal date is worked out
// from the rule, never from the date a weekend moved, so a schedule never drifts.
struct DateRule
{
    Frequency frequency = Frequency::MonthlyOnDay;
    int day = 1;        // day of the month, 1 to 31
    int secondDay = 15; // TwiceAMonth only
    int months = 1;     // MonthlyOnDay and MonthlyLastDay: every N months
    WeekendRule weekend = WeekendRule::Keep;

    friend bool operator==(const DateRule &, const DateRule &) = default;
};

// The date of `day` in the month of `date`, or the month's last day when it has fewer.
QDate dayInMonth(QDate date, int day);

// The nominal date after `date` by the rule (`date` itself a nominal date of it).
QDate nextNominalDate(const DateRule &rule, QDate date);

// Where a nominal date is entered: moved off a weekend as the rule says.
QDate enteredDate(const DateRule &rule, QDate nominal);

// One date a schedule comes due: the nominal one, which moves the schedule on, and the one
// entered.
struct DueDate
{
    QDate nominal;
    QDate entered;
    friend bool operator==(const DueDate &, const DueDate &) = default;
};

// Every date from `next` (a nominal date) whose entered date is on or before `until`, oldest
// first; at most `remaining` of them when it is not negative, and none with a nominal date
// after `end` when that is valid.
QList<DueDate> dueDates(const DateRule &rule, QDate next, QDate until, QDate end = {},
                        int remaining = -1);

} // namespace tallyra
