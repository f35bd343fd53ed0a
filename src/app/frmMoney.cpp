// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMoney.h"

#include "app/RegisterStatus.h"
#include "backup/BackupCopy.h"
#include "backup/DriveFailureBoxes.h"
#include "backup/frmFileOpen.h"
#include "edit/frmEdit.h"
#include "entry/PayeeField.h"
#include "export/RegisterExport.h"
#include "help/HelpTopics.h"
#include "help/SupportAddresses.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "platform/Controls.h"
#include "platform/ElidingLabel.h"
#include "platform/UserFolders.h"
#include "register/DataFile.h"
#include "register/FileStore.h"
#include "register/FindEntry.h"
#include "report/frmPrint.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

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

} // namespace

FrmMoney::FrmMoney(Checkbook &book, Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_book(book), m_platform(platform)
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
    txtCent->setAccessibleName(QStringLiteral("Cents"));
    // The combo box, not its line edit, receives the keys, so that is where they are seen.
    txtDollar->installEventFilter(this);

    frmType = named(new QGroupBox(QStringLiteral("Type")), "frmType");
    optWithdrawl = named(new QRadioButton(QStringLiteral("Withdrawal")), "optWithdrawl");
    optDeposit = named(new QRadioButton(QStringLiteral("Deposit")), "optDeposit");
    optNeither = named(new QRadioButton(QStringLiteral("Neither")), "optNeither");
    optWithdrawl->setChecked(true);
    tabToChosenOption({optWithdrawl, optDeposit, optNeither});
    auto *types = new QHBoxLayout(frmType);
    types->addWidget(optWithdrawl);
    types->addWidget(optDeposit);
    types->addWidget(optNeither);

    cmdAdd = button("cmdAdd", QStringLiteral("&Add"), QStringLiteral("Add an entry"));
    cmdExit = button("cmdExit", QStringLiteral("E&xit"),
                     QStringLiteral("Close program (remember to backup!)"));
    connect(cmdAdd, &QPushButton::clicked, this, &FrmMoney::cmdAdd_Click);
    connect(cmdExit, &QPushButton::clicked, this, &FrmMoney::cmdExit_Click);

    auto *grid = new QGridLayout(area);
    grid->addWidget(caption("Label2", QStringLiteral("Month"), txtMonth), 0, 0);
    grid->addWidget(caption("Label3", QStringLiteral("Day"), txtDay), 0, 1);
    grid->addWidget(caption("Label4", QStringLiteral("Year"), txtYear), 0, 2);
    grid->addWidget(caption("Label5", QStringLiteral("Check Number"), cmbCheckNum), 0, 3);
    grid->addWidget(caption("Label6", QStringLiteral("Payee"), cmbPayee), 0, 4);
    grid->addWidget(txtMonth, 1, 0);
    grid->addWidget(txtDay, 1, 1);
    grid->addWidget(txtYear, 1, 2);
    grid->addWidget(cmbCheckNum, 1, 3);
    grid->addWidget(cmbPayee, 1, 4);

    auto *amountLabel = caption("Label7", QStringLiteral("Amount"), txtDollar);
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
    frmInfo = named(new QGroupBox(QStringLiteral("Information")), "frmInfo");
    lblE1 = caption("lblE1", QStringLiteral("Account Total:"));
    lblTotal = caption("lblTotal", QString());
    lblTotal->setToolTip(QStringLiteral("This is your account total"));
    lblE2 = caption("lblE2", QStringLiteral("Number of Records:"));
    lblRecNum = caption("lblRecNum", QString());
    lblRecNum->setToolTip(QStringLiteral("This is the number or entries you have"));
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
    lblWarning->setMinimumWidth(metrics.horizontalAdvance(QLatin1String(NearLimitWarning)));
}

