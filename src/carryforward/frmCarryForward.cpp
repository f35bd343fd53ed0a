// SPDX-License-Identifier: GPL-3.0-or-later
#include "carryforward/frmCarryForward.h"

#include "backup/DriveFailureBoxes.h"
#include "entry/ChangeBoxes.h"
#include "entry/MoneyFormat.h"
#include "entry/TypedDate.h"
#include "platform/Controls.h"
#include "register/DateText.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>
#include <set>

namespace tallyra {

namespace {

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

// The years the register's entries fall in, and this one: the dates a user carries forward
// before. Sorted as text, as every pick list is.
QStringList yearsOf(const Checkbook &book, int thisYear)
{
    std::set<int> years{thisYear};
    for (int i = 1; i <= book.entryCount; ++i)
        if (book.slot[i].year >= EarliestEntryYear && book.slot[i].year <= LatestYear)
            years.insert(book.slot[i].year);
    QStringList list;
    for (int year : years)
        list << QString::number(year);
    return list;
}

QComboBox *dateCombo(const char *name, QStringList items, const QString &text)
{
    QComboBox *combo = entryCombo(name);
    items.sort();
    combo->addItems(items);
    combo->setEditText(text);
    return combo;
}

QString entries(int count)
{
    //: Put into the carry-forward question and its outcome: "Move the 12 entries before ...".
    return FrmCarryForward::tr("%n entries", nullptr, count);
}

} // namespace

FrmCarryForward::FrmCarryForward(RegisterDocument &document, Platform &platform, QWidget *parent)
    : QDialog(parent), m_document(document), m_platform(platform)
{
    setObjectName(QStringLiteral("frmCarryForward"));
    setWindowTitle(tr("Carry Forward"));
    buildControls();
    showEntriesBefore();
    txtCarryMonth->setFocus();
}

void FrmCarryForward::buildControls()
{
    const Checkbook &book = m_document.book();
    const QDate today = m_platform.clock.today();
    txtCarryMonth = dateCombo("txtCarryMonth", numbers(1, 12), QStringLiteral("1"));
    txtCarryDay = dateCombo("txtCarryDay", numbers(1, 31), QStringLiteral("1"));
    txtCarryYear =
        dateCombo("txtCarryYear", yearsOf(book, today.year()), QString::number(today.year()));
    for (QComboBox *field : {txtCarryMonth, txtCarryDay, txtCarryYear})
        connect(field, &QComboBox::editTextChanged, this, &FrmCarryForward::showEntriesBefore);

    QString aboutText = tr("The entries dated before this day move to an archive in the backup "
                           "folder, and one BALANCE FORWARD entry dated the day before takes "
                           "their place.  The total after every later entry stays the same.");
    const bool reconciledOnly = !m_document.companion().reconciled.isEmpty();
    if (reconciledOnly)
        aboutText += u' ' + tr("As statements have been reconciled, only reconciled entries "
                               "move; every other entry stays where it is, with its mark.");
    auto *about = named(new QLabel(aboutText), "lblAbout");
    about->setWordWrap(true);

    lblCount = caption("lblCount", QString());
    lblNet = caption("lblNet", QString());
    lblAfter = caption("lblAfter", QString());
    lblAfter->setWordWrap(true);
    for (QLabel *value : {lblCount, lblNet})
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    cmdCarry = button("cmdCarry", tr("Carry &Forward"),
                      tr("Move the entries before the date to an archive"));
    cmdCarry->setDefault(true);
    cmdCancel = button("cmdCancel", tr("&Cancel"), tr("Close without changing anything"));
    connect(cmdCarry, &QPushButton::clicked, this, &FrmCarryForward::cmdCarry_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout;
    grid->addWidget(caption("Label1", tr("Month"), txtCarryMonth), 0, 0);
    grid->addWidget(caption("Label2", tr("Day"), txtCarryDay), 0, 1);
    grid->addWidget(caption("Label3", tr("Year"), txtCarryYear), 0, 2);
    grid->addWidget(txtCarryMonth, 1, 0);
    grid->addWidget(txtCarryDay, 1, 1);
    grid->addWidget(txtCarryYear, 1, 2);
    grid->addWidget(
        caption("Label4",
                reconciledOnly ? tr("Reconciled entries before it:") : tr("Entries before it:"),
                lblCount),
        2, 0, 1, 2);
    grid->addWidget(lblCount, 2, 2);
    grid->addWidget(caption("Label5", tr("Their net amount:"), lblNet), 3, 0, 1, 2);
    grid->addWidget(lblNet, 3, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCarry);
    buttons->addWidget(cmdCancel);

    auto *whole = new QVBoxLayout(this);
    whole->addWidget(about);
    whole->addLayout(grid);
    whole->addWidget(lblAfter);
    whole->addLayout(buttons);
    setTabChain({txtCarryMonth, txtCarryDay, txtCarryYear, cmdCarry, cmdCancel});
    // Room for the longest texts, so that the window keeps its size as they change.
    const QFontMetrics metrics(font());
    lblNet->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("-$99,999,999,999.99")));
    about->setMinimumWidth(metrics.horizontalAdvance(about->text()) / 3);
    lblAfter->setMinimumHeight(metrics.lineSpacing() * 2);
}

