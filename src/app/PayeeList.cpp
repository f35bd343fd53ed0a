// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PayeeList.h"

#include <algorithm>

namespace tallyra {

namespace {

QStringList distinctPayees(const Checkbook &book)
{
    QStringList payees;
    payees.reserve(book.entryCount);
    for (int i = 1; i <= book.entryCount; ++i)
        payees << book.slot[i].payee;
    sortAsText(payees);
    payees.erase(std::unique(payees.begin(), payees.end()), payees.end());
    return payees;
}

} // namespace

QList<PayeeRun> PayeeList::addPayeesOf(const Checkbook &book)
{
    const QStringList payees = distinctPayees(book);
    QStringList merged;
    merged.reserve(m_items.size() + payees.size());
    QList<PayeeRun> runs;
    auto old = m_items.cbegin();
    for (const QString &payee : payees) {
        for (; old != m_items.cend() && *old < payee; ++old)
            merged << *old;
        if (old != m_items.cend() && *old == payee) {
            merged << *old++;
            continue;
        }
        if (runs.isEmpty() || runs.back().at + runs.back().payees.size() != merged.size())
            runs.append(PayeeRun{merged.size(), {}});
        runs.back().payees << payee;
        merged << payee;
    }
    for (; old != m_items.cend(); ++old)
        merged << *old;
    m_items = merged;
    return runs;
}

void sortAsText(QStringList &texts)
{
    std::sort(texts.begin(), texts.end());
}

} // namespace tallyra
