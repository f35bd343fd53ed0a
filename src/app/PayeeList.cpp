#include "app/PayeeList.h"

#include <algorithm>

namespace tallyra {

qsizetype PayeeList::addIfNew(const QString &payee)
{
    const auto at = std::lower_bound(m_items.cbegin(), m_items.cend(), payee);
    if (at != m_items.cend() && *at == payee)
        return -1;
    const qsizetype index = at - m_items.cbegin();
    m_items.insert(index, payee);
    return index;
}

void sortAsText(QStringList &texts)
{
    std::sort(texts.begin(), texts.end());
}

} // namespace tallyra
