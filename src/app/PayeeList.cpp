// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PayeeList.h"

#include <QSet>

#include <algorithm>

namespace tallyra {

namespace {

// The payees not offered yet, sorted. A register names few payees many times over, and after
// the first load nearly all are offered already, so only the new ones are sorted.
QStringList newPayees(const Checkbook &book, const QSet<QString> &offered)
{
    QSet<QString> seen;
    QStringList payees;
    for (int i = 1; i <= book.entryCount; ++i) {
        const QString &payee = book.slot[i].payee;
        if (!offered.contains(payee) && !seen.contains(payee)) {
            seen.insert(payee);
            payees << payee;
        }
    }
    sortAsText(payees);
    return payees;
}

} // namespace

QList<PayeeRun> PayeeList::addPayeesOf(const Checkbook &book)
{
    const QStringList payees = newPayees(book, m_offered);
    if (payees.isEmpty())
        return {};
    for (const QString &payee : payees)
        m_offered.insert(payee);
    QStringList merged;
    merged.reserve(m_items.size() + payees.size());
    QList<PayeeRun> runs;
    auto old = m_items.cbegin();
    for (const QString &payee : payees) {
        for (; old != m_items.cend() && *old < payee; ++old)
            merged << *old;
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
