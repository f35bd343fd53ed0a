// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/Recurring.h"

#include <QString>

namespace tallyra {

// A day of the month as the schedule texts name it: "1st", "22nd", "31st".
QString ordinalDay(int day);

// How often a schedule comes back, in words: "Every month on the 31st", "Every 2 weeks",
// "Twice a month on the 1st and 15th", "Every 3 months on the last day", "Every year".
QString howOftenText(const DateRule &rule);

// When a schedule stops: its end date, how many times are left, or nothing when it goes on.
QString endText(const RecurringEntry &schedule);

// Whether a schedule has nothing more to enter: no times left, or its next date past its end.
bool scheduleFinished(const RecurringEntry &schedule);

} // namespace tallyra
