// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Controls.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tallyra {

// A read-only list of rows under headings, chosen a row at a time. The arrows move within it
// and Tab leaves it, rather than stepping through every cell of a long list.
inline QTableWidget *table(const char *name, const QStringList &headings, const QString &accessible)
{
    auto *list = named(new QTableWidget(0, int(headings.size())), name);
    list->setHorizontalHeaderLabels(headings);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setTabKeyNavigation(false);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    list->setAccessibleName(accessible);
    return list;
}

inline QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace tallyra
