// SPDX-License-Identifier: GPL-3.0-or-later
#include "reconcile/frmReconcile.h"

#include "app/RegisterBoxes.h"
#include "entry/ChangeBoxes.h"
#include "entry/EntryFields.h"
#include "entry/MoneyFormat.h"
#include "entry/PlaceEntry.h"
#include "platform/Platform.h"
#include "platform/TableControls.h"
#include "platform/WindowSize.h"
#include "register/DateText.h"
#include "statement/StatementText.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyra {

namespace {

enum Column { Tick, Date, CheckNumber, Payee, Amount };

// The slot a row shows, kept in its box's cell.
constexpr int SlotRole = Qt::UserRole;

QTableWidget *entryTable(const char *name, const QString &accessible)
{
    QTableWidget *list =
        table(name,
              {QString(), FrmReconcile::tr("Date"), FrmReconcile::tr("Check Number"),
               FrmReconcile::tr("Payee"), FrmReconcile::tr("Amount")},
              accessible);
    list->horizontalHeader()->setStretchLastSection(false);
    list->horizontalHeader()->setSectionResizeMode(Payee, QHeaderView::Stretch);
    // A payee too long for its column is cut short on one line, not wrapped over two.
    list->setWordWrap(false);
    list->setTextElideMode(Qt::ElideRight);
    return list;
}

// A typed amount, as the statement prints it: with or without "$", commas or a sign.
QString editableMoney(qint64 cents)
{
    return formatMoney(cents).remove(u'$');
}

} // namespace

FrmReconcile::FrmReconcile(RegisterDocument &document, Platform &platform, QWidget *parent)
    : QDialog(parent), m_document(document), m_platform(platform),
      m_ticked(clearedTicks(document.book()))
{
    setObjectName(QStringLiteral("frmReconcile"));
    setWindowTitle(tr("Reconcile"));
    buildControls();
    const Companion &companion = document.companion();
    {
        const QSignalBlocker quiet(dtpEndDate);
        dtpEndDate->setDate(suggestedEndDate(companion, platform.clock.today()));
    }
    if (companion.later)
        txtEndingBalance->setText(editableMoney(companion.later->endingCents));
    lblStartingBalance->setText(formatMoney(lastReconciledCents(companion)));
    showEntries();
    // Top to bottom: the end date printed on the statement, then its ending balance.
    dtpEndDate->setFocus();
}

