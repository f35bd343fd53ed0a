// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SaveTarget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace tallyra {

QString filterName(const FileType &type)
{
    return QCoreApplication::translate("SaveTarget", type.filter);
}

QString saveFilters(std::span<const FileType> types)
{
    QStringList filters;
    for (const FileType &type : types)
        filters << filterName(type);
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
        if (selectedFilter == filterName(types[i]))
            chosen = i;
    if (!suffix.isEmpty())
        return {chosen, chosenPath};
    return {chosen, chosenPath + u'.' + QLatin1String(types[chosen].suffix)};
}

} // namespace tallyra
