// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMoney.h"

#include "app/RegisterBoxes.h"
#include "app/RegisterStatus.h"
#include "backup/BackupCommands.h"
#include "backup/BackupCopy.h"
#include "carryforward/frmCarryForward.h"
#include "chart/frmChart.h"
#include "edit/EditCommand.h"
#include "entry/AddEntry.h"
#include "export/ExportCommand.h"
#include "help/HelpTopics.h"
#include "help/SupportAddresses.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "platform/Controls.h"
#include "reconcile/frmReconcile.h"
#include "recurring/RepeatEntry.h"
#include "recurring/frmRecurring.h"
#include "report/frmPrint.h"
#include "statement/StatementImport.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace tallyra {

FrmMoney::FrmMoney(RegisterDocument &document, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_document(document), m_book(document.book()), m_platform(platform)
{
    setObjectName(QStringLiteral("frmMoney"));

    buildWindow();
    m_dayWatch = new DayWatch(m_platform.clock, this);
    m_dayWatch->setObjectName(QStringLiteral("dayWatch"));
    connect(m_dayWatch, &DayWatch::dateChanged, this, &FrmMoney::dayWatch_DateChange);
    m_due = new DueAsker(m_document, m_platform, this);
    connect(m_due, &DueAsker::told, this, &FrmMoney::tell);
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
    QTimer::singleShot(0, m_due, &DueAsker::ask);
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
    told(editEntryCommand(m_document, slot, m_platform, this));
    clearEntryExceptDate();
}

void FrmMoney::cmdAdd_Click()
{
    if (m_book.entryCount >= MaxEntries) {
        tellRegisterFull(m_platform.prompter, this);
        return;
    }
    // A change not saved leaves the fields as typed, to try again.
    if (told(addEntryCommand(m_document, entryFields(), m_platform.prompter, this)))
        readyForNextEntry();
}

void FrmMoney::mnuNew_Click()
{
    if (!askDeleteRegister(m_platform.prompter, this))
        return;
    const auto empty = std::make_unique<Checkbook>();
    //: An undo step, shown as "Undo new record"
    if (told(commitChange(m_document, m_platform.prompter, this, *empty, m_document.companion(),
                          tr("new record"), tr("New record started"),
                          QStringLiteral("before-new"))))
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
    bringToFront(m_chart);
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
    if (window.exec() == QDialog::Accepted)
        tellDoneSince(before);
}

void FrmMoney::mnuImport_Click()
{
    const int before = m_document.history().index();
    openStatementImport(m_document, m_platform, this);
    tellDoneSince(before);
}

// A window that saves its own changes: the last of them, if it made any, is told.
void FrmMoney::tellDoneSince(int historyIndex)
{
    if (m_document.history().index() != historyIndex)
        tell(tr("Done: %1").arg(m_document.history().undoText()));
}

void FrmMoney::mnuRecurring_Click()
{
    if (!m_recurring) {
        auto *window = new FrmRecurring(m_document, m_platform, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        connect(window, &FrmRecurring::told, this, &FrmMoney::tell);
        // A schedule whose next date has come is due as soon as the window is closed.
        connect(window, &QObject::destroyed, m_due, &DueAsker::askAgain);
        m_recurring = window;
    }
    bringToFront(m_recurring);
}

// What can be done with the entry on a line; an empty line offers nothing.
void FrmMoney::showLineMenu(int offset, QPoint at)
{
    const bool filled = m_list->firstShown() + offset <= m_book.entryCount;
    if (askRepeatFromLineMenu(this, at, filled && !m_document.readOnly()))
        repeatEntry(offset);
}

void FrmMoney::repeatEntry(int offset)
{
    const int slot = m_list->firstShown() + offset;
    if (slot <= m_book.entryCount && !m_document.readOnly())
        told(repeatEntryCommand(m_document, m_book.slot[slot], m_platform, this));
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

bool FrmMoney::told(const Committed &committed)
{
    for (const QString &word : committed.told)
        tell(word);
    return committed.saved;
}

void FrmMoney::tell(const QString &what)
{
    m_teller->tell(what);
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
    m_due->ask();
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
    if (told(restoreBackupCommand(m_document, m_platform, this)))
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

} // namespace tallyra
