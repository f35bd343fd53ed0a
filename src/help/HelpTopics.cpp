// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/HelpTopics.h"

#include "help/HelpWidgets.h"
#include "platform/Controls.h"
#include "platform/Prompter.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyra {

namespace {

constexpr int Spacing = 12;

QGridLayout *fixedGrid(QDialog *window)
{
    auto *grid = new QGridLayout(window);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setSpacing(Spacing);
    return grid;
}

QVBoxLayout *fixedColumn(QDialog *window)
{
    auto *column = new QVBoxLayout(window);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setSpacing(Spacing);
    return column;
}

int charsWide(const QWidget *window, int chars)
{
    return window->fontMetrics().averageCharWidth() * chars;
}

} // namespace

FrmEnter::FrmEnter(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEnter"));
    setWindowTitle(tr("About the Main Screen"));
    Image1 = helpPicture("Image1", QStringLiteral(":/help/enter.gif"));
    // The labels above and below the picture each take a third of its width, or two.
    const int third = (Image1->width() - 2 * Spacing) / 3;
    const int side = charsWide(this, 24);
    auto *fields = helpText("Label1", tr("2. Enter the check number and payee here."), third);
    auto *info = helpText("Label2", tr("Information about your account."), third);
    auto *date = helpText("Label3", tr("1. Simply enter the date here."), side);
    auto *amount =
        helpText("Label4", tr("3. Enter Amount and type, use neither for voided checks."), side);
    auto *add =
        helpText("Label5", tr("4. Click on add to enter the record.  Press exit to quit."), side);
    auto *edit = helpText("Label6",
                          tr("If you wish to edit or delete any records just press on "
                             "the > button next to the record to edit."),
                          side);
    auto *list = helpText("Label7",
                          tr("This shows your records you have added.  To scroll "
                             "through the records use the scroll bar on the right "
                             "hand side."),
                          2 * third + Spacing);
    Command1 = closeButton("Command1");
    connect(Command1, &QPushButton::clicked, this, &FrmEnter::Command1_Click);

    auto *lines = new CalloutLines(Image1, QStringLiteral(":/help/enter.map"), this);
    for (const char *control : {"txtMonth", "txtDay", "txtYear"})
        lines->addLine(date, QLatin1String(control));
    lines->addLine(fields, QStringLiteral("cmbCheckNum"));
    lines->addLine(fields, QStringLiteral("cmbPayee"));
    lines->addLine(info, QStringLiteral("frmInfo"));
    lines->addLine(amount, QStringLiteral("txtDollar"));
    lines->addLine(amount, QStringLiteral("frmType"));
    lines->addLine(add, QStringLiteral("cmdAdd"));
    lines->addLine(add, QStringLiteral("cmdExit"));
    lines->addLine(edit, QStringLiteral("cmd7"));
    lines->addLine(list, QStringLiteral("payee4"));
    lines->addLine(list, QStringLiteral("vsbList"));

    auto *grid = fixedGrid(this);
    grid->addWidget(fields, 0, 2, Qt::AlignBottom);
    grid->addWidget(info, 0, 3, Qt::AlignBottom);
    grid->addLayout(lines->levelColumn({date, amount, add}), 1, 0);
    grid->addWidget(Image1, 1, 1, 1, 3, Qt::AlignTop);
    grid->addWidget(edit, 2, 0, Qt::AlignTop);
    grid->addWidget(list, 2, 1, 1, 2, Qt::AlignTop);
    grid->addWidget(Command1, 3, 3, Qt::AlignRight);
}

void FrmEnter::Command1_Click()
{
    accept();
}

FrmEditHelp::FrmEditHelp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEditHelp"));
    setWindowTitle(tr("Editing a Record"));
    Image1 = helpPicture("Image1", QStringLiteral(":/help/editing.gif"));
    const int side = charsWide(this, 26);
    auto *appears = helpText("Label1",
                             tr("After clicking on the > button next to the record, "
                                "you will see this screen appear."),
                             side);
    auto *accepting = helpText(
        "Label2", tr("Just enter the information you wish to change and press Accept."), side);
    auto *removing = helpText(
        "Label3", tr("To remove the record just click on Remove and it will be deleted."), side);
    auto *cancelling = helpText("Label4",
                                tr("Click on Cancel to close the edit window without "
                                   "saving the changes."),
                                Image1->width());
    cmdClose = closeButton("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &FrmEditHelp::cmdClose_Click);

    auto *lines = new CalloutLines(Image1, QStringLiteral(":/help/editing.map"), this);
    lines->addLine(accepting, QStringLiteral("cmdAccept"));
    lines->addLine(removing, QStringLiteral("cmdRemove"));
    lines->addLine(cancelling, QStringLiteral("cmdCancel"));

    auto *grid = fixedGrid(this);
    grid->addLayout(lines->levelColumn({appears, accepting}), 0, 0);
    grid->addWidget(Image1, 0, 1, 1, 2, Qt::AlignTop);
    grid->addWidget(removing, 1, 0, Qt::AlignTop);
    grid->addWidget(cancelling, 1, 1, 1, 2, Qt::AlignTop);
    grid->addWidget(cmdClose, 2, 2, Qt::AlignRight);
}