std::optional<QDate> FrmCarryForward::chosenDate() const
{
    // Whole numbers that make a day of the calendar in a year an entry may have.
    const std::optional<TypedDate> typed =
        typedDate(txtCarryMonth->currentText(), txtCarryDay->currentText(),
                  txtCarryYear->currentText(), EarliestEntryYear);
    return typed ? typed->calendarDay() : std::nullopt;
}

// Follows the date as it is typed, so the user sees what would move before deciding.
void FrmCarryForward::showEntriesBefore()
{
    const std::optional<QDate> date = chosenDate();
    if (!date) {
        lblCount->clear();
        lblNet->clear();
        lblAfter->setText(tr("Type a date of the calendar, such as 1 / 1 / %1.")
                              .arg(m_platform.clock.today().year()));
        return;
    }
    const EntriesBefore before = entriesBefore(m_document.book(), m_document.companion(), *date);
    lblCount->setText(QString::number(before.count));
    lblNet->setText(formatMoney(before.netCents));
    setTextColour(lblNet, before.netCents < 0);
    const std::optional<CarryRefusal> refusal = carryRefusal(before);
    if (m_document.readOnly())
        lblAfter->setText(tr("The register is open read-only."));
    else if (refusal == CarryRefusal::NoEntries && before.reconciledOnly)
        lblAfter->setText(tr("No reconciled entries lie before %1.").arg(slashDate(*date)));
    else if (refusal == CarryRefusal::NoEntries)
        lblAfter->setText(tr("No entries lie before %1.").arg(slashDate(*date)));
    else if (refusal == CarryRefusal::NetTooLarge)
        lblAfter->setText(tr("Their net is more than one entry can hold."));
    else
        lblAfter->setText(tr("The register would then hold %1 instead of %2.")
                              .arg(entries(m_document.book().entryCount - before.count + 1))
                              .arg(m_document.book().entryCount));
}

void FrmCarryForward::cmdCarry_Click()
{
    const std::optional<QDate> date = chosenDate();
    if (!date) {
        refuse(QMessageBox::Warning, tr("Need Date"),
               tr("Enter a date of the calendar in the month, day and year fields."));
        txtCarryMonth->setFocus();
        return;
    }
    const EntriesBefore before = entriesBefore(m_document.book(), m_document.companion(), *date);
    // What would be refused is said before the question, not after it.
    if (m_document.readOnly() || carryRefusal(before)) {
        CarryForwardOutcome refused;
        refused.status = m_document.readOnly() ? CarryForwardOutcome::Status::ReadOnly
                                               : CarryForwardOutcome::Status::Refused;
        refused.before = before;
        refused.refusal = carryRefusal(before);
        reportOutcome(refused);
        return;
    }
    if (!confirmCarry(before))
        return;
    m_outcome = carryForward(m_document, m_platform.drive, *date,
                             [this] { return askDriveRetry(m_platform.prompter, this); });
    reportOutcome(*m_outcome);
    if (m_outcome->status == CarryForwardOutcome::Status::Done)
        accept();
    else
        showEntriesBefore();
}

