// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BalanceHistory.h"

#include <QAbstractTableModel>

#include <vector>

namespace tallyra {

// The month-by-month table: month, deposits, withdrawals, net and the balance at the month's
// end, in the money format; a negative balance in red, as the list shows it.
class MonthTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setMonths(std::vector<MonthRow> months);
    const std::vector<MonthRow> &months() const { return m_months; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<MonthRow> m_months;
};

} // namespace tallyra
