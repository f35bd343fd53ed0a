// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls and menus, built once as the window is made, and the keys and
// clicks its controls take.
#include "app/RegisterStatus.h"
#include "app/frmMoney.h"
#include "chart/frmChart.h"
#include "entry/PayeeField.h"
#include "help/frmHandbook.h"
#include "platform/Controls.h"
#include "statement/StatementImport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <utility>

namespace tallyra {

namespace {

// A pick list sorted as text, so the day list runs "1", "10", "11", ... "2".
QComboBox *withItems(QComboBox *combo, QStringList items)
{
    sortAsText(items);
    combo->addItems(items);
    return combo;
}

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

// Enter or Space, as a button takes them.
bool isPressOn(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                     key->key() == Qt::Key_Space);
}

} // namespace

// The entry fields beside the information frame, the list below them, the menus and the
// status bar.
void FrmMoney::buildWindow()
{
    auto *central = new QWidget;
    auto *top = new QHBoxLayout;
    auto *entryArea = new QWidget;
    buildEntryArea(entryArea);
    buildInfoFrame();
    top->addWidget(entryArea, 1);
    top->addWidget(frmInfo, 0, Qt::AlignTop);

    m_list = new RegisterListView(m_document);
    connect(m_list, &RegisterListView::linePressed, this, &FrmMoney::openEditor);
    connect(m_list, &RegisterListView::lineMenuAsked, this, &FrmMoney::showLineMenu);

    auto *whole = new QVBoxLayout(central);
    whole->addLayout(top);
    whole->addWidget(ruling("Line11", QFrame::HLine));
    whole->addWidget(m_list, 1);
    setCentralWidget(central);

    buildMenus();
    setTabOrder();
    // The first field in tab order has the focus when the window first shows.
    txtMonth->setFocus();
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    m_teller = new StatusTeller(this);
    lblRoom = new QLabel;
    lblRoom->setObjectName(QStringLiteral("lblRoom"));
    statusBar()->addPermanentWidget(lblRoom);
    lblCleared = new QLabel;
    lblCleared->setObjectName(QStringLiteral("lblCleared"));
    lblCleared->setToolTip(tr("What the bank has shown: the cleared and reconciled entries"));
    statusBar()->addPermanentWidget(lblCleared);
    lblAhead = new QLabel;
    lblAhead->setObjectName(QStringLiteral("lblAhead"));
    lblAhead->setToolTip(
        tr("The balance over the next 90 days, with the later entries and the recurring ones"));
    lblAhead->hide();
    statusBar()->addPermanentWidget(lblAhead);
}

