// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMoney.h"

#include "app/RegisterBoxes.h"
#include "app/RegisterStatus.h"
#include "backup/BackupCommands.h"
#include "backup/BackupCopy.h"
#include "carryforward/frmCarryForward.h"
#include "chart/frmChart.h"
#include "edit/frmEdit.h"
#include "entry/ChangeBoxes.h"
#include "entry/MoneyFormat.h"
#include "export/ExportCommand.h"
#include "help/HelpTopics.h"
#include "help/SupportAddresses.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "platform/Controls.h"
#include "reconcile/frmReconcile.h"
#include "recurring/DueCheck.h"
#include "recurring/frmRecurring.h"
#include "report/frmPrint.h"
#include "statement/StatementImport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace tallyra {

namespace {

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

// How long a word in the status bar stays.
constexpr int StatusMilliseconds = 10000;

// How soon the due entries are looked for again when another window was at work.
constexpr int DueRetryMilliseconds = 2000;

} // namespace

FrmMoney::FrmMoney(RegisterDocument &document, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_document(document), m_book(document.book()), m_platform(platform)
{
    setObjectName(QStringLiteral("frmMoney"));

    buildWindow();
    m_dayWatch = new DayWatch(m_platform.clock, this);
    m_dayWatch->setObjectName(QStringLiteral("dayWatch"));
    connect(m_dayWatch, &DayWatch::dateChanged, this, &FrmMoney::dayWatch_DateChange);
    m_find = std::make_unique<FindCommand>(m_book, *m_list, m_platform.prompter);

    // The size and place the window had when the program last ended.
    restoreGeometry(m_platform.settings.mainWindowGeometry());
    connect(qApp, &QCoreApplication::aboutToQuit, this,
            [this] { m_platform.settings.setMainWindowGeometry(saveGeometry()); });

    askAboutOutsideChanges(m_document, m_platform.prompter, this);
    connect(&m_document, &RegisterDocument::registerChanged, this, &FrmMoney::register_Changed);
    connect(&m_document, &RegisterDocument::fileChangedOnDisk, this,
            &FrmMoney::register_ChangedOnDisk);
}

void FrmMoney::Form_Load()
{
    if (!loadRegister())
        return;
    // Once the window is up: a second copy of the program learns who holds the register then.
    if (!std::exchange(m_lockTried, true))
        QTimer::singleShot(0, this, &FrmMoney::lockRegister);
    setWindowTitle(tr("Tallyra v%1").arg(QLatin1String(VersionText)));
    frmInfo->setToolTip(tr("Visit %1 for updates.").arg(SupportWeb));
    lblE1->setToolTip(tr("Email questions to %1").arg(SupportMail));
    lblE2->setToolTip(lblE1->toolTip());
    resetEntryFields();
    updateStatus();
    m_list->showList();
    showCompanionNotice();
}

// The cleared marks that could not be read stay on the status bar until the next word.
void FrmMoney::showCompanionNotice()
{
    if (!m_document.companionNotice().isEmpty())
        statusBar()->showMessage(m_document.companionNotice());
}

void FrmMoney::lockRegister()
{
    const std::optional<LockHolder> holder = m_document.lock();
    if (const QStringList &kept = m_document.unfinishedSavesKept(); !kept.isEmpty())
        tell(tr("A save cut short left a copy, kept as %1")
                 .arg(QFileInfo(kept.constFirst()).fileName()));
    if (holder) {
        if (!askOpenReadOnly(m_platform.prompter, this, m_document.path(), *holder)) {
            m_platform.programEnd.endProgram();
            return;
        }
        showReadOnly(*holder);
    }
    QTimer::singleShot(0, this, &FrmMoney::checkDueEntries);
}

void FrmMoney::checkDueEntries()
{
    // Not over another window at work: asked once that one is closed.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(DueRetryMilliseconds, this, &FrmMoney::checkDueEntries);
        return;
    }
    const QDate today = m_platform.clock.today();
    if (std::exchange(m_dueCheckedOn, today) == today)
        return;
    const DueCheck check = askAboutDueEntries(m_document, m_platform, this, today);
    if (!check.said.isEmpty())
        tell(check.said);
}

void FrmMoney::showReadOnly(const LockHolder &holder)
{
    setWindowTitle(tr("Tallyra v%1 (Read-Only)").arg(QLatin1String(VersionText)));
    m_document.setReadOnly(true);
    for (QAction *change : {mnuNew, mnuCarryForward, mnuImport, mnuReconcile, mnuRestore})
        change->setEnabled(false);
    updateHistoryActions();
    cmdAdd->setEnabled(false);
    statusBar()->showMessage(
        tr("Read-only: held by process %1 on %2").arg(holder.pid).arg(holder.host));
}

