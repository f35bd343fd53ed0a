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

// One entry of the balance ahead: one the register holds, dated after today, or one a schedule
// will enter.
struct AheadEntry
{
    qint32 key = 0; // the dateKey of the day it counts on
    QString payee;
    qint64 cents = 0;  // what it adds to the balance, negative for what it takes away
    int schedule = -1; // the schedule that enters it, or -1 for one of the register's

    friend bool operator==(const AheadEntry &, const AheadEntry &) = default;
};

// Where the balance goes over the days ahead.
struct Projection
{
    qint32 fromKey = 0;        // today
    qint32 untilKey = 0;       // the last day
    qint64 opening = 0;        // the balance on today
    QList<AheadEntry> entries; // oldest first
    QList<qint64> balances;    // the balance after each of them
    // The first that takes the balance from zero or more to below zero, by its index in
    // `entries`: a balance below zero already on today is no news.
    std::optional<int> belowZero;
};

// The register's balance on `today`, after its entries dated up to then, carried over the next
// `days` days with the register's later entries and every schedule's. A schedule's entry that
// the register holds already (its date, payee and amount) is the register's; one due already
// and not yet entered counts on today. On one day the register's entries go first, then the
// schedules' in their order. Nothing here changes the register or the schedules.
Projection projectBalance(const Checkbook &book, const QList<RecurringEntry> &schedules,
                          QDate today, int days = 90);

} // namespace tallyra