void FrmMoney::buildEntryArea(QWidget *area)
{
    txtMonth = withItems(entryCombo("txtMonth"), numbers(1, 12));
    txtDay = withItems(entryCombo("txtDay"), numbers(1, 31));
    txtYear = withItems(entryCombo("txtYear"), numbers(1998, 2003));
    cmbCheckNum = withItems(entryCombo("cmbCheckNum"), {"ATM", "DEP", "TMP", "TXFR"});
    cmbCheckNum->setEditText(QStringLiteral("ATM"));
    cmbPayee = entryCombo<PayeeField>("cmbPayee");
    txtDollar = entryCombo("txtDollar");
    txtDollar->setEditText(QStringLiteral("0"));
    txtCent = entryCombo("txtCent");
    txtCent->setEditText(QStringLiteral("00"));
    // Only the point stands between the two amount fields, so the cents have no caption.
    txtCent->setAccessibleName(tr("Cents"));
    // The combo box, not its line edit, receives the keys, so that is where they are seen:
    // the point in the dollars, and Ctrl+Z or Ctrl+Y in every field.
    for (QComboBox *field : {txtMonth, txtDay, txtYear, cmbCheckNum, cmbPayee, txtDollar, txtCent})
        field->installEventFilter(this);

    frmType = named(new QGroupBox(tr("Type")), "frmType");
    optWithdrawl = named(new QRadioButton(tr("Withdrawal")), "optWithdrawl");
    optDeposit = named(new QRadioButton(tr("Deposit")), "optDeposit");
    optNeither = named(new QRadioButton(tr("Neither")), "optNeither");
    optWithdrawl->setChecked(true);
    tabToChosenOption({optWithdrawl, optDeposit, optNeither});
    auto *types = new QHBoxLayout(frmType);
    types->addWidget(optWithdrawl);
    types->addWidget(optDeposit);
    types->addWidget(optNeither);

    cmdAdd = button("cmdAdd", tr("&Add"), tr("Add an entry"));
    cmdExit = button("cmdExit", tr("E&xit"), tr("Close program (remember to backup!)"));
    connect(cmdAdd, &QPushButton::clicked, this, &FrmMoney::cmdAdd_Click);
    connect(cmdExit, &QPushButton::clicked, this, &FrmMoney::cmdExit_Click);

    auto *grid = new QGridLayout(area);
    grid->addWidget(caption("Label2", tr("Month"), txtMonth), 0, 0);
    grid->addWidget(caption("Label3", tr("Day"), txtDay), 0, 1);
    grid->addWidget(caption("Label4", tr("Year"), txtYear), 0, 2);
    grid->addWidget(caption("Label5", tr("Check Number"), cmbCheckNum), 0, 3);
    grid->addWidget(caption("Label6", tr("Payee"), cmbPayee), 0, 4);
    grid->addWidget(txtMonth, 1, 0);
    grid->addWidget(txtDay, 1, 1);
    grid->addWidget(txtYear, 1, 2);
    grid->addWidget(cmbCheckNum, 1, 3);
    grid->addWidget(cmbPayee, 1, 4);

    auto *amountLabel = caption("Label7", tr("Amount"), txtDollar);
    grid->addWidget(amountLabel, 2, 0, 1, 2);
    grid->addLayout(amountRow(txtDollar, txtCent), 3, 0, 1, 3);
    grid->addWidget(frmType, 2, 3, 2, 2, Qt::AlignLeft | Qt::AlignVCenter);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdExit);
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(5, 1);
}

void FrmMoney::buildInfoFrame()
{
    frmInfo = named(new QGroupBox(tr("Information")), "frmInfo");
    lblE1 = caption("lblE1", tr("Account Total:"));
    lblTotal = caption("lblTotal", QString());
    lblTotal->setToolTip(tr("This is your account total"));
    lblE2 = caption("lblE2", tr("Number of Records:"));
    lblRecNum = caption("lblRecNum", QString());
    lblRecNum->setToolTip(tr("This is the number or entries you have"));
    lblWarning = caption("lblWarning", QString());
    lblWarning->installEventFilter(this);
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblRecNum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *grid = new QGridLayout(frmInfo);
    grid->addWidget(lblE1, 0, 0);
    grid->addWidget(lblTotal, 0, 1);
    grid->addWidget(lblE2, 1, 0);
    grid->addWidget(lblRecNum, 1, 1);
    grid->addWidget(lblWarning, 2, 0, 1, 2);
    // Room for the longest texts, each on one line, so the frame does not jump as they change.
    const QFontMetrics metrics(font());
    lblTotal->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("-$21,474,836.47")));
    lblWarning->setMinimumWidth(metrics.horizontalAdvance(nearLimitWarning()));
}