void FrmReconcile::buildControls()
{
    dtpEndDate = named(new QDateEdit, "dtpEndDate");
    dtpEndDate->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    dtpEndDate->setCalendarPopup(true);
    txtEndingBalance = named(new QLineEdit, "txtEndingBalance");
    lblStartingBalance = named(new QLabel, "lblStartingBalance");
    lblClearedBalance = named(new QLabel, "lblClearedBalance");
    lblDifference = named(new QLabel, "lblDifference");
    for (QLabel *figure : {lblStartingBalance, lblClearedBalance, lblDifference})
        figure->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    auto *figures = new QFormLayout;
    figures->addRow(caption("lblEndDate", tr("Statement &end date:"), dtpEndDate), dtpEndDate);
    figures->addRow(caption("lblEndingBalance", tr("Ending &balance:"), txtEndingBalance),
                    txtEndingBalance);
    figures->addRow(caption("lblStarting", tr("Starting balance:"), lblStartingBalance),
                    lblStartingBalance);

    lstDeposits = entryTable("lstDeposits", tr("Deposits"));
    lstWithdrawals = entryTable("lstWithdrawals", tr("Withdrawals"));
    auto *lists = new QHBoxLayout;
    for (auto [list, title] : {std::pair{lstDeposits, tr("&Deposits and credits")},
                               std::pair{lstWithdrawals, tr("&Withdrawals and checks")}}) {
        auto *column = new QVBoxLayout;
        column->addWidget(caption("", title, list));
        column->addWidget(list);
        lists->addLayout(column);
        connect(list, &QTableWidget::itemChanged, this, &FrmReconcile::table_ItemChanged);
    }

    auto *results = new QFormLayout;
    results->addRow(caption("lblCleared", tr("Cleared balance:"), lblClearedBalance),
                    lblClearedBalance);
    results->addRow(caption("lblDifferenceCaption", tr("Difference:"), lblDifference),
                    lblDifference);

    cmdAddEntry = button("cmdAddEntry", tr("&Add Entry..."),
                         tr("Add a fee, interest or anything else the statement shows that the "
                            "register lacks"));
    cmdFinish = button("cmdFinish", tr("&Finish"),
                       tr("Mark the ticked entries reconciled on this statement"));
    cmdLater = button("cmdLater", tr("&Later"),
                      tr("Keep the ticks as cleared and the figures for next time"));
    cmdCancel = button("cmdCancel", tr("&Cancel"), tr("Close without changing anything"));
    cmdFinish->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddEntry);
    buttons->addStretch(1);
    buttons->addWidget(cmdFinish);
    buttons->addWidget(cmdLater);
    buttons->addWidget(cmdCancel);

    auto *whole = new QVBoxLayout(this);
    whole->addLayout(figures);
    whole->addLayout(lists, 1);
    whole->addLayout(results);
    whole->addLayout(buttons);

    connect(dtpEndDate, &QDateEdit::dateChanged, this, &FrmReconcile::showEntries);
    connect(txtEndingBalance, &QLineEdit::textChanged, this, &FrmReconcile::showDifference);
    connect(cmdAddEntry, &QPushButton::clicked, this, &FrmReconcile::cmdAddEntry_Click);
    connect(cmdFinish, &QPushButton::clicked, this, &FrmReconcile::cmdFinish_Click);
    connect(cmdLater, &QPushButton::clicked, this, &FrmReconcile::cmdLater_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabChain({dtpEndDate, txtEndingBalance, lstDeposits, lstWithdrawals, cmdAddEntry, cmdFinish,
                 cmdLater, cmdCancel});
    // Enough for a statement's worth of lines, within the screen.
    sizeToScreen(this, {760, 520});
}

// The entries open on the end date, deposits and withdrawals apart, each with its box.
void FrmReconcile::showEntries()
{
    const Checkbook &book = m_document.book();
    const QList<int> open = openSlots(book, dateKey(dtpEndDate->date()));
    for (QTableWidget *list : {lstDeposits, lstWithdrawals}) {
        const QSignalBlocker quiet(list);
        list->setRowCount(0);
    }
    for (int slot : open) {
        const Entry &entry = book.slot[slot];
        QTableWidget *list = entry.depositCents > 0 ? lstDeposits : lstWithdrawals;
        const QSignalBlocker quiet(list);
        const int row = list->rowCount();
        list->insertRow(row);
        auto *tick = cell(QString());
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        tick->setCheckState(m_ticked[slot] ? Qt::Checked : Qt::Unchecked);
        tick->setData(SlotRole, slot);
        tick->setData(Qt::AccessibleTextRole, entryDescription(entry));
        list->setItem(row, Tick, tick);
        list->setItem(row, Date, cell(slashDate(entry)));
        list->setItem(row, CheckNumber, cell(entry.checkNumber));
        list->setItem(row, Payee, cell(entry.payee));
        const qint64 amount = entry.depositCents > 0 ? entry.depositCents : entry.withdrawalCents;
        list->setItem(row, Amount, cell(formatMoney(amount), Qt::AlignRight));
    }
    for (QTableWidget *list : {lstDeposits, lstWithdrawals}) {
        for (int column : {Tick, Date, CheckNumber, Amount})
            list->resizeColumnToContents(column);
        if (list->rowCount() > 0 && !list->currentItem())
            list->setCurrentCell(0, Tick);
    }
    showDifference();
}

