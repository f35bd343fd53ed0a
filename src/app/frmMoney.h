// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/FindCommand.h"
#include "app/PayeeList.h"
#include "app/RegisterListView.h"
#include "entry/ChangeBoxes.h"
#include "entry/EntryFields.h"
#include "platform/DayWatch.h"
#include "platform/Platform.h"
#include "platform/StatusTeller.h"
#include "recurring/DueCheck.h"
#include "register/RegisterDocument.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tallyra {

// The main window: the fields for a new entry, the status panel, the ten-line list of the
// register and the menus that open every other window.
class FrmMoney : public QMainWindow
{
    Q_OBJECT

public:
    FrmMoney(RegisterDocument &document, Platform &platform, QWidget *parent = nullptr);

    // The start-up sequence: the register's lock (once), the data file, the window's texts.
    void Form_Load();
    void resetEntryFields();
    void updateStatus();
    // Reads the data file; false when the user chose to end the program instead.
    bool loadRegister();
    // Opens the edit window on the slot shown on a line of the list (offset 0..9); an empty
    // line has nothing to edit. What the window changed becomes the register, as one change.
    void openEditor(int offset);
    // Opens the schedule window filled from the entry on a line of the list, to enter it
    // again every month from a month after it; saves the schedule it makes.
    void repeatEntry(int offset);
    // Tells when the date changes while the program runs.
    const DayWatch &dayWatch() const { return *m_dayWatch; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWindow();
    void buildEntryArea(QWidget *area);
    void buildInfoFrame();
    void buildMenus();
    void setTabOrder();
    void updateHistoryActions();

    void lockRegister();
    void showReadOnly(const LockHolder &holder);
    void mergePayees();
    EntryFields entryFields() const;
    void readyForNextEntry();
    void clearEntryExceptDate();
    void showBackupFolder();
    // Puts the words on a change on the status bar; true when the change was saved.
    bool told(const Committed &committed);
    void tell(const QString &what);
    void tellDoneSince(int historyIndex);
    void register_Changed();
    void register_ChangedOnDisk();
    void dayWatch_DateChange();

    void cmdAdd_Click();
    void cmdExit_Click();
    void mnuExit_Click();
    void mnuNew_Click();
    void mnuCarryForward_Click();
    void mnuBalanceChart_Click();
    void mnuReconcile_Click();
    void mnuRecurring_Click();
    void mnuImport_Click();
    void showLineMenu(int offset, QPoint at);
    void showCompanionNotice();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuBackup_Click();
    void mnuRestore_Click();
    void mnuBackupFolder_Click();
    void mnuContent_Click();
    void mnuAbout_Click();
    void lblWarning_Click();
    void mnuPrint_Click();
    void mnuExport_Click();
    void mnuFind_Click();
    void mnuFindNext_Click();
    bool txtDollar_KeyPress(QChar typed);

    RegisterDocument &m_document;
    const Checkbook &m_book;
    Platform &m_platform;
    // The lock is asked for once, after the first start-up.
    bool m_lockTried = false;
    // Once the window is up, and again when the date changes: the recurring entries due.
    DueAsker *m_due = nullptr;
    PayeeList m_payees;
    DayWatch *m_dayWatch = nullptr;

    // The controls, named as the rest of the program and its tests know them.
    QComboBox *txtMonth = nullptr;
    QComboBox *txtDay = nullptr;
    QComboBox *txtYear = nullptr;
    QComboBox *cmbCheckNum = nullptr;
    QComboBox *cmbPayee = nullptr;
    QComboBox *txtDollar = nullptr;
    QComboBox *txtCent = nullptr;
    QGroupBox *frmType = nullptr;
    QRadioButton *optWithdrawl = nullptr;
    QRadioButton *optDeposit = nullptr;
    QRadioButton *optNeither = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdExit = nullptr;

    QGroupBox *frmInfo = nullptr;
    QLabel *lblE1 = nullptr;
    QLabel *lblTotal = nullptr;
    QLabel *lblE2 = nullptr;
    QLabel *lblRecNum = nullptr;
    QLabel *lblWarning = nullptr;
    // In the status bar: from the near-limit warning on, how to free room.
    QLabel *lblRoom = nullptr;
    QLabel *lblCleared = nullptr;
    // In the status bar: where the balance ahead goes below zero.
    QLabel *lblAhead = nullptr;

    RegisterListView *m_list = nullptr;
    std::unique_ptr<FindCommand> m_find;
    // The chart window stays open beside this one, following every change; one at a time.
    QPointer<QWidget> m_chart;
    // So does the window of the recurring entries.
    QPointer<QWidget> m_recurring;
    StatusTeller *m_teller = nullptr;

    QAction *mnuBackup = nullptr;
    QAction *mnuRestore = nullptr;
    QAction *mnuBackupFolder = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuBalanceChart = nullptr;
    QAction *mnuNew = nullptr;
    QAction *mnuCarryForward = nullptr;
    QAction *mnuImport = nullptr;
    QAction *mnuReconcile = nullptr;
    QAction *mnuExport = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuUndo = nullptr;
    QAction *mnuRedo = nullptr;
    QAction *mnuFind = nullptr;
    QAction *mnuFindNext = nullptr;
    QAction *mnuRecurring = nullptr;
    QAction *mnuContent = nullptr;
    QAction *mnuAbout = nullptr;
};

} // namespace tallyra
