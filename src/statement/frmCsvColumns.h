// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statement/CsvStatement.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tallyra {

// The mapping step of a CSV statement: the first rows of the file, and which column holds the
// date, payee, amount (or withdrawal and deposit) and check number, how dates and decimals are
// written, and whether the first row is a heading.
class FrmCsvColumns : public QDialog
{
    Q_OBJECT

public:
    FrmCsvColumns(const CsvTable &table, const CsvMapping &initial, QWidget *parent = nullptr);

    CsvMapping mapping() const;

private:
    void showSample();
    void showProblem();
    void cmdOk_Click();

    const CsvTable &m_table;
    QTableWidget *lstSample = nullptr;
    QComboBox *cmbDate = nullptr;
    QComboBox *cmbPayee = nullptr;
    QRadioButton *optOneAmount = nullptr;
    QRadioButton *optTwoAmounts = nullptr;
    QComboBox *cmbAmount = nullptr;
    QComboBox *cmbWithdrawal = nullptr;
    QComboBox *cmbDeposit = nullptr;
    QComboBox *cmbCheckNum = nullptr;
    QComboBox *cmbDateOrder = nullptr;
    QComboBox *cmbDecimal = nullptr;
    QCheckBox *chkHeading = nullptr;
    QLabel *lblProblem = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;
};

} // namespace tallyra
