#include "app/frmMoney.h"

#include "app/PayeeField.h"
#include "app/RegisterStatus.h"
#include "backup/BackupCopy.h"
#include "backup/DriveFailureBoxes.h"
#include "backup/frmFileOpen.h"
#include "edit/frmEdit.h"
#include "help/HelpTopics.h"
#include "help/SupportAddresses.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "platform/Controls.h"
#include "platform/ElidingLabel.h"
#include "register/DataFile.h"
#include "register/FileStore.h"
#include "report/frmPrint.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
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

QFrame *ruling(const char *name, QFrame::Shape shape)
{
    auto *line = named(new QFrame, name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void setTextColour(QLabel *label, bool red)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    label->setPalette(palette);
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

    auto *listArea = new QWidget;
    buildListArea(listArea);

    auto *whole = new QVBoxLayout(central);
    whole->addLayout(top);
    whole->addWidget(ruling("Line11", QFrame::HLine));
    whole->addWidget(listArea, 1);
    setCentralWidget(central);

    buildMenus();
    setTabOrder();
    // Enter on the buttons and the scroll bar is seen in eventFilter, as on the fields.
    QList<QWidget *> pressable{cmdAdd, cmdExit, vsbList};
    for (QPushButton *lineButton : cmdLine)
        pressable << lineButton;
    for (QWidget *control : pressable)
        control->installEventFilter(this);
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
    for (QWidget *field : {txtMonth, txtDay, txtYear, cmbCheckNum, cmbPayee, txtDollar, txtCent})
        field->installEventFilter(this);

    frmType = named(new QGroupBox(QStringLiteral("Type")), "frmType");
    optWithdrawl = named(new QRadioButton(QStringLiteral("Withdrawal")), "optWithdrawl");
    optDeposit = named(new QRadioButton(QStringLiteral("Deposit")), "optDeposit");
    optNeither = named(new QRadioButton(QStringLiteral("Neither")), "optNeither");
    optWithdrawl->setChecked(true);
    for (QWidget *option : {optWithdrawl, optDeposit, optNeither})
        option->installEventFilter(this);
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

void FrmMoney::buildListArea(QWidget *area)
{
    auto *grid = new QGridLayout(area);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);

    const char *headingNames[] = {"Label11", "Label1", "Label12", "Label13", "Label14", "Label15"};
    const QString headings[] = {QStringLiteral("Date"),    QStringLiteral("Type"),
                                QStringLiteral("Payee"),   QStringLiteral("Withdrawal"),
                                QStringLiteral("Deposit"), QStringLiteral("Total")};
    for (int column = 0; column < 6; ++column) {
        auto *heading = caption(headingNames[column], headings[column]);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column + 1);
    }
    grid->addWidget(ruling("Line1", QFrame::HLine), 1, 0, 1, 8);

    // The check number and the payee may be of any length.
    const auto makeCell = [](const char *array, int index, Qt::Alignment alignment,
                             bool anyLength = false) {
        auto *cell = anyLength ? new ElidingLabel : new QLabel;
        cell->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(array)).arg(index));
        cell->setAlignment(alignment | Qt::AlignVCenter);
        cell->setAutoFillBackground(true);
        cell->setContentsMargins(4, 0, 4, 0);
        return cell;
    };
    for (int i = 0; i < ListLines; ++i) {
        auto *button = new QPushButton(QStringLiteral(">"));
        button->setObjectName(QStringLiteral("cmd%1").arg(i + 1));
        button->setToolTip(QStringLiteral("Click here to edit this line"));
        button->setAccessibleName(QStringLiteral("Edit line %1").arg(i + 1));
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral(">")) + 16);
        cmdLine[i] = button;
        date[i] = makeCell("date", i, Qt::AlignHCenter);
        check[i] = makeCell("check", i, Qt::AlignHCenter, true);
        payee[i] = makeCell("payee", i, Qt::AlignHCenter, true);
        out[i] = makeCell("out", i, Qt::AlignRight);
        dep[i] = makeCell("dep", i, Qt::AlignRight);
        total[i] = makeCell("total", i, Qt::AlignRight);

        // Lines 1, 3, 5, ... use the 3-D highlight colour, the others the window background.
        // (Base would not do: many styles, Fusion among them, make it as white as Light.)
        const QPalette::ColorRole background = i % 2 == 0 ? QPalette::Light : QPalette::Window;
        const int row = i + 2;
        grid->addWidget(button, row, 0);
        int column = 1;
        for (QLabel *cell : {date[i], check[i], payee[i], out[i], dep[i], total[i]}) {
            cell->setBackgroundRole(background);
            grid->addWidget(cell, row, column++);
        }
    }
    vsbList = named(new QScrollBar(Qt::Vertical), "vsbList");
    vsbList->setRange(1, 1);
    // Scroll bars take no focus by default, which would leave the list beyond line ten out of
    // reach of the keyboard.
    vsbList->setFocusPolicy(Qt::StrongFocus);
    vsbList->setAccessibleName(QStringLiteral("Register lines"));
    // Without tracking, dragging the thumb reports only sliderMoved and the release only
    // valueChanged, so each redraws the list once.
    vsbList->setTracking(false);
    connect(vsbList, &QScrollBar::valueChanged, this, &FrmMoney::vsbList_Change);
    connect(vsbList, &QScrollBar::sliderMoved, this, &FrmMoney::vsbList_Scroll);
    using LineHandler = void (FrmMoney::*)();
    const LineHandler lineHandlers[ListLines] = {
        &FrmMoney::cmd1_Click, &FrmMoney::cmd2_Click, &FrmMoney::cmd3_Click, &FrmMoney::cmd4_Click,
        &FrmMoney::cmd5_Click, &FrmMoney::cmd6_Click, &FrmMoney::cmd7_Click, &FrmMoney::cmd8_Click,
        &FrmMoney::cmd9_Click, &FrmMoney::cmd10_Click};
    for (int i = 0; i < ListLines; ++i)
        connect(cmdLine[i], &QPushButton::clicked, this, lineHandlers[i]);
    grid->addWidget(vsbList, 2, 7, ListLines, 1);
    grid->addWidget(ruling("Line9", QFrame::HLine), ListLines + 2, 0, 1, 8);

    const QFontMetrics metrics(font());
    const int money = metrics.horizontalAdvance(QStringLiteral("-$21,474,836.47 ")) + 8;
    grid->setColumnMinimumWidth(1, metrics.horizontalAdvance(QStringLiteral("12/31/2000")) + 16);
    grid->setColumnMinimumWidth(2, metrics.horizontalAdvance(QStringLiteral("TXFR0000")) + 16);
    grid->setColumnMinimumWidth(3, metrics.horizontalAdvance(QLatin1Char('M')) * 16);
    for (int column : {4, 5, 6})
        grid->setColumnMinimumWidth(column, money);
    grid->setColumnStretch(3, 1);
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
    mnuPrint = item(mnuFile, "mnuPrint", QStringLiteral("&Print"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    mnuNew = item(mnuFile, "mnuNew", QStringLiteral("&New Record"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuExit = item(mnuFile, "mnuExit", QStringLiteral("E&xit"));

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContent = item(mnuHelp, "mnuContent", QStringLiteral("&Content"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    mnuAbout = item(mnuHelp, "mnuAbout", QStringLiteral("&About"));

    connect(mnuPrint, &QAction::triggered, this, &FrmMoney::mnuPrint_Click);
    connect(mnuNew, &QAction::triggered, this, &FrmMoney::mnuNew_Click);
    connect(mnuBackup, &QAction::triggered, this, &FrmMoney::mnuBackup_Click);
    connect(mnuRestore, &QAction::triggered, this, &FrmMoney::mnuRestore_Click);
    connect(mnuExit, &QAction::triggered, this, &FrmMoney::mnuExit_Click);
    connect(mnuContent, &QAction::triggered, this, &FrmMoney::mnuContent_Click);
    connect(mnuAbout, &QAction::triggered, this, &FrmMoney::mnuAbout_Click);
}

void FrmMoney::setTabOrder()
{
    QList<QWidget *> order = {txtMonth, txtDay,       txtYear,    cmbCheckNum, cmbPayee, txtDollar,
                              txtCent,  optWithdrawl, optDeposit, optNeither,  cmdAdd,   cmdExit};
    for (QPushButton *button : cmdLine)
        order << button;
    order << vsbList;
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
    showList();
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
    setListScrollToEnd();
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
    m_book.actionWord = QStringLiteral("NEW");
    mnuNew_Click();
    return true;
}

void FrmMoney::mergePayees()
{
    for (const PayeeRun &run : m_payees.addPayeesOf(m_book))
        cmbPayee->insertItems(int(run.at), run.payees);
}

void FrmMoney::setListScrollToEnd()
{
    const int last = std::max(1, m_book.entryCount - (ListLines - 1));
    // Every load is followed by showList, so the list is not drawn here as well.
    const QSignalBlocker quiet(vsbList);
    vsbList->setRange(1, last);
    vsbList->setValue(last);
}

void FrmMoney::showList()
{
    {
        // The list is drawn below for whatever position the new range leaves.
        const QSignalBlocker quiet(vsbList);
        vsbList->setMaximum(listScrollMaximum(m_book.entryCount));
    }
    const ListPage page = listPage(m_book, vsbList->sliderPosition());
    m_book.firstShown = qint16(page.firstShown);
    for (int i = 0; i < ListLines; ++i)
        showLine(i, page.lines[i]);
}

void FrmMoney::showLine(int index, const ListLine &line)
{
    date[index]->setText(line.date);
    check[index]->setText(line.check);
    payee[index]->setText(line.payee);
    out[index]->setText(line.out);
    dep[index]->setText(line.dep);
    total[index]->setText(line.total);
    setTextColour(total[index], line.totalNegative);
}

void FrmMoney::vsbList_Change()
{
    showList();
}

void FrmMoney::vsbList_Scroll()
{
    showList();
}

void FrmMoney::openLine(int offset)
{
    m_book.editIndex = qint16(offset);
    openEditor();
}

void FrmMoney::openEditor()
{
    m_book.editIndex = qint16(m_book.firstShown + m_book.editIndex);
    if (m_book.editIndex > m_book.entryCount) {
        m_platform.prompter.message(this, QMessageBox::Information, QStringLiteral("Nothing To Do"),
                                    QStringLiteral("There is nothing to edit."));
        return;
    }
    {
        FrmEdit window(m_book, m_platform, this);
        window.exec();
    }
    // Whatever the edit window did, the file and the display follow the register.
    updateStatus();
    if (!saveRegister())
        reloadAfterFailedSave();
    else if (loadRegister())
        showList();
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
    showList();
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
    showList();
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

void FrmMoney::mnuNew_Click()
{
    if (m_book.actionWord != QLatin1String("NEW")) {
        const auto answer = m_platform.prompter.message(
            this, QMessageBox::Question, QStringLiteral("Are You Sure"),
            QStringLiteral("Doing this will delete your current register.\r\n"
                           "Do you wish to continue?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes)
            return;
    } else {
        m_book.actionWord.clear();
    }
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
    askBackupDescription();
    if (m_book.backupName.isEmpty())
        return;
    const auto failure =
        makeBackup(m_book, *dataFile, m_platform.drive, backupFileName(m_book.backupName),
                   [this] { return askDriveRetry(m_platform.prompter, this); });
    if (failure) {
        reportDriveFailure(m_platform, this, *failure);
        return;
    }
    m_platform.prompter.message(this, QMessageBox::Information, QStringLiteral("SUCCESS"),
                                QStringLiteral("The Backup was successful"));
}

void FrmMoney::askBackupDescription()
{
    m_book.backupName = m_platform.prompter
                            .askText(this, QStringLiteral("ENTER DESCRIPTION"),
                                     QStringLiteral("Please enter the file description.\r\n"
                                                    "No spaces and 8 characters max."))
                            .value_or(QString());
    if (m_book.backupName.size() <= MaxDescriptionLength)
        return;
    m_book.backupName.clear();
    m_platform.prompter.message(this, QMessageBox::Warning, QStringLiteral("ERROR"),
                                QStringLiteral("No more than 8 characters!  Process aborted."));
}

void FrmMoney::mnuRestore_Click()
{
    {
        FrmFileOpen chooser(m_book, m_platform, this);
        if (chooser.Form_Load())
            chooser.exec();
    }
    if (m_book.backupName.isEmpty() || !m_book.restoreChosen)
        return;
    const auto answer = m_platform.prompter.message(
        this, QMessageBox::Question, QStringLiteral("ARE YOU REALLY REALLY SURE?"),
        QStringLiteral("Doing this will erase your current register.  Do you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    const auto failure = restoreBackup(m_book, m_platform.drive, m_book.backupName,
                                       [this] { return askDriveRetry(m_platform.prompter, this); });
    if (failure) {
        reportDriveFailure(m_platform, this, *failure);
        return;
    }
    m_platform.prompter.message(this, QMessageBox::Information, QStringLiteral("All Was Good"),
                                QStringLiteral("The restore was successful"));
    Form_Load();
}

void FrmMoney::mnuPrint_Click()
{
    FrmPrint window(m_book, m_platform, this);
    window.exec();
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
    if (watched == lblWarning || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    // The other watched objects are every control that takes the focus. A main window has no
    // default button, so Enter is routed here as a dialog routes it: a focused push button
    // presses itself, anything else presses Add.
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (auto *pushButton = qobject_cast<QPushButton *>(watched))
            pushButton->click();
        else
            cmdAdd->click();
        return true;
    }
    if (watched == txtDollar && key->text().size() == 1 && txtDollar_KeyPress(key->text().front()))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tallyra
