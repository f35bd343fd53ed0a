// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/MonthTable.h"

#include <QColor>

namespace tallyra {

namespace {

constexpr int BalanceColumn = MonthColumns - 1;

} // namespace

void MonthTable::setMonths(std::vector<MonthRow> months)
{
    beginResetModel();
    m_months = std::move(months);
    endResetModel();
}

void MonthTable::setNegativeColours(const QColor &evenRows, const QColor &oddRows)
{
    m_negative[0] = evenRows;
    m_negative[1] = oddRows;
    if (!m_months.empty())
        emit dataChanged(index(0, BalanceColumn), index(rowCount() - 1, BalanceColumn),
                         {Qt::ForegroundRole});
}

int MonthTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_months.size());
}

int MonthTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MonthColumns;
}

QVariant MonthTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const MonthRow &row = m_months[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return monthCell(row, index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignVCenter | (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::ForegroundRole:
        if (index.column() == BalanceColumn && row.balanceCents < 0)
            return m_negative[index.row() % 2];
        return {};
    default:
        return {};
    }
}

QVariant MonthTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return monthHeading(section);
}

} // namespace tallyra
