// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tallyra {

// Payees that sit next to each other in the pick list, to be inserted at one position.
struct PayeeRun
{
    qsizetype at = 0;
    QStringList payees;
};

// The payee pick list's items, kept sorted as text. Items are only ever added: payees of
// earlier loads stay offered until the program ends.
class PayeeList
{
public:
    // Adds the payees of entries 1..entryCount that are not offered yet (letter case counts)
    // and answers where they went: inserting the runs in order, each at its position, turns
    // the list as it was into the list as it is now. A run is inserted in one go, since the
    // pick list recounts its completions for every insertion.
    QList<PayeeRun> addPayeesOf(const Checkbook &book);

    const QStringList &items() const { return m_items; }

private:
    QStringList m_items;
    QSet<QString> m_offered; // the same, to look up
};

// Sorts texts character by character, so "10" comes before "2".
void sortAsText(QStringList &texts);

} // namespace tallyra
