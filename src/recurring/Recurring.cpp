// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/Recurring.h"

#include "register/DateText.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace tallyra {

QList<DueEntry> dueEntries(const QList<RecurringEntry> &schedules, QDate until)
{
    QList<DueEntry> due;
    for (int i = 0; i < schedules.size(); ++i) {
        const RecurringEntry &schedule = schedules[i];
        for (const DueDate &date :
             dueDates(schedule.rule, schedule.next, until, schedule.end, schedule.remaining))
            due.append({i, date});
    }
    std::stable_sort(due.begin(), due.end(), [](const DueEntry &a, const DueEntry &b) {
        return a.date.entered < b.date.entered;
    });
    return due;
}

RecurringEntry movedOn(RecurringEntry schedule, int taken)
{
    for (int i = 0; i < taken && schedule.remaining != 0; ++i) {
        schedule.next = nextNominalDate(schedule.rule, schedule.next);
        if (schedule.remaining > 0)
            --schedule.remaining;
    }
    return schedule;
}

namespace {

bool enters(const Entry &entry, const RecurringEntry &schedule)
{
    return entry.payee == schedule.payee &&
           (schedule.deposit ? entry.depositCents == schedule.cents && entry.withdrawalCents == 0
                             : entry.withdrawalCents == schedule.cents && entry.depositCents == 0);
}

// The register's entries from `fromKey` on, by date, each to be taken once: the one that stands
// for a schedule's entry of its date is not taken again by another schedule's.
class RegisterDays
{
public:
    RegisterDays(const Checkbook &book, qint32 fromKey) : m_book(book)
    {
        for (int i = 1; i <= book.entryCount; ++i)
            if (dateKey(book.slot[i]) >= fromKey)
                m_slots.push_back(i);
        // A hand-edited file may be out of order.
        std::stable_sort(m_slots.begin(), m_slots.end(), [&book](int a, int b) {
            return dateKey(book.slot[a]) < dateKey(book.slot[b]);
        });
        m_taken.assign(m_slots.size(), false);
    }

    bool take(qint32 key, const RecurringEntry &schedule)
    {
        const auto first =
            std::lower_bound(m_slots.begin(), m_slots.end(), key, [this](int slot, qint32 wanted) {
                return dateKey(m_book.slot[slot]) < wanted;
            });
        for (auto at = first; at != m_slots.end() && dateKey(m_book.slot[*at]) == key; ++at) {
            const auto index = std::size_t(at - m_slots.begin());
            if (!m_taken[index] && enters(m_book.slot[*at], schedule)) {
                m_taken[index] = true;
                return true;
            }
        }
        return false;
    }

private:
    const Checkbook &m_book;
    std::vector<int> m_slots;
    std::vector<bool> m_taken;
};

} // namespace

Projection projectBalance(const Checkbook &book, const QList<RecurringEntry> &schedules,
                          QDate today, int days)
{
    Projection projection;
    projection.fromKey = dateKey(today);
    const QDate until = today.addDays(days);
    projection.untilKey = dateKey(until);

    QList<AheadEntry> later;
    for (int i = 1; i <= book.entryCount; ++i) {
        const Entry &entry = book.slot[i];
        const qint32 key = dateKey(entry);
        if (key <= projection.fromKey)
            projection.opening += netCents(entry);
        else if (key <= projection.untilKey)
            later.append({key, entry.payee, netCents(entry), -1});
    }
    std::stable_sort(later.begin(), later.end(),
                     [](const AheadEntry &a, const AheadEntry &b) { return a.key < b.key; });

    const QList<DueEntry> due = dueEntries(schedules, until);
    QList<AheadEntry> scheduled;
    if (!due.isEmpty()) {
        RegisterDays held(book, dateKey(due.front().date.entered));
        for (const DueEntry &entry : due) {
            const RecurringEntry &schedule = schedules[entry.schedule];
            const qint32 key = dateKey(entry.date.entered);
            if (held.take(key, schedule))
                continue;
            scheduled.append({std::max(key, projection.fromKey), schedule.payee,
                              schedule.deposit ? schedule.cents : -qint64(schedule.cents),
                              entry.schedule});
        }
    }

    projection.entries.reserve(later.size() + scheduled.size());
    std::merge(later.begin(), later.end(), scheduled.begin(), scheduled.end(),
               std::back_inserter(projection.entries),
               [](const AheadEntry &a, const AheadEntry &b) { return a.key < b.key; });
    qint64 balance = projection.opening;
    for (const AheadEntry &entry : projection.entries) {
        const bool wasBelow = balance < 0;
        balance += entry.cents;
        if (balance < 0 && !wasBelow && !projection.belowZero)
            projection.belowZero = int(projection.balances.size());
        projection.balances.append(balance);
    }
    return projection;
}

} // namespace tallyra