void FrmMoney::buildMenus()
{
    const auto item = [this](QMenu *menu, const char *name, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuBackup = item(mnuFile, "mnuBackup", QStringLiteral("&Backup"));
    mnuRestore = item(mnuFile, "mnuRestore", QStringLiteral("Res&tore"));
    mnuBackupFolder = item(mnuFile, "mnuBackupFolder", QStringLiteral("Backup &Folder..."));
    // There is no status bar to show a status tip, so the folder shows as a tooltip too.
    mnuFile->setToolTipsVisible(true);
    showBackupFolder();
    mnuPrint = item(mnuFile, "mnuPrint", QStringLiteral("&Print"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    mnuNew = item(mnuFile, "mnuNew", QStringLiteral("&New Record"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuExport = item(mnuFile, "mnuExport", QStringLiteral("&Export..."));
    mnuExport->setStatusTip(QStringLiteral("Write the register to a CSV or QIF file"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep4"));
    mnuExit = item(mnuFile, "mnuExit", QStringLiteral("E&xit"));

    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuFind = item(mnuEdit, "mnuFind", QStringLiteral("&Find..."));
    mnuFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuFind->setStatusTip(QStringLiteral("Show the next entry with a check number or payee"));
    mnuFindNext = item(mnuEdit, "mnuFindNext", QStringLiteral("Find &Next"));
    mnuFindNext->setShortcut(QKeySequence(Qt::Key_F3));
    mnuFindNext->setStatusTip(QStringLiteral("Show the next entry for the same text"));

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContent = item(mnuHelp, "mnuContent", QStringLiteral("&Content"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    mnuAbout = item(mnuHelp, "mnuAbout", QStringLiteral("&About"));

    connect(mnuPrint, &QAction::triggered, this, &FrmMoney::mnuPrint_Click);
    connect(mnuNew, &QAction::triggered, this, [this] { mnuNew_Click(NewRegister::AskFirst); });
    connect(mnuBackup, &QAction::triggered, this, &FrmMoney::mnuBackup_Click);
    connect(mnuRestore, &QAction::triggered, this, &FrmMoney::mnuRestore_Click);
    connect(mnuBackupFolder, &QAction::triggered, this, &FrmMoney::mnuBackupFolder_Click);
    connect(mnuExport, &QAction::triggered, this, &FrmMoney::mnuExport_Click);
    connect(mnuExit, &QAction::triggered, this, &FrmMoney::mnuExit_Click);
    connect(mnuFind, &QAction::triggered, this, &FrmMoney::mnuFind_Click);
    connect(mnuFindNext, &QAction::triggered, this, &FrmMoney::mnuFindNext_Click);
    connect(mnuContent, &QAction::triggered, this, &FrmMoney::mnuContent_Click);
    connect(mnuAbout, &QAction::triggered, this, &FrmMoney::mnuAbout_Click);
}

void FrmMoney::setTabOrder()
{
    QList<QWidget *> order = {txtMonth, txtDay,       txtYear,    cmbCheckNum, cmbPayee, txtDollar,
                              txtCent,  optWithdrawl, optDeposit, optNeither,  cmdAdd,   cmdExit};
    order << m_list->tabStops();
    setTabChain(order);
}

void FrmMoney::Form_Load()
{
    if (!loadRegister())
        return;
    setWindowTitle(QStringLiteral("Tallyra v") + QLatin1String(VersionText));
    frmInfo->setToolTip(QStringLiteral("Visit ") + SupportWeb + QStringLiteral(" for updates."));
    lblE1->setToolTip(QStringLiteral("Email questions to ") + SupportMail);
    lblE2->setToolTip(QStringLiteral("Email questions to ") + SupportMail);
    resetEntryFields();
    updateStatus();
    m_list->showList();
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
    computeBalances(m_book);
    const StatusTexts texts = statusTexts(m_book);
    lblTotal->setText(texts.total);
    setTextColour(lblTotal, texts.totalNegative);
    lblRecNum->setText(texts.recordCount);
    lblWarning->setText(texts.versionOrWarning);
    setTextColour(lblWarning, texts.nearLimit);
}

bool FrmMoney::saveRegister()
{
    const FileResult saved =
        writeFileAtomically(QLatin1String(DataFileName), formatDataFile(m_book));
    if (saved.ok)
        return true;
    m_platform.prompter.message(
        this, QMessageBox::Critical, QStringLiteral("SAVE FAILED"),
        QStringLiteral("The register could not be saved to %1: %2\r\n"
                       "The file still holds the register as it was last saved.")
            .arg(QLatin1String(DataFileName), saved.error));
    return false;
}

bool FrmMoney::loadRegister()
{
    for (;;) {
        const QString path = QLatin1String(DataFileName);
        const std::optional<QByteArray> bytes = readWholeFile(path);
        if (bytes && !readDataFile(*bytes, m_book))
            break;
        if (!startNewAfterFailedLoad(QFile::exists(path)))
            return false;
    }
    mergePayees();
    m_list->scrollToEnd();
    return true;
}

// The data file is missing or cannot be read: offer a new, empty register. An unreadable
// file is kept under a name of its own first, so that nothing is lost.
bool FrmMoney::startNewAfterFailedLoad(bool fileExists)
{
    const auto answer = m_platform.prompter.message(
        this, QMessageBox::Question, QStringLiteral("Missing File"),
        QStringLiteral("The default data file is missing.  Do you wish to make one?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
        m_platform.programEnd.endProgram();
        return false;
    }
    if (fileExists) {
        QString error;
        const std::optional<QString> kept = keepUnreadableCopy(QLatin1String(DataFileName), &error);
        if (!kept) {
            m_platform.prompter.message(
                this, QMessageBox::Critical, QStringLiteral("FILE KEPT AS IT IS"),
                QStringLiteral("The unreadable %1 could not be set aside: %2\r\n"
                               "No new register was made; the program will end.")
                    .arg(QLatin1String(DataFileName), error));
            m_platform.programEnd.endProgram();
            return false;
        }
        m_platform.prompter.message(
            this, QMessageBox::Information, QStringLiteral("Old File Kept"),
            QStringLiteral("The data file could not be read.  It has been kept as %1, "
                           "and a new, empty register is started.")
                .arg(*kept));
    }
    mnuNew_Click(NewRegister::WithoutQuestion);
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
    {
        FrmEdit window(m_book, slot, m_platform, this);
        window.exec();
    }
    // Whatever the edit window did, the file and the display follow the register.
    updateStatus();
    if (!saveRegister())
        reloadAfterFailedSave();
    else if (loadRegister())
        m_list->showList();
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
    if (!placeEntry(m_book, entryTexts(fields), selectedType(fields)))
        return;
    if (!saveRegister()) {
        reloadAfterFailedSave();
        return;
    }
    updateStatus();
    if (!loadRegister())
        return;
    m_list->showList();
    readyForNextEntry();
}

// The file still holds the register as it was, so memory and display follow it again. The
// totals are computed after the reload, not before, or they would belong to the change that
// was not saved. The entry fields keep what the user typed, to try again.
void FrmMoney::reloadAfterFailedSave()
{
    if (!loadRegister())
        return;
    updateStatus();
    m_list->showList();
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
}

void FrmMoney::mnuNew_Click(NewRegister how)
{
    if (how == NewRegister::AskFirst) {
        const auto answer = m_platform.prompter.message(
            this, QMessageBox::Question, QStringLiteral("Are You Sure"),
            QStringLiteral("Doing this will delete your current register.\r\n"
                           "Do you wish to continue?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return;
    }
    if (!keepRegisterBeforeReplacing(QStringLiteral("before-new")))
        return;
    const FileResult written = writeFileAtomically(QLatin1String(DataFileName), emptyDataFile());
    if (!written.ok) {
        m_platform.prompter.message(this, QMessageBox::Critical, QStringLiteral("SAVE FAILED"),
                                    QStringLiteral("A new %1 could not be written: %2\r\n"
                                                   "Nothing was changed.")
                                        .arg(QLatin1String(DataFileName), written.error));
        return;
    }
    Form_Load();
}

void FrmMoney::mnuBackup_Click()
{
    QString readError;
    const std::optional<QByteArray> dataFile =
        readWholeFile(QLatin1String(DataFileName), &readError);
    if (!dataFile) {
        m_platform.prompter.message(this, QMessageBox::Critical, QStringLiteral("BACKUP FAILED"),
                                    QStringLiteral("%1 could not be read: %2\r\n"
                                                   "No backup was made.")
                                        .arg(QLatin1String(DataFileName), readError));
        return;
    }
    const std::optional<QString> description = askBackupDescription();
    if (!description)
        return;
    const auto failure =
        makeBackup(m_book, *dataFile, m_platform.drive, backupFileName(*description),
                   [this] { return askDriveRetry(m_platform.prompter, this); });
    if (failure) {
        reportDriveFailure(m_platform, this, *failure);
        return;
    }
    m_platform.prompter.message(this, QMessageBox::Information, QStringLiteral("SUCCESS"),
                                QStringLiteral("The Backup was successful"));
}

// The description typed; nothing when the user cancelled, typed nothing or too much.
std::optional<QString> FrmMoney::askBackupDescription()
{
    const QString description = m_platform.prompter
                                    .askText(this, QStringLiteral("ENTER DESCRIPTION"),
                                             QStringLiteral("Please enter the file description.\r\n"
                                                            "No spaces and 8 characters max."))
                                    .value_or(QString());
    if (description.isEmpty())
        return std::nullopt;
    if (description.size() <= MaxDescriptionLength)
        return description;
    m_platform.prompter.message(this, QMessageBox::Warning, QStringLiteral("ERROR"),
                                QStringLiteral("No more than 8 characters!  Process aborted."));
    return std::nullopt;
}

void FrmMoney::mnuRestore_Click()
{
    std::optional<QString> chosen;
    {
        FrmFileOpen chooser(m_platform, this);
        if (chooser.Form_Load())
            chooser.exec();
        chosen = chooser.chosenBackup();
    }
    if (!chosen)
        return;
    const auto answer = m_platform.prompter.message(
        this, QMessageBox::Question, QStringLiteral("ARE YOU REALLY REALLY SURE?"),
        QStringLiteral("Doing this will erase your current register.  Do you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes ||
        !keepRegisterBeforeReplacing(QStringLiteral("before-restore")))
        return;
    const auto failure = restoreBackup(m_book, m_platform.drive, *chosen,
                                       [this] { return askDriveRetry(m_platform.prompter, this); });
    if (failure) {
        reportDriveFailure(m_platform, this, *failure);
        return;
    }
    m_platform.prompter.message(this, QMessageBox::Information, QStringLiteral("All Was Good"),
                                QStringLiteral("The restore was successful"));
    Form_Load();
}

void FrmMoney::mnuBackupFolder_Click()
{
    const std::optional<QString> folder = m_platform.prompter.askFolder(
        this, QStringLiteral("Backup Folder"), m_platform.drive.root());
    if (!folder)
        return;
    m_platform.drive.setRoot(*folder);
    m_platform.settings.setBackupFolder(*folder);
    showBackupFolder();
}

void FrmMoney::showBackupFolder()
{
    const QString tip = QStringLiteral("Backups go to %1").arg(m_platform.drive.root());
    mnuBackupFolder->setStatusTip(tip);
    mnuBackupFolder->setToolTip(tip);
}

// One wrong Yes must not cost a register: before New Record or a restore replaces one that
// holds entries, its file is kept beside it. Without the copy nothing is replaced.
bool FrmMoney::keepRegisterBeforeReplacing(const QString &suffix)
{
    if (m_book.entryCount == 0)
        return true;
    QString error;
    if (keepCopyBeforeReplacing(QLatin1String(DataFileName), suffix, &error))
        return true;
    m_platform.prompter.message(this, QMessageBox::Critical, QStringLiteral("COPY FAILED"),
                                QStringLiteral("The register could not be kept as a copy before "
                                               "it is replaced: %1\r\nNothing was changed.")
                                    .arg(error));
    return false;
}

void FrmMoney::mnuPrint_Click()
{
    FrmPrint window(m_book, m_platform, this);
    window.exec();
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