std::optional<qint64> FrmReconcile::typedBalance() const
{
    return parseAmount(txtEndingBalance->text().trimmed(), DecimalMark::Point);
}

void FrmReconcile::showDifference()
{
    const std::optional<qint64> balance = typedBalance();
    m_shown = reconcile(m_document.book(), m_document.companion(), dateKey(dtpEndDate->date()),
                        m_ticked, balance);
    lblClearedBalance->setText(formatMoney(m_shown.clearedCents));
    const bool typed = !txtEndingBalance->text().trimmed().isEmpty();
    if (!balance)
        lblDifference->setText(typed ? tr("The ending balance is no amount.")
                                     : tr("Type the statement's ending balance."));
    else
        lblDifference->setText(formatMoney(*m_shown.difference));
    setTextColour(lblDifference, (typed && !balance) || (balance && !m_shown.balanced()));
    cmdFinish->setEnabled(m_shown.balanced());
    cmdLater->setEnabled(balance.has_value());
}

void FrmReconcile::table_ItemChanged(QTableWidgetItem *item)
{
    if (item->column() != Tick)
        return;
    m_ticked[item->data(SlotRole).toInt()] = item->checkState() == Qt::Checked;
    showDifference();
}

void FrmReconcile::cmdAddEntry_Click()
{
    if (m_document.book().entryCount >= MaxEntries) {
        tellRegisterFull(m_platform.prompter, this);
        return;
    }
    FrmReconcileEntry window(m_document.book(), m_platform, this);
    if (window.exec() != QDialog::Accepted || !window.added())
        return;
    auto after = std::make_unique<Checkbook>(*window.added());
    const int slot = window.addedSlot();
    after->slot[slot].clearing = Clearing::Cleared;
    if (!save(*after, m_document.companion(),
              tr("add %1").arg(entryDescription(after->slot[slot]))))
        return;
    // The entries from the new one on moved down a slot; its box is ticked.
    m_ticked.insert(slot, true);
    showEntries();
}

void FrmReconcile::cmdFinish_Click()
{
    const std::optional<qint64> balance = typedBalance();
    if (!balance || !m_shown.balanced())
        return;
    auto after = std::make_unique<Checkbook>(m_document.book());
    Companion companion = m_document.companion();
    const qint32 end = dateKey(dtpEndDate->date());
    finishReconciliation(*after, companion, end, *balance, m_ticked);
    if (save(*after, companion, tr("reconcile to %1").arg(slashDate(dtpEndDate->date()))))
        accept();
}

void FrmReconcile::cmdLater_Click()
{
    const std::optional<qint64> balance = typedBalance();
    if (!balance)
        return;
    auto after = std::make_unique<Checkbook>(m_document.book());
    Companion companion = m_document.companion();
    putOffReconciliation(*after, companion, dateKey(dtpEndDate->date()), *balance, m_ticked);
    // Nothing new to keep: nothing to write, and no step in the history.
    if (formatCompanion(*after, companion) ==
        formatCompanion(m_document.book(), m_document.companion())) {
        accept();
        return;
    }
    if (save(*after, companion, tr("reconcile later")))
        accept();
}

bool FrmReconcile::save(const Checkbook &after, const Companion &companionAfter,
                        const QString &what)
{
    return reportChange(m_platform.prompter, this, m_document.replace(after, companionAfter, what));
}

struct FrmReconcileEntry::Fields
{
    QComboBox *month = entryCombo("txtMonth");
    QComboBox *day = entryCombo("txtDay");
    QComboBox *year = entryCombo("txtYear");
    QComboBox *checkNumber = entryCombo("cmbCheckNum");
    QComboBox *payee = entryCombo("cmbPayee");
    QComboBox *dollars = entryCombo("txtDollar");
    QComboBox *cents = entryCombo("txtCent");
    QRadioButton *withdrawal = named(new QRadioButton(tr("Withdrawal")), "optWithdrawl");
    QRadioButton *deposit = named(new QRadioButton(tr("Deposit")), "optDeposit");
    QRadioButton *neither = named(new QRadioButton(tr("Neither")), "optNeither");