bool FrmCarryForward::confirmCarry(const EntriesBefore &before)
{
    const Entry bal = balanceForward(before);
    const qint64 amount = netCents(bal);
    QString question =
        tr("Move the %1 before %2 to an archive in the backup folder %3, and put "
           "one BALANCE FORWARD entry of %4 dated %5 in their place?\r\n")
            .arg(entries(before.count), slashDate(before.date), m_platform.drive.root(),
                 formatMoney(amount), slashDate(before.date.addDays(-1)));
    if (before.left > 0)
        question += tr("Entries before it left where they are, not yet reconciled: %n.\r\n",
                       nullptr, before.left);
    const auto answer = m_platform.prompter.message(
        this, QMessageBox::Question, tr("Carry Forward"), question + tr("Do you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

void FrmCarryForward::refuse(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    m_platform.prompter.message(this, icon, title, text);
}

void FrmCarryForward::reportOutcome(const CarryForwardOutcome &outcome)
{
    using Status = CarryForwardOutcome::Status;
    const QString date = slashDate(outcome.before.date);
    switch (outcome.status) {
    case Status::Done:
        m_platform.prompter.message(
            this, QMessageBox::Information, tr("Carried Forward"),
            tr("The archive %1 in the backup folder %2 holds the %3 before %4; "
               "File > Restore offers it like any backup.\r\n"
               "The register now holds %5.")
                .arg(outcome.archive, m_platform.drive.root(), entries(outcome.before.count), date,
                     entries(m_document.book().entryCount)));
        return;
    case Status::ReadOnly:
        reportChange(m_platform.prompter, this,
                     {ChangeResult::Status::Refused, tr("the register is open read-only"), {}});
        return;
    case Status::Refused:
        if (outcome.refusal == CarryRefusal::NoEntries && outcome.before.reconciledOnly)
            refuse(QMessageBox::Information, tr("Nothing To Carry"),
                   tr("No reconciled entries lie before %1, so there is nothing to carry "
                      "forward.")
                       .arg(date));
        else if (outcome.refusal == CarryRefusal::NoEntries)
            refuse(QMessageBox::Information, tr("Nothing To Carry"),
                   tr("No entries lie before %1, so there is nothing to carry "
                      "forward.")
                       .arg(date));
        else
            refuse(QMessageBox::Warning, tr("Amount Too Large"),
                   tr("The entries before %1 add up to %2, more than one entry can "
                      "hold (%3 either way).  Choose an earlier date.\r\n"
                      "Nothing was changed.")
                       .arg(date, formatMoney(outcome.before.netCents),
                            formatMoney(std::numeric_limits<qint32>::max())));
        return;
    case Status::ArchiveFailed:
        refuse(QMessageBox::Critical, tr("ARCHIVE FAILED"),
               tr("The archive %1 could not be written: %2.\r\nNothing was changed.")
                   .arg(outcome.archiveError->file, outcome.archiveError->description));
        return;
    case Status::NotChanged:
        reportChange(m_platform.prompter, this, outcome.change);
        if (!outcome.change.keptCopy.isEmpty())
            refuse(QMessageBox::Information, tr("Archive Kept"),
                   tr("Nothing was carried forward.  The archive %1 stays in the "
                      "backup folder, as the copy %2 kept on the way may need it.")
                       .arg(outcome.archive, QFileInfo(outcome.change.keptCopy).fileName()));
        return;
    }
}

} // namespace tallyra
