// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SaveTarget.h"

#include <QFileInfo>
#include <QStringList>

namespace tallyra {

QString saveFilters(std::span<const FileType> types)
{
    QStringList filters;
    for (const FileType &type : types)
        filters << QLatin1String(type.filter);
    return filters.join(QStringLiteral(";;"));
}

SaveTarget saveTarget(std::span<const FileType> types, const QString &chosenPath,
                      const QString &selectedFilter)
{
    const QString suffix = QFileInfo(chosenPath).suffix().toLower();
    for (std::size_t i = 0; i < types.size(); ++i)
        if (suffix == QLatin1String(types[i].suffix))
            return {i, chosenPath};
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < types.size(); ++i)
        if (selectedFilter == QLatin1String(types[i].filter))
            chosen = i;
    if (!suffix.isEmpty())
        return {chosen, chosenPath};
    return {chosen, chosenPath + u'.' + QLatin1String(types[chosen].suffix)};
}

} // namespace tallyra
