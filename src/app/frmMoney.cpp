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
#include "export/RegisterExport.h"
#include "help/HelpTopics.h"
#include "help/SupportAddresses.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "platform/Controls.h"
#include "platform/UserFolders.h"
#include "register/DataFile.h"
#include "register/FileStore.h"
#include "register/FindEntry.h"
#include "report/frmPrint.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tallyra {

namespace {

// How long a word in the status bar stays.
constexpr int StatusMilliseconds = 10000;

// A field keeps Ctrl+Z for its own typing; with nothing typed to undo (or redo) there, the
// keys undo (or redo) the last change of the register instead.
bool leavesHistoryKeyToRegister(QObject *watched, QEvent *event)
{
    const auto *combo = qobject_cast<QComboBox *>(watched);
    const QLineEdit *field = combo ? combo->lineEdit() : nullptr;
    if (!field || event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(key->keyCombination());
    if (key->matches(QKeySequence::Undo))
        return !field->isUndoAvailable();
    const bool redo = key->matches(QKeySequence::Redo) ||
                      pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
                      pressed == QKeySequence(Qt::CTRL | Qt::Key_Y);
    return redo && !field->isRedoAvailable();
}

} // namespace

FrmMoney::FrmMoney(RegisterDocument &document, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_document(document), m_book(document.book()), m_platform(platform)
{
    setObjectName(QStringLiteral("frmMoney"));

    auto *central = new QWidget;
    auto *top = new QHBoxLayout;
    auto *entryArea = new QWidget;
    buildEntryArea(entryArea);
    buildInfoFrame();
    top->addWidget(entryArea, 1);
    top->addWidget(frmInfo, 0, Qt::AlignTop);

    m_list = new RegisterListView(m_book);
    connect(m_list, &RegisterListView::linePressed, this, &FrmMoney::openEditor);

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
    lblRoom = new QLabel;
    lblRoom->setObjectName(QStringLiteral("lblRoom"));
    statusBar()->addPermanentWidget(lblRoom);

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
    setWindowTitle(QStringLiteral("Tallyra v") + QLatin1String(VersionText));
    frmInfo->setToolTip(QStringLiteral("Visit ") + SupportWeb + QStringLiteral(" for updates."));
    lblE1->setToolTip(QStringLiteral("Email questions to ") + SupportMail);
    lblE2->setToolTip(QStringLiteral("Email questions to ") + SupportMail);
    resetEntryFields();
    updateStatus();
    m_list->showList();
}

void FrmMoney::lockRegister()
{
    const std::optional<LockHolder> holder = m_document.lock();
    if (const QStringList &kept = m_document.unfinishedSavesKept(); !kept.isEmpty())
        tell(QStringLiteral("A save cut short left a copy, kept as %1")
                 .arg(QFileInfo(kept.constFirst()).fileName()));
    if (!holder)
        return;
    if (!askOpenReadOnly(m_platform.prompter, this, m_document.path(), *holder)) {
        m_platform.programEnd.endProgram();
        return;
    }
    showReadOnly(*holder);
}

void FrmMoney::showReadOnly(const LockHolder &holder)
{
    setWindowTitle(QStringLiteral("Tallyra v") + QLatin1String(VersionText) +
                   QStringLiteral(" (Read-Only)"));
    m_document.setReadOnly(true);
    for (QAction *change : {mnuNew, mnuCarryForward, mnuImport, mnuRestore, mnuUndo, mnuRedo})
        change->setEnabled(false);
    // The history's own signals would enable them again.
    disconnect(&m_document.history(), nullptr, mnuUndo, nullptr);
    disconnect(&m_document.history(), nullptr, mnuRedo, nullptr);
    cmdAdd->setEnabled(false);
    statusBar()->showMessage(
        QStringLiteral("Read-only: held by process %1 on %2").arg(holder.pid).arg(holder.host));
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
    setTextColour(lblWarning, texts.nearLimit);
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
        m_platform.prompter.message(this, QMessageBox::Information, QStringLiteral("Nothing To Do"),
                                    QStringLiteral("There is nothing to edit."));
        return;
    }
    const QString entry = entryDescription(m_book.slot[slot]);
    FrmEdit window(m_book, slot, m_platform, this);
    window.exec();
    if (const Checkbook *changed = window.changedRegister()) {
        if (window.outcome() == EditOutcome::Removed)
            commit(*changed, QStringLiteral("remove ") + entry, QStringLiteral("Removed ") + entry);
        else
            commit(*changed, QStringLiteral("change ") + entry, QStringLiteral("Changed ") + entry);
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
        m_platform.prompter.message(this, QMessageBox::Critical, QStringLiteral("Register Full"),
                                    QStringLiteral("You Have reached the maximum allowed records."
                                                   "\r\nYou must backup then make a new record."));
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
    if (commit(*after, QStringLiteral("add ") + entry, QStringLiteral("Added ") + entry))
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
    const auto answer = m_platform.prompter.message(
        this, QMessageBox::Question, QStringLiteral("Are You Sure"),
        QStringLiteral("Doing this will delete your current register.\r\n"
                       "Do you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    const auto empty = std::make_unique<Checkbook>();
    if (commit(*empty, QStringLiteral("new record"), QStringLiteral("New record started"),
               QStringLiteral("before-new")))
        resetEntryFields();
}

void FrmMoney::mnuBalanceChart_Click()
{
    if (!m_chart) {
        m_chart = new FrmChart(m_document, m_platform, this);
        m_chart->setAttribute(Qt::WA_DeleteOnClose);
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

void FrmMoney::mnuUndo_Click()
{
    const QString what = m_document.history().undoText();
    if (reportChange(m_platform.prompter, this, m_document.undo()))
        tell(QStringLiteral("Undone: ") + what);
}

void FrmMoney::mnuRedo_Click()
{
    const QString what = m_document.history().redoText();
    if (reportChange(m_platform.prompter, this, m_document.redo()))
        tell(QStringLiteral("Redone: ") + what);
}

// Every change of the register ends here: written at once as one step of the history.
bool FrmMoney::commit(const Checkbook &after, const QString &what, const QString &done,
                      const QString &keepSuffix)
{
    const ChangeResult result = m_document.replace(after, what, keepSuffix);
    if (result.status == ChangeResult::Status::Reloaded)
        tell(QStringLiteral("Reloaded: changed by another program; your change is kept as %1")
                 .arg(QFileInfo(result.keptCopy).fileName()));
    if (!reportChange(m_platform.prompter, this, result))
        return false;
    if (result.kept == ChangeResult::Kept::OtherVersion)
        tell(QStringLiteral("%1; the other program's version is kept as %2")
                 .arg(done, QFileInfo(result.keptCopy).fileName()));
    else if (result.kept == ChangeResult::Kept::LinesPastCount)
        tell(QStringLiteral("%1; the file as it was is kept as %2")
                 .arg(done, QFileInfo(result.keptCopy).fileName()));
    else
        tell(done);
    return true;
}

void FrmMoney::tell(const QString &what)
{
    statusBar()->showMessage(what, StatusMilliseconds);
}

// The file and the display follow every change, undo and reload alike.
void FrmMoney::register_Changed()
{
    updateStatus();
    mergePayees();
    m_list->scrollToEnd();
    m_list->showList();
}

// Another program wrote the data file while this one sat idle: show what is there now. A
// window open over this one may be working on the register, so the reload waits for it.
void FrmMoney::register_ChangedOnDisk()
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(500, this, &FrmMoney::register_ChangedOnDisk);
        return;
    }
    if (!m_document.changedOnDisk())
        return;
    QString reason;
    if (m_document.reloadFromDisk(&reason) == RegisterDocument::LoadResult::Loaded) {
        tell(QStringLiteral("Reloaded: changed by another program; the undo history is cleared"));
        return;
    }
    // What the window showed last is on no disk now: keep it before the file's usual handling.
    const std::optional<QString> kept =
        keepBytes(m_document.path() + QStringLiteral(".last-shown"), formatDataFile(m_book));
    if (kept)
        tell(QStringLiteral("The register as last shown is kept as %1")
                 .arg(QFileInfo(*kept).fileName()));
    if (loadRegister())
        register_Changed();
}

void FrmMoney::mnuBackup_Click()
{
    if (const std::optional<QString> made = backupRegister(m_platform, this))
        tell(backupMadeMessage(m_platform.drive, *made));
}

void FrmMoney::mnuRestore_Click()
{
    std::optional<RestoredBackup> restored = chooseBackupToRestore(m_platform, this);
    if (!restored ||
        !commit(*restored->book, QStringLiteral("restore ") + restored->fileName,
                QStringLiteral("Restored ") + restored->fileName, QStringLiteral("before-restore")))
        return;
    m_platform.prompter.message(this, QMessageBox::Information, QStringLiteral("All Was Good"),
                                QStringLiteral("The restore was successful"));
    resetEntryFields();
}

void FrmMoney::mnuBackupFolder_Click()
{
    const std::optional<QString> folder = m_platform.prompter.askFolder(
        this, QStringLiteral("Backup Folder"), m_platform.drive.root());
    if (!folder)
        return;
    m_platform.drive.setRoot(*folder);
    showBackupFolder();
    if (const std::optional<QString> why = m_platform.settings.setBackupFolder(*folder))
        m_platform.prompter.message(
            this, QMessageBox::Warning, QStringLiteral("FOLDER NOT REMEMBERED"),
            QStringLiteral("Backups go to %1 until Tallyra ends, but the choice could not be "
                           "remembered for the next start: %2.")
                .arg(QDir::toNativeSeparators(*folder), *why));
}

void FrmMoney::showBackupFolder()
{
    const QString tip = QStringLiteral("Backups go to %1").arg(m_platform.drive.root());
    mnuBackupFolder->setStatusTip(tip);
    mnuBackupFolder->setToolTip(tip);
    mnuBackup->setStatusTip(backupCommandTip(m_platform.drive));
    mnuBackup->setToolTip(mnuBackup->statusTip());
}

void FrmMoney::mnuPrint_Click()
{
    FrmPrint window(m_book, m_platform, this);
    window.exec();
    if (const QString sent = window.reportSentAs(); !sent.isEmpty())
        tell(sent);
}

void FrmMoney::mnuExport_Click()
{
    const QString suggested =
        QDir(documentsFolder())
            .filePath(defaultExportName(m_platform.clock.today(), ExportFormat::Csv));
    QString filter;
    const std::optional<QString> chosen = m_platform.prompter.askSaveFile(
        this, QStringLiteral("Export"), suggested, exportFilters(), &filter);
    if (!chosen)
        return;
    const ExportTarget target = exportTarget(*chosen, filter);
    const ExportResult result = exportRegister(m_book, target.format, target.path);
    m_platform.prompter.message(this, result.ok ? QMessageBox::Information : QMessageBox::Warning,
                                QStringLiteral("Export"), exportResultText(result));
}

// The search starts after the line the user is on, or, from anywhere else, at the top of
// what the list shows: both are in sight, where a slot remembered from an earlier search
// would not be once the user has scrolled or edited.
void FrmMoney::mnuFind_Click()
{
    const int after = m_list->focusedSlot().value_or(m_list->firstShown() - 1);
    const QString text = m_platform.prompter
                             .askText(this, QStringLiteral("Find"),
                                      QStringLiteral("Find the check number or payee containing:"))
                             .value_or(QString());
    if (text.isEmpty())
        return;
    m_findText = text;
    findFrom(after);
}

void FrmMoney::mnuFindNext_Click()
{
    if (m_findText.isEmpty()) {
        mnuFind_Click();
        return;
    }
    findFrom(m_list->focusedSlot().value_or(m_list->firstShown() - 1));
}

void FrmMoney::findFrom(int afterSlot)
{
    const std::optional<int> found = findNextEntry(m_book, m_findText, afterSlot);
    if (!found) {
        m_platform.prompter.message(this, QMessageBox::Information, QStringLiteral("Find"),
                                    QStringLiteral("\"%1\" was not found.").arg(m_findText));
        return;
    }
    m_list->showSlot(*found);
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
    if (leavesHistoryKeyToRegister(watched, event)) {
        event->ignore();
        return true;
    }
    if (watched == lblWarning && isClickOn(lblWarning, event))
        lblWarning_Click();
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