void FrmMoney::resetEntryFields()
{
    const QDate today = m_platform.clock.today();
    txtYear->setEditText(QString::number(today.year()));
    txtDay->setEditText(QString::number(today.day()));
    txtMonth->setEditText(QString::number(today.month()));
    clearEntryExceptDate();
}

void FrmMoney::updateStatus()
{
    const StatusTexts texts = statusTexts(m_book);
    lblTotal->setText(texts.total);
    setTextColour(lblTotal, texts.totalNegative);
    lblRecNum->setText(texts.recordCount);
    lblWarning->setText(texts.versionOrWarning);
    lblRoom->setText(nearLimitStatus(m_book));
    lblCleared->setText(clearedStatus(m_book, !m_document.companion().reconciled.isEmpty()));
    const QString ahead = aheadStatus(
        projectBalance(m_book, m_document.companion().schedules, m_platform.clock.today()));
    lblAhead->setText(ahead);
    lblAhead->setVisible(!ahead.isEmpty());
    setTextColour(lblWarning, texts.nearLimit);
    // The warning's help is a Tab stop while there is a warning to explain.
    if (!texts.nearLimit && lblWarning->hasFocus())
        focusNextChild();
    lblWarning->setFocusPolicy(texts.nearLimit ? Qt::StrongFocus : Qt::NoFocus);
    lblWarning->setAccessibleDescription(
        texts.nearLimit ? tr("Press Enter for help on the register file") : QString());
}

bool FrmMoney::loadRegister()
{
    for (;;) {
        const RegisterDocument::LoadResult loaded = m_document.load();
        if (loaded == RegisterDocument::LoadResult::Loaded)
            break;
        if (!startNewAfterFailedLoad(m_document, m_platform, this,
                                     loaded == RegisterDocument::LoadResult::Unreadable))
            return false;
    }
    mergePayees();
    m_list->scrollToEnd();
    return true;
}

void FrmMoney::mergePayees()
{
    for (const PayeeRun &run : m_payees.addPayeesOf(m_book))
        cmbPayee->insertItems(int(run.at), run.payees);
}

void FrmMoney::openEditor(int offset)
{
    const int slot = m_list->firstShown() + offset;
    if (slot > m_book.entryCount) {
        tellNothingToEdit(m_platform.prompter, this);
        return;
    }
    const QString entry = entryDescription(m_book.slot[slot]);
    FrmEdit window(m_document, slot, m_platform, this);
    window.exec();
    if (const Checkbook *changed = window.changedRegister()) {
        // The first text of each pair names the step in Edit > Undo and Redo.
        if (window.outcome() == EditOutcome::Removed)
            //: An undo step, shown as "Undo remove 05/03/2001 E1 $1.00"
            commit(*changed, tr("remove %1").arg(entry), tr("Removed %1").arg(entry));
        else
            //: An undo step, shown as "Undo change 05/03/2001 E1 $1.00"
            commit(*changed, tr("change %1").arg(entry), tr("Changed %1").arg(entry));
    }
    clearEntryExceptDate();
}

EntryFields FrmMoney::entryFields() const
{
    return EntryFields{txtYear, txtMonth,     txtDay,     cmbCheckNum, cmbPayee,       txtDollar,
                       txtCent, optWithdrawl, optDeposit, optNeither,  MainYearMessage};
}

void FrmMoney::cmdAdd_Click()
{
    if (m_book.entryCount >= MaxEntries) {
        tellRegisterFull(m_platform.prompter, this);
        return;
    }
    const EntryFields fields = entryFields();
    if (!validateEntryFields(fields, m_platform.prompter) ||
        !confirmEntry(fields, AddingHeading, m_platform.prompter))
        return;
    const auto after = std::make_unique<Checkbook>(m_book);
    const std::optional<int> slot = placeEntry(*after, entryTexts(fields), selectedType(fields));
    if (!slot)
        return;
    const QString entry = entryDescription(after->slot[*slot]);
    // A change not saved leaves the fields as typed, to try again.
    //: An undo step, shown as "Undo add 05/05/2001 GAS $5.00"
    if (commit(*after, tr("add %1").arg(entry), tr("Added %1").arg(entry)))
        readyForNextEntry();
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

void FrmMoney::mnuNew_Click()
{
    if (!askDeleteRegister(m_platform.prompter, this))
        return;
    const auto empty = std::make_unique<Checkbook>();
    //: An undo step, shown as "Undo new record"
    if (commit(*empty, tr("new record"), tr("New record started"), QStringLiteral("before-new")))
        resetEntryFields();
}

void FrmMoney::mnuBalanceChart_Click()
{
    if (!m_chart) {
        auto *chart = new FrmChart(m_document, m_platform, this);
        chart->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_dayWatch, &DayWatch::dateChanged, chart, &FrmChart::refresh);
        m_chart = chart;
    }
    m_chart->show();
    m_chart->raise();
    m_chart->activateWindow();
}

