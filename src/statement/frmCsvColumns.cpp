// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/frmCsvColumns.h"

#include "platform/Controls.h"
#include "platform/WindowSize.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tallyra {

namespace {

// The file's first rows are enough to tell its columns apart.
constexpr int SampleRows = 8;

QComboBox *columnChoice(const char *name, const CsvTable &table, bool optional)
{
    auto *combo = named(new QComboBox, name);
    if (optional)
        combo->addItem(FrmCsvColumns::tr("(none)"), -1);
    const QStringList first = table.rows.isEmpty() ? QStringList() : table.rows.first();
    for (int column = 0; column < table.columnCount(); ++column) {
        const QString cell = column < first.size() ? first[column].trimmed() : QString();
        combo->addItem(cell.isEmpty() ? FrmCsvColumns::tr("Column %1").arg(column + 1)
                                      : QStringLiteral("%1: %2").arg(column + 1).arg(cell.left(30)),
                       column);
    }
    return combo;
}

void choose(QComboBox *combo, int column)
{
    const int index = combo->findData(column);
    combo->setCurrentIndex(std::max(index, 0));
}

int chosen(const QComboBox *combo)
{
    return combo->currentData().toInt();
}

} // namespace

FrmCsvColumns::FrmCsvColumns(const CsvTable &table, const CsvMapping &initial, QWidget *parent)
    : QDialog(parent), m_table(table)
{
    setObjectName(QStringLiteral("frmCsvColumns"));
    setWindowTitle(tr("CSV Columns"));

    lstSample = named(new QTableWidget, "lstSample");
    lstSample->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstSample->setTabKeyNavigation(false);
    lstSample->setAccessibleName(tr("First rows of the file"));
    lstSample->verticalHeader()->hide();

    cmbDate = columnChoice("cmbDate", table, false);
    cmbPayee = columnChoice("cmbPayee", table, true);
    optOneAmount = named(new QRadioButton(tr("One a&mount column (money out below "
                                             "zero):")),
                         "optOneAmount");
    optTwoAmounts =
        named(new QRadioButton(tr("&Withdrawal and deposit columns:")), "optTwoAmounts");
    cmbAmount = columnChoice("cmbAmount", table, false);
    cmbWithdrawal = columnChoice("cmbWithdrawal", table, false);
    cmbDeposit = columnChoice("cmbDeposit", table, false);
    cmbCheckNum = columnChoice("cmbCheckNum", table, true);
    // Their captions are the options beside them.
    cmbAmount->setAccessibleName(tr("Amount column"));
    cmbWithdrawal->setAccessibleName(tr("Withdrawal column"));
    cmbDeposit->setAccessibleName(tr("Deposit column"));
    cmbDateOrder = named(new QComboBox, "cmbDateOrder");
    cmbDateOrder->addItem(tr("As the file's dates show"), int(DateOrder::Undecided));
    cmbDateOrder->addItem(tr("Month first (03/31/2026)"), int(DateOrder::MonthFirst));
    cmbDateOrder->addItem(tr("Day first (31/03/2026)"), int(DateOrder::DayFirst));
    cmbDecimal = named(new QComboBox, "cmbDecimal");
    cmbDecimal->addItem(tr("Point (1,234.56)"), int(DecimalMark::Point));
    cmbDecimal->addItem(tr("Comma (1.234,56)"), int(DecimalMark::Comma));
    chkHeading = named(new QCheckBox(tr("The first row is a &heading")), "chkHeading");
    lblProblem = named(new QLabel, "lblProblem");
    lblProblem->setWordWrap(true);
    setTextColour(lblProblem, true);

    cmdOk = button("cmdOk", tr("&OK"), tr("Read the file with these columns"));
    cmdOk->setDefault(true);
    cmdCancel = button("cmdCancel", tr("&Cancel"), tr("Import nothing"));

    auto *form = new QFormLayout;
    form->addRow(caption("lblDate", tr("&Date:"), cmbDate), cmbDate);
    form->addRow(caption("lblPayee", tr("&Payee:"), cmbPayee), cmbPayee);
    form->addRow(optOneAmount, cmbAmount);
    auto *pair = new QHBoxLayout;
    pair->addWidget(cmbWithdrawal);
    pair->addWidget(cmbDeposit);
    form->addRow(optTwoAmounts, pair);
    form->addRow(caption("lblCheckNum", tr("Chec&k number:"), cmbCheckNum), cmbCheckNum);
    form->addRow(caption("lblDateOrder", tr("Dates &are written:"), cmbDateOrder), cmbDateOrder);
    form->addRow(caption("lblDecimal", tr("D&ecimal mark:"), cmbDecimal), cmbDecimal);
    form->addRow(chkHeading);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto *whole = new QVBoxLayout(this);
    whole->addWidget(lstSample, 1);
    whole->addLayout(form);
    whole->addWidget(lblProblem);
    whole->addLayout(buttons);

    choose(cmbDate, initial.date);
    choose(cmbPayee, initial.payee);
    (initial.amount >= 0 || initial.withdrawal < 0 ? optOneAmount : optTwoAmounts)
        ->setChecked(true);
    choose(cmbAmount, initial.amount);
    choose(cmbWithdrawal, initial.withdrawal);
    choose(cmbDeposit, initial.deposit);
    choose(cmbCheckNum, initial.checkNumber);
    cmbDateOrder->setCurrentIndex(cmbDateOrder->findData(int(initial.order)));
    cmbDecimal->setCurrentIndex(cmbDecimal->findData(int(initial.decimal)));
    chkHeading->setChecked(initial.headerRow);
    showSample();
    showProblem();

    for (QComboBox *combo : {cmbDate, cmbPayee, cmbAmount, cmbWithdrawal, cmbDeposit, cmbCheckNum,
                             cmbDateOrder, cmbDecimal})
        connect(combo, &QComboBox::currentIndexChanged, this, &FrmCsvColumns::showProblem);
    connect(optOneAmount, &QRadioButton::toggled, this, &FrmCsvColumns::showProblem);
    connect(chkHeading, &QCheckBox::toggled, this, &FrmCsvColumns::showSample);
    connect(cmdOk, &QPushButton::clicked, this, &FrmCsvColumns::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    sizeToScreen(this, {720, 520});
}

CsvMapping FrmCsvColumns::mapping() const
{
    CsvMapping mapping;
    mapping.date = chosen(cmbDate);
    mapping.payee = chosen(cmbPayee);
    if (optOneAmount->isChecked()) {
        mapping.amount = chosen(cmbAmount);
    } else {
        mapping.withdrawal = chosen(cmbWithdrawal);
        mapping.deposit = chosen(cmbDeposit);
    }
    mapping.checkNumber = chosen(cmbCheckNum);
    mapping.order = DateOrder(cmbDateOrder->currentData().toInt());
    mapping.decimal = DecimalMark(cmbDecimal->currentData().toInt());
    mapping.headerRow = chkHeading->isChecked();
    return mapping;
}

void FrmCsvColumns::showSample()
{
    const int columns = int(m_table.columnCount());
    const bool heading = chkHeading->isChecked() && !m_table.rows.isEmpty();
    const qsizetype first = heading ? 1 : 0;
    const int rows = int(std::min<qsizetype>(SampleRows, m_table.rows.size() - first));
    lstSample->clear();
    lstSample->setColumnCount(columns);
    lstSample->setRowCount(std::max(rows, 0));
    QStringList labels;
    for (int column = 0; column < columns; ++column) {
        const QString name = heading && column < m_table.rows.first().size()
                                 ? m_table.rows.first()[column]
                                 : QString();
        labels << QStringLiteral("%1 %2").arg(column + 1).arg(name).trimmed();
    }
    lstSample->setHorizontalHeaderLabels(labels);
    for (int row = 0; row < rows; ++row) {
        const QStringList &cells = m_table.rows[first + row];
        for (int column = 0; column < cells.size() && column < columns; ++column)
            lstSample->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    lstSample->resizeColumnsToContents();
}

void FrmCsvColumns::showProblem()
{
    cmbAmount->setEnabled(optOneAmount->isChecked());
    cmbWithdrawal->setEnabled(optTwoAmounts->isChecked());
    cmbDeposit->setEnabled(optTwoAmounts->isChecked());
    const QString problem = csvMappingProblem(mapping(), m_table.columnCount());
    lblProblem->setText(problem);
    cmdOk->setEnabled(problem.isEmpty());
}

void FrmCsvColumns::cmdOk_Click()
{
    if (csvMappingProblem(mapping(), m_table.columnCount()).isEmpty())
        accept();
}

} // namespace tallyra
