// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/frmEdit.h"

#include "edit/EditEntry.h"
#include "platform/Controls.h"
#include "register/DateText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyra {

FrmEdit::FrmEdit(const RegisterDocument &document, int slot, Platform &platform, QWidget *parent)
    : QDialog(parent), m_book(document.book()), m_slot(slot), m_platform(platform)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(tr("Edit"));
    buildControls();
    setTabOrder();
    connect(cmdAccept, &QPushButton::clicked, this, &FrmEdit::cmdAccept_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &FrmEdit::cmdRemove_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmEdit::cmdCancel_Click);
    Form_Load();
}

void FrmEdit::buildControls()
{
    txtEditMonth = entryCombo("txtEditMonth");
    txtEditDay = entryCombo("txtEditDay");
    txtEditYear = entryCombo("txtEditYear");
    txtEditCheckNum = entryCombo("txtEditCheckNum");
    txtEditPayee = entryCombo("txtEditPayee");
    txtEditDollar = entryCombo("txtEditDollar");
    txtEditCent = entryCombo("txtEditCent");
    // Only the point stands between the two amount fields, so the cents have no caption.
    txtEditCent->setAccessibleName(tr("Cents"));
    Label1 = caption("Label1", tr("Month"), txtEditMonth);
    Label2 = caption("Label2", tr("Day"), txtEditDay);
    Label3 = caption("Label3", tr("Year"), txtEditYear);
    Label4 = caption("Label4", tr("Check Number"), txtEditCheckNum);
    Label5 = caption("Label5", tr("Payee"), txtEditPayee);
    Label6 = caption("Label6", tr("Amount"), txtEditDollar);

    Frame1 = named(new QGroupBox(tr("Type")), "Frame1");
    optEditOut = named(new QRadioButton(tr("Withdrawal")), "optEditOut");
    optEditIn = named(new QRadioButton(tr("Deposit")), "optEditIn");
    optEditNeither = named(new QRadioButton(tr("Neither")), "optEditNeither");
    tabToChosenOption({optEditOut, optEditIn, optEditNeither});
    auto *options = new QVBoxLayout(Frame1);
    options->addWidget(optEditOut);
    options->addWidget(optEditIn);
    options->addWidget(optEditNeither);

    cmdAccept = button("cmdAccept", tr("&Accept"), tr("Click here to accept changes"));
    cmdAccept->setDefault(true);
    cmdRemove = button("cmdRemove", tr("&Remove"), tr("Click here to remove this entry"));
    cmdCancel = button("cmdCancel", tr("&Cancel"), tr("Click here to abort without saving"));

    // The date on the first row, check number and payee on the second, the amount on the
    // third, and the type beside them all.
    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(Label3, 0, 2);
    grid->addWidget(txtEditMonth, 1, 0);
    grid->addWidget(txtEditDay, 1, 1);
    grid->addWidget(txtEditYear, 1, 2);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(Label5, 2, 1, 1, 2);
    grid->addWidget(txtEditCheckNum, 3, 0);
    grid->addWidget(txtEditPayee, 3, 1, 1, 2);
    grid->addWidget(Label6, 4, 0);
    grid->addLayout(amountRow(txtEditDollar, txtEditCent), 5, 0, 1, 3);
    grid->addWidget(Frame1, 0, 3, 4, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdAccept);
    buttons->addWidget(cmdRemove);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 6, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmEdit::setTabOrder()
{
    setTabChain({txtEditMonth, txtEditDay, txtEditYear, txtEditCheckNum, txtEditPayee,
                 txtEditDollar, txtEditCent, optEditOut, optEditIn, optEditNeither, cmdAccept,
                 cmdRemove, cmdCancel});
    txtEditMonth->setFocus();
}

FrmEdit::~FrmEdit() = default;

void FrmEdit::Form_Load()
{
    const EntryShown shown = entryShown(m_book.slot[m_slot]);
    txtEditYear->setEditText(shown.texts.year);
    txtEditMonth->setEditText(shown.texts.month);
    txtEditDay->setEditText(shown.texts.day);
    txtEditCheckNum->setEditText(shown.texts.checkNumber);
    txtEditPayee->setEditText(shown.texts.payee);
    txtEditDollar->setEditText(shown.texts.dollars);
    txtEditCent->setEditText(shown.texts.cents);
    optEditOut->setChecked(shown.type == EntryType::Withdrawal);
    optEditIn->setChecked(shown.type == EntryType::Deposit);
}

EntryFields FrmEdit::entryFields() const
{
    return EntryFields{txtEditYear,  txtEditMonth,   txtEditDay,     txtEditCheckNum,
                       txtEditPayee, txtEditDollar,  txtEditCent,    optEditOut,
                       optEditIn,    optEditNeither, EditYearMessage};
}

// An entry opened with an amount below zero shows no type. Without one the amount it would
// store is unknown, so the user is asked for one before the summary.
bool FrmEdit::typeChosen()
{
    if (selectedType(entryFields()) != EntryType::NoneSelected)
        return true;
    m_platform.prompter.message(this, QMessageBox::Warning, tr("Need Type"),
                                tr("Choose Withdrawal, Deposit or Neither as the "
                                   "type of this entry."));
    optEditOut->setFocus();
    return false;
}

void FrmEdit::cmdAccept_Click()
{
    const EntryFields fields = entryFields();
    if (!validateEntryFields(fields, m_platform.prompter) || !typeChosen() ||
        !confirmEntry(fields, ChangingHeading, m_platform.prompter))
        return;
    auto changed = std::make_unique<Checkbook>(m_book);
    const std::optional<int> placed =
        changeEntryAt(*changed, m_slot, entryTexts(fields), selectedType(fields));
    if (!placed)
        return;
    const Entry &before = m_book.slot[m_slot];
    const Entry &after = changed->slot[*placed];
    const bool balanceChanged = dateKey(before) != dateKey(after) ||
                                before.withdrawalCents != after.withdrawalCents ||
                                before.depositCents != after.depositCents;
    if (balanceChanged &&
        !reconciledChangeAgreed(tr("This entry was reconciled on the statement ending %1. "
                                   "With another date or amount that statement no longer "
                                   "balances.\n\nChange it anyway?")))
        return;
    m_changed = std::move(changed);
    m_outcome = EditOutcome::Changed;
    accept();
}

// What was typed into the fields is dropped: the entry removed is the one stored.
void FrmEdit::cmdRemove_Click()
{
    const auto answer = m_platform.prompter.message(
        this, QMessageBox::Question, tr("Question"), tr("Are you sure?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes ||
        !reconciledChangeAgreed(tr("This entry was reconciled on the statement ending %1. "
                                   "Without it that statement no longer balances.\n\n"
                                   "Remove it anyway?")))
        return;
    m_outcome = EditOutcome::Removed;
    m_changed = std::make_unique<Checkbook>(m_book);
    removeEntryAt(*m_changed, m_slot);
    accept();
}

// A change that unbalances a finished reconciliation is asked about first; No is the default,
// and it changes nothing. `question` takes the statement's end date as %1.
bool FrmEdit::reconciledChangeAgreed(const QString &question)
{
    const Entry &entry = m_book.slot[m_slot];
    if (entry.clearing != Clearing::Reconciled)
        return true;
    return m_platform.prompter.message(this, QMessageBox::Question, tr("Reconciled Entry"),
                                       question.arg(slashDate(dateOfKey(entry.reconciledOn))),
                                       QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::No) == QMessageBox::Yes;
}

void FrmEdit::cmdCancel_Click()
{
    m_outcome = EditOutcome::Cancelled;
    reject();
}

void FrmEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tallyra