void FrmMoney::buildMenus()
{
    const auto item = [this](QMenu *menu, const char *name, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuBackup = item(mnuFile, "mnuBackup", tr("&Backup"));
    mnuRestore = item(mnuFile, "mnuRestore", tr("Res&tore"));
    mnuBackupFolder = item(mnuFile, "mnuBackupFolder", tr("Backup &Folder..."));
    // A status tip is gone once the pointer leaves the menu, so the folder shows as a tooltip
    // too.
    mnuFile->setToolTipsVisible(true);
    showBackupFolder();
    mnuPrint = item(mnuFile, "mnuPrint", tr("&Print"));
    mnuPrint->setShortcuts(QKeySequence::Print);
    mnuBalanceChart = item(mnuFile, "mnuBalanceChart", tr(BalanceChartMenuText));
    mnuBalanceChart->setStatusTip(tr("Show the balance over time and what each month came to"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    mnuNew = item(mnuFile, "mnuNew", tr("&New Record"));
    mnuCarryForward = item(mnuFile, "mnuCarryForward", tr("&Carry Forward..."));
    mnuCarryForward->setStatusTip(
        tr("Move the entries before a date to an archive and keep their balance"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuImport = item(mnuFile, "mnuImport", tr(ImportStatementMenuText));
    mnuImport->setStatusTip(
        tr("Read a bank statement, add what is new and check the balance against it"));
    mnuReconcile = item(mnuFile, "mnuReconcile", tr("&Reconcile..."));
    mnuReconcile->setStatusTip(
        tr("Balance the register against a bank statement, on paper or not"));
    mnuExport = item(mnuFile, "mnuExport", tr("&Export..."));
    mnuExport->setStatusTip(tr("Write the register to a CSV or QIF file"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep4"));
    mnuExit = item(mnuFile, "mnuExit", tr("E&xit"));
    mnuExit->setShortcuts(QKeySequence::Quit);

    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    // Named and enabled from the history ("Undo add 12/07/2026 GAS $5.00"); pressing one goes
    // through the document, which writes the step first.
    mnuUndo = item(mnuEdit, "mnuUndo", tr("&Undo"));
    mnuRedo = item(mnuEdit, "mnuRedo", tr("&Redo"));
    const QUndoStack *history = &m_document.history();
    for (auto changed : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(history, changed, this, &FrmMoney::updateHistoryActions);
    for (auto changed : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(history, changed, this, &FrmMoney::updateHistoryActions);
    updateHistoryActions();
    mnuUndo->setShortcuts(QKeySequence::Undo);
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuSep5"));
    mnuFind = item(mnuEdit, "mnuFind", tr("&Find..."));
    mnuFind->setShortcuts(QKeySequence::Find);
    mnuFind->setStatusTip(tr("Show the next entry with a check number or payee"));
    mnuFindNext = item(mnuEdit, "mnuFindNext", tr("Find &Next"));
    mnuFindNext->setShortcuts(QKeySequence::FindNext);
    mnuFindNext->setStatusTip(tr("Show the next entry for the same text"));
    mnuEdit->addSeparator()->setObjectName(QStringLiteral("mnuSep6"));
    mnuRecurring = item(mnuEdit, "mnuRecurring", tr("Re&curring Entries..."));
    mnuRecurring->setStatusTip(tr("Add, change or remove the entries that come back"));

    QMenu *mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContent = item(mnuHelp, "mnuContent", tr("&Content"));
    // F1 opens the handbook, which covers every command.
    QAction *mnuHandbook = item(mnuHelp, "mnuHandbook", tr("Tallyra &Handbook"));
    mnuHandbook->setShortcuts(QKeySequence::HelpContents);
    connect(mnuHandbook, &QAction::triggered, this, [this] { FrmHandbook::open(this); });
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    mnuAbout = item(mnuHelp, "mnuAbout", tr("&About"));

    connect(mnuPrint, &QAction::triggered, this, &FrmMoney::mnuPrint_Click);
    connect(mnuNew, &QAction::triggered, this, &FrmMoney::mnuNew_Click);
    connect(mnuImport, &QAction::triggered, this, &FrmMoney::mnuImport_Click);
    connect(mnuBalanceChart, &QAction::triggered, this, &FrmMoney::mnuBalanceChart_Click);
    connect(mnuReconcile, &QAction::triggered, this, &FrmMoney::mnuReconcile_Click);
    connect(mnuCarryForward, &QAction::triggered, this, &FrmMoney::mnuCarryForward_Click);
    connect(mnuUndo, &QAction::triggered, this, &FrmMoney::mnuUndo_Click);
    connect(mnuRedo, &QAction::triggered, this, &FrmMoney::mnuRedo_Click);
    connect(mnuBackup, &QAction::triggered, this, &FrmMoney::mnuBackup_Click);
    connect(mnuRestore, &QAction::triggered, this, &FrmMoney::mnuRestore_Click);
    connect(mnuBackupFolder, &QAction::triggered, this, &FrmMoney::mnuBackupFolder_Click);
    connect(mnuExport, &QAction::triggered, this, &FrmMoney::mnuExport_Click);
    connect(mnuExit, &QAction::triggered, this, &FrmMoney::mnuExit_Click);
    connect(mnuFind, &QAction::triggered, this, &FrmMoney::mnuFind_Click);
    connect(mnuFindNext, &QAction::triggered, this, &FrmMoney::mnuFindNext_Click);
    connect(mnuRecurring, &QAction::triggered, this, &FrmMoney::mnuRecurring_Click);
    connect(mnuContent, &QAction::triggered, this, &FrmMoney::mnuContent_Click);
    connect(mnuAbout, &QAction::triggered, this, &FrmMoney::mnuAbout_Click);
}

void FrmMoney::updateHistoryActions()
{
    const QUndoStack &history = m_document.history();
    const QString undo = history.undoText();
    const QString redo = history.redoText();
    //: %1 names the step, e.g. "add 05/05/2001 GAS $5.00"
    mnuUndo->setText(!undo.isEmpty() ? tr("&Undo %1").arg(undo) : tr("&Undo"));
    //: %1 names the step, e.g. "add 05/05/2001 GAS $5.00"
    mnuRedo->setText(!redo.isEmpty() ? tr("&Redo %1").arg(redo) : tr("&Redo"));
    mnuUndo->setEnabled(!m_document.readOnly() && history.canUndo());
    mnuRedo->setEnabled(!m_document.readOnly() && history.canRedo());
}

void FrmMoney::setTabOrder()
{
    QList<QWidget *> order = {txtMonth,  txtDay,  txtYear,      cmbCheckNum, cmbPayee,
                              txtDollar, txtCent, optWithdrawl, optDeposit,  optNeither,
                              cmdAdd,    cmdExit, lblWarning};
    order << m_list->tabStops();
    setTabChain(order);
}

bool FrmMoney::txtDollar_KeyPress(QChar typed)
{
    if (typed != QLatin1Char('.'))
        return false;
    txtCent->setFocus(Qt::TabFocusReason);
    return true;
}

bool FrmMoney::eventFilter(QObject *watched, QEvent *event)
{
    if (fieldLeavesHistoryKey(watched, event)) {
        event->ignore();
        return true;
    }
    if (watched == lblWarning && isClickOn(lblWarning, event))
        lblWarning_Click();
    if (watched == lblWarning && isPressOn(event)) {
        lblWarning_Click();
        return true;
    }
    // A label draws no focus of its own.
    if (watched == lblWarning &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        lblWarning->setFrameShape(lblWarning->hasFocus() ? QFrame::Box : QFrame::NoFrame);
    if (watched == txtDollar && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (typed.size() == 1 && txtDollar_KeyPress(typed.front()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// A main window has no default button, so Enter that no control took (in a field, on an
// option or on the scroll bar) is routed here and presses Add, as a dialog's default button
// would be pressed. A focused push button takes Enter itself (see autoDefault).
void FrmMoney::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdAdd->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void FrmMoney::resetEntryFields()
{
    const QDate today = m_platform.clock.today();
    txtYear->setEditText(QString::number(today.year()));
    txtDay->setEditText(QString::number(today.day()));
    txtMonth->setEditText(QString::number(today.month()));
    clearEntryExceptDate();
}

EntryFields FrmMoney::entryFields() const
{
    return EntryFields{txtYear, txtMonth,     txtDay,     cmbCheckNum, cmbPayee,       txtDollar,
                       txtCent, optWithdrawl, optDeposit, optNeither,  MainYearMessage};
}

void FrmMoney::readyForNextEntry()
{
    clearEntryExceptDate();
    txtMonth->setFocus();
}

// The date stays for the next entry; everything else returns to its default.
void FrmMoney::clearEntryExceptDate()
{
    optWithdrawl->setChecked(true);
    cmbCheckNum->setEditText(QStringLiteral("ATM"));
    cmbPayee->setEditText(QString());
    txtDollar->setEditText(QStringLiteral("0"));
    txtCent->setEditText(QStringLiteral("00"));
    // Setting a text forgets the typing before it, so that Ctrl+Z in the date fields now
    // undoes the change of the register rather than typing that went into it.
    for (QComboBox *date : {txtMonth, txtDay, txtYear})
        date->setEditText(date->currentText());
}

} // namespace tallyra