void FrmMoney::mnuCarryForward_Click()
{
    FrmCarryForward window(m_document, m_platform, this);
    window.exec();
}

void FrmMoney::mnuReconcile_Click()
{
    // Later with nothing new changes nothing, and has nothing to tell.
    const int before = m_document.history().index();
    FrmReconcile window(m_document, m_platform, this);
    if (window.exec() == QDialog::Accepted && m_document.history().index() != before)
        tell(tr("Done: %1").arg(m_document.history().undoText()));
}

void FrmMoney::mnuImport_Click()
{
    const int before = m_document.history().index();
    openStatementImport(m_document, m_platform, this);
    if (m_document.history().index() != before)
        tell(tr("Done: %1").arg(m_document.history().undoText()));
}

void FrmMoney::mnuRecurring_Click()
{
    if (!m_recurring) {
        auto *window = new FrmRecurring(m_document, m_platform, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        connect(window, &FrmRecurring::told, this, &FrmMoney::tell);
        // A schedule whose next date has come is due as soon as the window is closed.
        connect(window, &QObject::destroyed, this, [this] {
            m_dueCheckedOn = QDate();
            QTimer::singleShot(0, this, &FrmMoney::checkDueEntries);
        });
        m_recurring = window;
    }
    m_recurring->show();
    m_recurring->raise();
    m_recurring->activateWindow();
}

// What can be done with the entry on a line; an empty line offers nothing.
void FrmMoney::showLineMenu(int offset, QPoint at)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuLine"));
    QAction *repeat = menu.addAction(tr("&Repeat This Entry..."));
    repeat->setObjectName(QStringLiteral("mnuRepeatEntry"));
    repeat->setEnabled(m_list->firstShown() + offset <= m_book.entryCount &&
                       !m_document.readOnly());
    if (menu.exec(at) == repeat)
        repeatEntry(offset);
}

void FrmMoney::repeatEntry(int offset)
{
    const int slot = m_list->firstShown() + offset;
    if (slot > m_book.entryCount || m_document.readOnly())
        return;
    const Entry &entry = m_book.slot[slot];
    if (entry.withdrawalCents == 0 && entry.depositCents == 0) {
        m_platform.prompter.message(
            this, QMessageBox::Information, tr("Nothing to Repeat"),
            tr("This entry has no amount, so there is nothing to enter again."));
        return;
    }
    FrmSchedule window(tr("Repeat This Entry"), repeatOf(entry), m_platform, this);
    if (window.exec() != QDialog::Accepted)
        return;
    Companion after = m_document.companion();
    after.schedules.append(window.schedule());
    const QString payee = window.schedule().payee;
    //: An undo step, shown as "Undo add recurring RENT"
    commit(m_book, after, tr("add recurring %1").arg(payee), tr("Added recurring %1").arg(payee),
           QString());
}

void FrmMoney::mnuUndo_Click()
{
    const QString what = m_document.history().undoText();
    if (reportChange(m_platform.prompter, this, m_document.undo()))
        tell(tr("Undone: %1").arg(what));
}

void FrmMoney::mnuRedo_Click()
{
    const QString what = m_document.history().redoText();
    if (reportChange(m_platform.prompter, this, m_document.redo()))
        tell(tr("Redone: %1").arg(what));
}

// Every change of the register ends here: written at once as one step of the history.
bool FrmMoney::commit(const Checkbook &after, const QString &what, const QString &done,
                      const QString &keepSuffix)
{
    return commit(after, m_document.companion(), what, done, keepSuffix);
}

bool FrmMoney::commit(const Checkbook &after, const Companion &companionAfter, const QString &what,
                      const QString &done, const QString &keepSuffix)
{
    const ChangeResult result = m_document.replace(after, companionAfter, what, keepSuffix);
    if (result.status == ChangeResult::Status::Reloaded)
        tell(reloadedInsteadText(result));
    if (!reportChange(m_platform.prompter, this, result))
        return false;
    tell(changeDoneText(result, done));
    return true;
}

