// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/BalanceHistory.h"
#include "platform/Contrast.h"

#include <QAbstractTableModel>
#include <QColor>

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
    // The red of a negative balance on the even rows (0, 2, ...) and on the odd ones, for a
    // view whose rows alternate between two backgrounds; AlertRed on both until told.
    void setNegativeColours(const QColor &evenRows, const QColor &oddRows);
    const std::vector<MonthRow> &months() const { return m_months; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<MonthRow> m_months;
    QColor m_negative[2] = {QColor(AlertRed), QColor(AlertRed)};
};

} // namespace tallyra
