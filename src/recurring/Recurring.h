// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/Schedule.h"
#include "register/Checkbook.h"

#include <optional>

namespace tallyra {

// One entry that comes back: what is entered each time, and when.
struct RecurringEntry
{
    QString checkNumber; // as the check number field takes it: a word such as ATM, or a number
    QString payee;
    qint32 cents = 0;
    bool deposit = false;
    DateRule rule;
    QDate next;           // the next nominal date
    QDate end;            // none after it, when valid
    int remaining = -1;   // how many times more, or -1 for no count
    bool askFirst = true; // listed in the due window, else entered by itself

    friend bool operator==(const RecurringEntry &, const RecurringEntry &) = default;
};

// One entry a schedule puts in the register on a date.
struct DueEntry
{
    int schedule = 0; // its index in the list of schedules
    DueDate date;
    friend bool operator==(const DueEntry &, const DueEntry &) = default;
};

// Every entry the schedules have due up to `until`, oldest first (by entered date, then in the
// order of the schedules).
QList<DueEntry> dueEntries(const QList<RecurringEntry> &schedules, QDate until);

// The schedule moved on past the dates it entered or skipped: `taken` of its next due dates.
RecurringEntry movedOn(RecurringEntry schedule, int taken);

// Where the balance goes over the days ahead with the schedules' entries.
struct Projection
{
    QList<DueEntry> entries; // up to and with the last day, oldest first
    QList<qint64> balances;  // the balance after each of them
    // The first that takes the balance below zero, by its index in `entries`.
    std::optional<int> belowZero;
};

// The balance `balance` on `from` carried over the next `days` days with every schedule's
// entries up to then; those due already and not yet entered count as entered on `from`.
Projection projectBalance(const QList<RecurringEntry> &schedules, qint64 balance, QDate from,
                          int days = 90);

} // namespace tallyra