void FrmMoney::tell(const QString &what)
{
    statusBar()->showMessage(what, StatusMilliseconds);
    // A screen reader speaks what changes on the control it is at, and Qt has no other way to
    // announce: the control with the focus, once the change has settled it, describes the
    // result until the focus moves on.
    QTimer::singleShot(0, this, [this, what] {
        QWidget *focus = focusWidget();
        if (!focus)
            return;
        if (m_told && m_told != focus)
            m_told->setAccessibleDescription(QString());
        m_told = focus;
        focus->setAccessibleDescription(what);
    });
}

// The file and the display follow every change, undo and reload alike.
void FrmMoney::register_Changed()
{
    updateStatus();
    mergePayees();
    m_list->scrollToEnd();
    m_list->showList();
}

// The balance ahead starts from the new today, and what has come due since is asked about.
void FrmMoney::dayWatch_DateChange()
{
    updateStatus();
    checkDueEntries();
}

// Another program wrote the data file while this one sat idle: show what is there now. A
// window open over this one may be working on the register, so the reload waits for it.
void FrmMoney::register_ChangedOnDisk()
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(500, this, &FrmMoney::register_ChangedOnDisk);
        return;
    }
    using Result = RegisterDocument::OutsideReload::Result;
    const RegisterDocument::OutsideReload reload = m_document.takeOutsideChange();
    if (reload.result == Result::Reloaded) {
        tell(tr("Reloaded: changed by another program; the undo history is cleared"));
        showCompanionNotice();
    }
    if (reload.result != Result::Unreadable)
        return;
    // Then the file's usual handling: the missing-file question, a copy of what is unreadable.
    if (reload.lastShownKept)
        tell(tr("The register as last shown is kept as %1")
                 .arg(QFileInfo(*reload.lastShownKept).fileName()));
    if (loadRegister())
        register_Changed();
}

void FrmMoney::mnuBackup_Click()
{
    if (const std::optional<QString> made = backupRegister(m_document, m_platform, this))
        tell(backupMadeMessage(m_platform.drive, *made));
}

void FrmMoney::mnuRestore_Click()
{
    std::optional<RestoredBackup> restored = chooseBackupToRestore(m_platform, this);
    if (!restored || !commit(*restored->book, restored->companion,
                             //: An undo step, shown after "Undo" with the name of the backup file
                             tr("restore %1").arg(restored->fileName),
                             backupRestoredMessage(restored->fileName, restored->marksLost),
                             QStringLiteral("before-restore")))
        return;
    m_platform.prompter.message(this, QMessageBox::Information, tr("All Was Good"),
                                tr("The restore was successful"));
    resetEntryFields();
}

void FrmMoney::mnuBackupFolder_Click()
{
    if (chooseBackupFolder(m_platform, this))
        showBackupFolder();
}

void FrmMoney::showBackupFolder()
{
    const QString tip = tr("Backups go to %1").arg(m_platform.drive.root());
    mnuBackupFolder->setStatusTip(tip);
    mnuBackupFolder->setToolTip(tip);
    mnuBackup->setStatusTip(backupCommandTip(m_platform.drive));
    mnuBackup->setToolTip(mnuBackup->statusTip());
}

void FrmMoney::mnuPrint_Click()
{
    FrmPrint window(m_document, m_platform, this);
    window.exec();
    if (const QString sent = window.reportSentAs(); !sent.isEmpty())
        tell(sent);
}

void FrmMoney::mnuExport_Click()
{
    exportCommand(m_book, m_platform, this);
}

void FrmMoney::mnuFind_Click()
{
    m_find->find(this);
}

void FrmMoney::mnuFindNext_Click()
{
    m_find->findNext(this);
}

void FrmMoney::cmdExit_Click()
{
    m_platform.programEnd.endProgram();
}

void FrmMoney::mnuExit_Click()
{
    m_platform.programEnd.endProgram();
}

void FrmMoney::mnuContent_Click()
{
    FrmHelp window(m_platform, this);
    window.exec();
}

void FrmMoney::mnuAbout_Click()
{
    FrmAbout window(this);
    window.exec();
}

void FrmMoney::lblWarning_Click()
{
    FrmDefaultHelp window(this);
    window.exec();
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

} // namespace tallyra
