// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "register/Checkbook.h"
#include "report/DateRange.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace tallyra {

class ChartView;
class MonthTable;
class RegisterDocument;

// The File menu's command that opens the window.
inline constexpr char BalanceChartMenuText[] =
    QT_TRANSLATE_NOOP("tallyra::FrmMoney", "B&alance Chart...");

// The balance over a date range as a chart, with a month-by-month table below it; from today
// on, the balance ahead with the recurring entries. It only reads the register, and stays open
// beside the main window: refresh() draws it again after every change, undo or reload, and
// when the date changes. A window rather than a dialog, so that Enter in the date fields
// presses no button: the chart follows them as they are typed.
class FrmChart : public QWidget
{
    Q_OBJECT

public:
    // Follows the document: drawn again after every change, undo, redo and reload.
    FrmChart(const RegisterDocument &document, Platform &platform, QWidget *parent = nullptr);

public slots:
    // A range the user has not changed follows the register's first and last dates.
    // The balance ahead starts from the clock's today.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the line under the chart says while no date is chosen.
    static QString pointHint();
    void buildControls();
    DateFields typedFields() const;
    void showFields(const DateFields &fields);
    void colourMonths();

    void dateField_Change();
    void picChart_SelectionChange(int day);
    void cmdSavePicture_Click();
    void cmdCopyTable_Click();

    const RegisterDocument &m_document;
    const Checkbook &m_book;
    Platform &m_platform;
    // What the fields were last given from the register.
    DateFields m_registerRange;

    QLabel *Label1 = nullptr;
    QComboBox *txtStartMonth = nullptr;
    QComboBox *txtStartDay = nullptr;
    QComboBox *txtStartYear = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *txtEndMonth = nullptr;
    QComboBox *txtEndDay = nullptr;
    QComboBox *txtEndYear = nullptr;
    QLabel *lblRange = nullptr;
    ChartView *picChart = nullptr;
    QLabel *lblPoint = nullptr;
    MonthTable *m_months = nullptr;
    QTableView *grdMonths = nullptr;
    QPushButton *cmdSavePicture = nullptr;
    QPushButton *cmdCopyTable = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace tallyra
