// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/Recurring.h"
#include "register/Entry.h"

#include <QString>

#include <optional>

namespace tallyra {

// How a schedule ends, as the schedule window offers it.
enum class ScheduleEnd { Never, OnDate, AfterTimes };

// What the schedule window's fields hold: the texts as typed, the choices as made.
struct ScheduleInput
{
    QString checkNumber;
    QString payee;
    QString dollars;
    QString cents;
    bool deposit = false;
    DateRule rule;
    QDate next;
    ScheduleEnd ends = ScheduleEnd::Never;
    QDate end;
    int times = 0;
    bool askFirst = true;
};

// The field a refused input sends the user back to.
enum class ScheduleField { CheckNumber, Payee, Dollars, SecondDay, NextDate };

struct ScheduleProblem
{
    ScheduleField field = ScheduleField::Payee;
    QString title;
    QString text;
    // A character an entry cannot hold, or the part of a text past what it takes.
    qsizetype badCharAt = -1;
    qsizetype badCharLength = 0;
};

// Whether a schedule of the rule comes due on the date.
bool isNominalDate(const DateRule &rule, QDate date);

// The first date on or after `date` that a schedule of the rule comes due.
QDate firstNominalFrom(const DateRule &rule, QDate date);

// The first thing wrong with the input: the check number, payee and amount as the entry
// fields check them, with an amount of 0 refused too (it would enter nothing); two equal
// days twice a month; a next date the rule never comes due on.
std::optional<ScheduleProblem> firstScheduleProblem(const ScheduleInput &input);

// The schedule the input describes, once it passes the checks: its texts in capitals, as the
// register keeps them.
RecurringEntry scheduleOf(const ScheduleInput &input);

// The input that shows a schedule in the window.
ScheduleInput inputOf(const RecurringEntry &schedule);

// A schedule that repeats an entry every month on its day, from a month after it.
RecurringEntry repeatOf(const Entry &entry);

} // namespace tallyra
