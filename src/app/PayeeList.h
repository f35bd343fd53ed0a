#pragma once

#include <QString>
#include <QStringList>

namespace tallyra {

// The payee pick list's items, kept sorted as text. Items are only ever added: payees of
// earlier loads stay offered until the program ends.
class PayeeList
{
public:
    // Where the payee was inserted, or -1 when an equal item (letter case counts) is there.
    qsizetype addIfNew(const QString &payee);

    const QStringList &items() const { return m_items; }

private:
    QStringList m_items;
};

// Sorts texts character by character, so "10" comes before "2".
void sortAsText(QStringList &texts);

} // namespace tallyra