    EntryFields entry() const
    {
        return {year,  month,      day,     checkNumber, payee,          dollars,
                cents, withdrawal, deposit, neither,     MainYearMessage};
    }
    static QString tr(const char *text) { return FrmReconcileEntry::tr(text); }
};

FrmReconcileEntry::FrmReconcileEntry(const Checkbook &book, Platform &platform, QWidget *parent)
    : QDialog(parent), m_book(book), m_platform(platform), m_fields(std::make_unique<Fields>())
{
    setObjectName(QStringLiteral("frmReconcileEntry"));
    setWindowTitle(tr("Add Entry"));
    Fields &f = *m_fields;
    const QDate today = platform.clock.today();
    f.month->setEditText(QString::number(today.month()));
    f.day->setEditText(QString::number(today.day()));
    f.year->setEditText(QString::number(today.year()));
    f.checkNumber->addItems({QStringLiteral("ATM"), QStringLiteral("DEP"), QStringLiteral("TMP"),
                             QStringLiteral("TXFR")});
    f.checkNumber->setEditText(QStringLiteral("ATM"));
    f.dollars->setEditText(QStringLiteral("0"));
    f.cents->setEditText(QStringLiteral("00"));
    f.cents->setAccessibleName(tr("Cents"));
    f.withdrawal->setChecked(true);
    tabToChosenOption({f.withdrawal, f.deposit, f.neither});

    auto *type = named(new QGroupBox(tr("Type")), "frmType");
    auto *types = new QHBoxLayout(type);
    for (QRadioButton *option : {f.withdrawal, f.deposit, f.neither})
        types->addWidget(option);
    auto *cmdAdd = button("cmdAdd", tr("&Add"), tr("Add the entry, cleared"));
    auto *cmdCancel = button("cmdCancel", tr("&Cancel"), tr("Close without adding"));
    cmdAdd->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(caption("Label1", tr("Month"), f.month), 0, 0);
    grid->addWidget(caption("Label2", tr("Day"), f.day), 0, 1);
    grid->addWidget(caption("Label3", tr("Year"), f.year), 0, 2);
    grid->addWidget(caption("Label4", tr("Check Number"), f.checkNumber), 0, 3);
    grid->addWidget(caption("Label5", tr("Payee"), f.payee), 0, 4);
    grid->addWidget(f.month, 1, 0);
    grid->addWidget(f.day, 1, 1);
    grid->addWidget(f.year, 1, 2);
    grid->addWidget(f.checkNumber, 1, 3);
    grid->addWidget(f.payee, 1, 4);
    grid->addWidget(caption("Label6", tr("Amount"), f.dollars), 2, 0, 1, 2);
    grid->addLayout(amountRow(f.dollars, f.cents), 3, 0, 1, 3);
    grid->addWidget(type, 2, 3, 2, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 4, 0, 1, 5);
    grid->setColumnStretch(4, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabChain({f.month, f.day, f.year, f.checkNumber, f.payee, f.dollars, f.cents, f.withdrawal,
                 f.deposit, f.neither, cmdAdd, cmdCancel});
    f.month->setFocus();

    connect(cmdAdd, &QPushButton::clicked, this, &FrmReconcileEntry::cmdAdd_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

FrmReconcileEntry::~FrmReconcileEntry() = default;

void FrmReconcileEntry::cmdAdd_Click()
{
    const EntryFields fields = m_fields->entry();
    if (!validateEntryFields(fields, m_platform.prompter) ||
        !confirmEntry(fields, AddingHeading, m_platform.prompter))
        return;
    auto added = std::make_unique<Checkbook>(m_book);
    const std::optional<int> slot = placeEntry(*added, entryTexts(fields), selectedType(fields));
    if (!slot)
        return;
    m_added = std::move(added);
    m_slot = *slot;
    accept();
}

} // namespace tallyra