void FrmEditHelp::cmdClose_Click()
{
    accept();
}

FrmBackupHelp::FrmBackupHelp(Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmBackupHelp"));
    setWindowTitle(tr("Backing Up and Restoring"));
    Image1 = helpPicture("Image1", QStringLiteral(":/help/backup.gif"));
    Image1->installEventFilter(this);
    const int left = Image1->width();
    const int right = charsWide(this, 34);
    auto *menu = helpText("Label1",
                          tr("From the File menu you have the options to backup and "
                             "restore a record. "),
                          left);
    auto *backup =
        helpText("Label2",
                 tr("In order to BACKUP, you must have a disk in the floppy drive of your "
                    "computer.  Choose Backup from the File menu and type in a short name for "
                    "the backup file and press Ok."),
                 right);
    auto *restore = helpText("Label3",
                             tr("When you choose Restore from the File menu, this "
                                "window will pop up.  You must have a floppy disk in "
                                "the drive to restore."),
                             left);
    auto *ok = helpText("Label4",
                        tr("2. Press Ok to restore the file you choose.  Cancel closes "
                           "this window making no changes."),
                        right);
    auto *refresh =
        helpText("Label5", tr("Press Refresh if you change disks.  This updates the list."), right);
    auto *files = helpText("Label6",
                           tr("1. If there are backup files on the disk they will be "
                              "shown here.  Choose the one you wish to restore."),
                           left);
    cmdClose = closeButton("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &FrmBackupHelp::cmdClose_Click);

    auto *lines = new CalloutLines(Image1, QStringLiteral(":/help/backup.map"), this);
    lines->addLine(ok, QStringLiteral("cmdOk"));
    lines->addLine(ok, QStringLiteral("cmdCancel"));
    lines->addLine(refresh, QStringLiteral("cmdRefresh"));
    lines->addLine(files, QStringLiteral("fliBackup"));

    auto *grid = fixedGrid(this);
    grid->addWidget(menu, 0, 0, Qt::AlignTop);
    grid->addWidget(backup, 0, 1, 2, 1, Qt::AlignTop);
    grid->addWidget(restore, 1, 0, Qt::AlignBottom);
    grid->addWidget(Image1, 2, 0, Qt::AlignTop);
    grid->addLayout(lines->levelColumn({ok, refresh}), 2, 1);
    grid->addWidget(files, 3, 0, Qt::AlignTop);
    grid->addWidget(cmdClose, 3, 1, Qt::AlignRight | Qt::AlignBottom);
}

bool FrmBackupHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1 && isClickOn(Image1, event))
        Image1_Click();
    return QDialog::eventFilter(watched, event);
}

void FrmBackupHelp::Image1_Click()
{
    m_prompter.message(this, QMessageBox::Information, tr("Hee He"),
                       tr("Please stop that, it tickles!!!"));
}

void FrmBackupHelp::cmdClose_Click()
{
    accept();
}

FrmPrintHelp::FrmPrintHelp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPrintHelp"));
    setWindowTitle(tr("About Printing"));
    Image1 = helpPicture("Image1", QStringLiteral(":/help/printing.gif"));
    auto *text = helpText("Label1",
                          tr("You can print a report out, beginning from the start "
                             "date up to the end date.  Just enter the dates (Format "
                             "is Month/Day/Year), and press Print.  Cancel closes "
                             "without printing."),
                          charsWide(this, 44));
    cmdClose = closeButton("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &FrmPrintHelp::cmdClose_Click);

    auto *column = fixedColumn(this);
    column->addWidget(text);
    column->addWidget(Image1, 0, Qt::AlignHCenter);
    column->addWidget(cmdClose, 0, Qt::AlignHCenter);
}

void FrmPrintHelp::cmdClose_Click()
{
    accept();
}

FrmDefaultHelp::FrmDefaultHelp(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDefaultHelp"));
    setWindowTitle(tr("About the Default File"));
    auto *text = helpText(
        "Label1",
        tr("This program works by adding records to a file, named DEFAULT.DAT.  When you first "
           "start the program it checks for this file, and if one does no exist the program "
           "creates one.  The default file can only hold up to 1000 records, for simplicity.  "
           "When you approach the max amount you will get a message.  When you get this "
           "message you should backup your current file, and then create a new default file.  "
           "This is done by going to the File menu and choosing New File.  This will create a "
           "new file."),
        charsWide(this, 56));
    cmdClose = closeButton("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &FrmDefaultHelp::cmdClose_Click);

    auto *column = fixedColumn(this);
    column->addWidget(text);
    column->addWidget(cmdClose, 0, Qt::AlignHCenter);
}

void FrmDefaultHelp::cmdClose_Click()
{
    accept();
}

} // namespace tallyra
