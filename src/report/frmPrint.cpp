// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/frmPrint.h"

#include "platform/Controls.h"
#include "platform/UserFolders.h"
#include "register/DateText.h"
#include "report/DateFieldControls.h"
#include "report/ReportLayout.h"
#include "report/ReportPreview.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tallyra {

namespace {

// In the user's documents folder, a name with today's date.
QString suggestedCopyPath(const QDate &today)
{
    return QDir(documentsFolder())
        .filePath(QStringLiteral("tallyra-report-%1.pdf").arg(isoDate(today)));
}

} // namespace

FrmPrint::FrmPrint(const RegisterDocument &document, Platform &platform, QWidget *parent)
    : QDialog(parent), m_book(document.book()), m_platform(platform)
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(tr("Print Report"));
    buildControls();
    connect(cmdPrint, &QPushButton::clicked, this, &FrmPrint::cmdPrint_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &FrmPrint::cmdPreview_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmPrint::cmdCancel_Click);
    Form_Load();
}

void FrmPrint::buildControls()
{
    buildDateRange(txtStartMonth, txtStartDay, txtStartYear, txtEndMonth, txtEndDay, txtEndYear,
                   Label1, Label2);
    txtStartMonth->setEditText(QStringLiteral("1"));
    txtStartDay->setEditText(QStringLiteral("1"));
    txtStartYear->setEditText(QStringLiteral("1990"));

    cmdPrint = named(new QPushButton(tr("&Print")), "cmdPrint");
    cmdPrint->setDefault(true);
    cmdPreview = named(new QPushButton(tr("Pre&view")), "cmdPreview");
    cmdCancel = named(new QPushButton(tr("&Cancel")), "cmdCancel");

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtStartMonth, 0, 1);
    grid->addWidget(txtStartDay, 0, 2);
    grid->addWidget(txtStartYear, 0, 3);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtEndMonth, 1, 1);
    grid->addWidget(txtEndDay, 1, 2);
    grid->addWidget(txtEndYear, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setTabChain({txtStartMonth, txtStartDay, txtStartYear, txtEndMonth, txtEndDay, txtEndYear,
                 cmdPrint, cmdPreview, cmdCancel});
    txtStartMonth->setFocus();
}

void FrmPrint::Form_Load()
{
    const QDate today = m_platform.clock.today();
    txtEndYear->setEditText(QString::number(today.year()));
    txtEndDay->setEditText(QString::number(today.day()));
    txtEndMonth->setEditText(QString::number(today.month()));
}

DateFields FrmPrint::typedFields() const
{
    return {txtStartMonth->currentText(), txtStartDay->currentText(), txtStartYear->currentText(),
            txtEndMonth->currentText(),   txtEndDay->currentText(),   txtEndYear->currentText()};
}

// The typed range, or nothing once its box has said why it cannot be used.
std::optional<ReportRange> FrmPrint::checkedRange()
{
    std::optional<ReportRange> range = checkDateRange(typedFields());
    if (!range)
        rejectDateEntry();
    return range;
}

void FrmPrint::cmdPrint_Click()
{
    const std::optional<ReportRange> range = checkedRange();
    if (!range)
        return;
    const std::unique_ptr<ReportJob> job = m_platform.printer.startJob();
    printOn(*job, *range);
}

// The pages as they will print, on the default printer's paper. Print there prints them and
// closes this window as its own Print does; Close comes back to it.
void FrmPrint::cmdPreview_Click()
{
    const std::optional<ReportRange> range = checkedRange();
    if (!range)
        return;
    const std::unique_ptr<ReportJob> job = m_platform.printer.startJob();
    if (job->canPreview()) {
        ReportPreview preview(m_book, *range, job->paper(), this);
        if (preview.exec() != QDialog::Accepted)
            return;
    }
    printOn(*job, *range);
}

void FrmPrint::printOn(ReportJob &job, const ReportRange &range)
{
    if (const std::optional<QString> unmade = printReport(m_book, range, job.surface())) {
        reportPrintFailure(*unmade);
    } else if (const std::optional<QString> refused = job.submit()) {
        reportPrintFailure(*refused);
        if (job.canSaveAsPdf())
            offerPdfCopy(job);
    } else {
        m_sentAs = job.sentAs();
    }
    close();
}

void FrmPrint::cmdCancel_Click()
{
    close();
}

void FrmPrint::rejectDateEntry()
{
    m_platform.prompter.beep();
    m_platform.prompter.message(this, QMessageBox::Critical, tr("ERROR"),
                                tr("Invalid date entry. Exiting print"));
    close();
}

void FrmPrint::reportPrintFailure(const QString &why)
{
    m_platform.prompter.message(this, QMessageBox::Critical, tr("PRINT FAILED"),
                                //: %1 says why.
                                tr("Nothing was printed: %1").arg(why));
}

// The pages that did not print can be kept as a file. A file that could not be written is
// said so, and the user may choose another place.
void FrmPrint::offerPdfCopy(ReportJob &job)
{
    Prompter &prompter = m_platform.prompter;
    const QMessageBox::StandardButton answer =
        prompter.message(this, QMessageBox::Question, tr("Save As PDF"),
                         tr("Do you wish to save the report as a PDF file instead?"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    QString suggested = suggestedCopyPath(m_platform.clock.today());
    while (const std::optional<QString> path =
               prompter.askSaveFile(this, tr("Save Report As PDF"), suggested,
                                    //: Keep "(*.pdf)" as it is.
                                    tr("PDF files (*.pdf)"))) {
        const QString shown = QDir::toNativeSeparators(*path);
        const std::optional<QString> failed = job.saveAsPdf(*path);
        if (!failed) {
            m_sentAs = tr("Report saved as %1").arg(shown);
            prompter.message(this, QMessageBox::Information, tr("Report Saved"),
                             tr("The report was saved as %1").arg(shown));
            return;
        }
        prompter.message(this, QMessageBox::Critical, tr("SAVE FAILED"),
                         //: %1 is the file, %2 why it could not be written.
                         tr("The report could not be saved as %1: %2\r\n"
                            "Choose another folder or name, or Cancel to leave it unsaved.")
                             .arg(shown, *failed));
        suggested = *path;
    }
}

} // namespace tallyra
