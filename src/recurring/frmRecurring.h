// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/ScheduleForm.h"
#include "register/RegisterDocument.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace tallyra {

struct Platform;

// The entries that come back: every schedule with its amount, how often, its next date and
// its end, and the buttons that add, change and remove them. It stays open beside the main
// window and follows every change of the register, an undo or redo among them.
class FrmRecurring : public QDialog
{
    Q_OBJECT

public:
    FrmRecurring(RegisterDocument &document, Platform &platform, QWidget *parent = nullptr);

signals:
    // A change was saved, or another program's version taken instead: what the status bar
    // tells of it.
    void told(const QString &what);

private:
    void showSchedules();
    void showButtons();
    std::optional<int> chosenRow() const;
    void cmdAdd_Click();
    void cmdChange_Click();
    void cmdRemove_Click();
    bool save(const QList<RecurringEntry> &schedules, const QString &what, const QString &done);

    RegisterDocument &m_document;
    Platform &m_platform;

    QTableWidget *lstSchedules = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdChange = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdClose = nullptr;
};

// One schedule's fields: the check number, payee and amount as an entry takes them, how often
// it comes back and from when, when it ends, where a weekend moves it and whether it is
// entered by itself. OK checks them; the schedule they make is schedule().
class FrmSchedule : public QDialog
{
    Q_OBJECT

public:
    FrmSchedule(const QString &title, const RecurringEntry &shown, Platform &platform,
                QWidget *parent = nullptr);

    const RecurringEntry &schedule() const { return m_schedule; }

private:
    void buildControls();
    void showInput(const ScheduleInput &input);
    ScheduleInput input() const;
    void cmbHowOften_Changed();
    void cmdOK_Click();

    Platform &m_platform;
    RecurringEntry m_schedule;

    QComboBox *cmbCheckNum = nullptr;
    QComboBox *cmbPayee = nullptr;
    QComboBox *txtDollar = nullptr;
    QComboBox *txtCent = nullptr;
    QRadioButton *optWithdrawl = nullptr;
    QRadioButton *optDeposit = nullptr;
    QComboBox *cmbHowOften = nullptr;
    QSpinBox *spnMonths = nullptr;
    QRadioButton *optOnDay = nullptr;
    QSpinBox *spnDay = nullptr;
    QSpinBox *spnSecondDay = nullptr;
    QRadioButton *optLastDay = nullptr;
    QDateEdit *dtpNext = nullptr;
    QRadioButton *optNoEnd = nullptr;
    QRadioButton *optEndDate = nullptr;
    QDateEdit *dtpEnd = nullptr;
    QRadioButton *optEndTimes = nullptr;
    QSpinBox *spnTimes = nullptr;
    QComboBox *cmbWeekend = nullptr;
    QRadioButton *optAsk = nullptr;
    QRadioButton *optAuto = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};

} // namespace tallyra
