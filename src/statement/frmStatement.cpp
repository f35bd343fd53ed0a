// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/frmStatement.h"

#include "entry/ChangeBoxes.h"
#include "entry/MoneyFormat.h"
#include "platform/Contrast.h"
#include "platform/Controls.h"
#include "platform/TableControls.h"
#include "platform/WindowSize.h"
#include "register/DateText.h"
#include "statement/StatementText.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

namespace tallyra {

namespace {

enum Column { Tick, Date, CheckNumber, Payee, Amount, WhatHappens };

// The tint of a payee the register would store otherwise than the statement has it.
constexpr QRgb ChangedTint = 0xFFD200;

QString shownDate(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("M-d-yyyy")) : QString();
}

QString formatName(const Statement &statement, const QString &path)
{
    QString text = QStringLiteral("%1 (%2)").arg(QFileInfo(path).fileName(), statement.format);
    if (statement.startDate.isValid())
        text += FrmStatement::tr(", %1 to %2")
                    .arg(shownDate(statement.startDate), shownDate(statement.endDate));
    return text;
}

} // namespace

FrmStatement::FrmStatement(RegisterDocument &document, Platform &platform, const QString &path,
                           Statement statement, ColumnsAgain rereadColumns, QWidget *parent)
    : QDialog(parent), m_document(document), m_platform(platform), m_path(path),
      m_statement(std::move(statement)), m_rereadColumns(std::move(rereadColumns))
{
    setObjectName(QStringLiteral("frmStatement"));
    setWindowTitle(tr("Import Statement"));
    buildControls();
    showPreview();
    connect(&m_document, &RegisterDocument::registerChanged, this, &FrmStatement::showPreview);
}

void FrmStatement::buildControls()
{
    lblStatement = named(new QLabel, "lblStatement");
    lstTransactions = table(
        "lstTransactions",
        {tr("Add"), tr("Date"), tr("Check Number"), tr("Payee"), tr("Amount"), tr("What happens")},
        tr("Statement transactions"));
    lblCounts = named(new QLabel, "lblCounts");
    cmdAdd = button("cmdAdd", tr("&Add"),
                    tr("Add the ticked transactions to the register and mark every entry the "
                       "statement shows cleared"));
    cmdAdd->setDefault(true);
    cmdColumns = button("cmdColumns", tr("C&olumns..."),
                        tr("Say again which column of the file holds what"));
    cmdColumns->setVisible(bool(m_rereadColumns));
    cmdClose = button("cmdClose", tr("&Close"), tr("Close this window"));

    frmReconcile = named(new QGroupBox(tr("Reconcile")), "frmReconcile");
    txtEndingBalance = named(new QLineEdit, "txtEndingBalance");
    txtEndingBalance->setPlaceholderText(tr("as printed on the statement"));
    txtEndingBalance->installEventFilter(this);
    dtpEndDate = named(new QDateEdit, "dtpEndDate");
    dtpEndDate->setDisplayFormat(QStringLiteral("M-d-yyyy"));
    dtpEndDate->setCalendarPopup(true);
    lblStartingBalance = named(new QLabel, "lblStartingBalance");
    lblClearedBalance = named(new QLabel, "lblClearedBalance");
    lstOutstanding =
        table("lstOutstanding", {tr("Date"), tr("Check Number"), tr("Payee"), tr("Amount")},
              tr("Outstanding entries"));
    lblOutstanding = named(new QLabel, "lblOutstanding");
    lblResult = named(new QLabel, "lblResult");
    QFont bold = lblResult->font();
    bold.setBold(true);
    lblResult->setFont(bold);
    cmdFinish = button("cmdFinish", tr("&Finish Reconciliation"),
                       tr("Add and mark as Add does, then mark the statement's entries "
                          "reconciled on its end date"));

    if (m_statement.endingBalanceCents)
        txtEndingBalance->setText(formatMoney(*m_statement.endingBalanceCents));
    dtpEndDate->setDate(m_statement.endDate.isValid() ? m_statement.endDate
                                                      : m_platform.clock.today());

    auto *form = new QFormLayout;
    form->addRow(caption("lblEndingBalance", tr("Statement's &ending balance:"), txtEndingBalance),
                 txtEndingBalance);
    form->addRow(caption("lblEndDate", tr("On the statement's end &date:"), dtpEndDate),
                 dtpEndDate);
    form->addRow(caption("lblStarting", tr("Starting balance:"), lblStartingBalance),
                 lblStartingBalance);
    form->addRow(caption("lblCleared", tr("Cleared balance:"), lblClearedBalance),
                 lblClearedBalance);
    auto *reconcile = new QVBoxLayout(frmReconcile);
    reconcile->addLayout(form);
    reconcile->addWidget(caption("lblOutstandingCaption",
                                 tr("O&utstanding: entries not yet reconciled, of any date up to "
                                    "the end, that are not on the statement"),
                                 lstOutstanding));
    reconcile->addWidget(lstOutstanding, 1);
    reconcile->addWidget(lblOutstanding);
    auto *finish = new QHBoxLayout;
    finish->addWidget(lblResult, 1);
    finish->addWidget(cmdFinish);
    reconcile->addLayout(finish);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblCounts, 1);
    buttons->addWidget(cmdColumns);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);
    auto *whole = new QVBoxLayout(this);
    whole->addWidget(lblStatement);
    whole->addWidget(caption("lblTransactions", tr("&Transactions:"), lstTransactions));
    whole->addWidget(lstTransactions, 3);
    whole->addLayout(buttons);
    whole->addWidget(frmReconcile, 2);

    connect(cmdAdd, &QPushButton::clicked, this, &FrmStatement::cmdAdd_Click);
    connect(cmdFinish, &QPushButton::clicked, this, &FrmStatement::cmdFinish_Click);
    connect(lstTransactions, &QTableWidget::itemChanged, this, &FrmStatement::showReconciliation);
    lstTransactions->installEventFilter(this);
    connect(cmdColumns, &QPushButton::clicked, this, &FrmStatement::cmdColumns_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(txtEndingBalance, &QLineEdit::textChanged, this, &FrmStatement::showReconciliation);
    connect(dtpEndDate, &QDateEdit::dateChanged, this, &FrmStatement::showReconciliation);
    sizeToScreen(this, {860, 680});
}

bool FrmStatement::eventFilter(QObject *watched, QEvent *event)
{
    // The preview's colours follow the list's own change of colours: the window's comes
    // before the list has taken the new ones.
    if (watched == lstTransactions && event->type() == QEvent::PaletteChange)
        colourPreview();
    // Enter after typing the balance settles it; it must not add the transactions.
    if (watched == txtEndingBalance && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            showReconciliation();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmStatement::showPreview()
{
    const Checkbook &book = m_document.book();
    m_rows = previewStatement(book, m_statement);
    lblStatement->setText(formatName(m_statement, m_path));
    // Filled quietly: the reconciliation follows once, below.
    const QSignalBlocker quiet(lstTransactions);
    lstTransactions->setRowCount(int(m_rows.size()));
    int counts[3] = {};
    int toMark = 0;
    for (int r = 0; r < m_rows.size(); ++r) {
        const PreviewRow &row = m_rows[r];
        ++counts[int(row.disposition)];
        if (row.matchedSlot > 0 && book.slot[row.matchedSlot].clearing == Clearing::NotCleared)
            ++toMark;
        auto *tick = cell(QString());
        if (row.disposition == Disposition::New) {
            tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            tick->setCheckState(Qt::Checked);
        } else {
            tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        lstTransactions->setItem(r, Tick, tick);
        lstTransactions->setItem(r, Date, cell(shownDate(row.date)));
        lstTransactions->setItem(r, CheckNumber, cell(row.checkNumber));
        auto *payee = cell(row.payee);
        if (row.disposition == Disposition::New && !row.changed.isEmpty())
            payee->setToolTip(row.changed.shown);
        lstTransactions->setItem(r, Payee, payee);
        lstTransactions->setItem(r, Amount, cell(formatMoney(row.amountCents), Qt::AlignRight));
        lstTransactions->setItem(r, WhatHappens, cell(dispositionText(row)));
    }
    colourPreview();
    lstTransactions->resizeColumnsToContents();
    lblCounts->setText(tr("%1 new, %2 already in the register, %3 cannot be added")
                           .arg(counts[0])
                           .arg(counts[1])
                           .arg(counts[2]));
    cmdAdd->setEnabled(counts[0] > 0 || toMark > 0);
    showReconciliation();
}

// A payee stored otherwise than the statement has it is tinted amber; what cannot be added is
// in red and what is already there in a grey, each as the colour scheme lets it read.
void FrmStatement::colourPreview()
{
    const QPalette colours = lstTransactions->palette();
    const QColor base = colours.color(QPalette::Base);
    const QColor text = colours.color(QPalette::Text);
    const QColor changed = readableTint(base, QColor(ChangedTint), text, 0.4);
    const QColor cannotAdd = readableRed(base);
    const QColor placeholder = over(colours.color(QPalette::PlaceholderText), base);
    const QColor alreadyThere = contrastRatio(placeholder, base) >= ReadableContrast
                                    ? placeholder
                                    : readableTone(blend(text, base, 0.4), base);
    const QSignalBlocker quiet(lstTransactions);
    for (int r = 0; r < m_rows.size() && r < lstTransactions->rowCount(); ++r) {
        const PreviewRow &row = m_rows[r];
        if (row.disposition == Disposition::New && !row.changed.isEmpty())
            lstTransactions->item(r, Payee)->setBackground(changed);
        if (row.disposition == Disposition::CannotAdd)
            lstTransactions->item(r, WhatHappens)->setForeground(cannotAdd);
        else if (row.disposition == Disposition::AlreadyThere)
            lstTransactions->item(r, WhatHappens)->setForeground(alreadyThere);
    }
}

std::optional<qint64> FrmStatement::typedBalance() const
{
    return parseAmount(txtEndingBalance->text().trimmed(), DecimalMark::Point);
}

void FrmStatement::showReconciliation()
{
    const Checkbook &book = m_document.book();
    // The register as Add would leave it; as it is while the ticked rows do not fit.
    const ImportPlan plan = planImport(book, m_rows, tickedRows());
    const Checkbook &after = plan.after ? *plan.after : book;
    const QString typed = txtEndingBalance->text().trimmed();
    const std::optional<qint64> balance = typedBalance();
    const qint32 end = dateKey(dtpEndDate->date());
    const Reconciliation result = reconcileImport(after, m_document.companion(), end, balance);

    lblStartingBalance->setText(formatMoney(result.startingCents));
    lblClearedBalance->setText(formatMoney(result.clearedCents));
    lstOutstanding->setRowCount(int(result.outstandingSlots.size()));
    for (int r = 0; r < result.outstandingSlots.size(); ++r) {
        const Entry &entry = after.slot[result.outstandingSlots[r]];
        lstOutstanding->setItem(r, 0, cell(dashDate(entry)));
        lstOutstanding->setItem(r, 1, cell(entry.checkNumber));
        lstOutstanding->setItem(r, 2, cell(entry.payee));
        lstOutstanding->setItem(r, 3, cell(formatMoney(netCents(entry)), Qt::AlignRight));
    }
    lstOutstanding->resizeColumnsToContents();
    lblOutstanding->setText(tr("Outstanding deposits %1, outstanding withdrawals %2")
                                .arg(formatMoney(result.outstandingDeposits),
                                     formatMoney(result.outstandingWithdrawals)));
    cmdFinish->setEnabled(plan.after && canFinishImport(result, m_document.companion(), end));
    if (!balance) {
        lblResult->setText(typed.isEmpty() ? tr("Type the statement's ending balance to reconcile.")
                                           : tr("The ending balance is no amount."));
        setTextColour(lblResult, !typed.isEmpty());
        return;
    }
    lblResult->setText(result.balanced()
                           ? tr("Balanced")
                           : tr("Difference: %1").arg(formatMoney(*result.difference)));
    setTextColour(lblResult, !result.balanced());
}

QList<bool> FrmStatement::tickedRows() const
{
    QList<bool> ticked;
    for (int r = 0; r < lstTransactions->rowCount(); ++r)
        ticked << (lstTransactions->item(r, Tick)->checkState() == Qt::Checked);
    return ticked;
}

void FrmStatement::cmdAdd_Click()
{
    const ImportPlan plan = planImport(m_document.book(), m_rows, tickedRows());
    if (plan.ticked == 0 && plan.marked == 0) {
        m_platform.prompter.message(this, QMessageBox::Information, tr("Import Statement"),
                                    tr("No transaction is ticked."));
        return;
    }
    if (!plan.after) {
        m_platform.prompter.message(
            this, QMessageBox::Warning, tr("Not Enough Room"),
            tr("Only %1 of the %n ticked transactions fit in the register's free slots.\r\n"
               "Untick %2 of them and press Add again.",
               nullptr, plan.ticked)
                .arg(plan.fits)
                .arg(plan.ticked - plan.fits));
        return;
    }
    if (!apply(*plan.after, m_document.companion(),
               importChangeName(plan.added, plan.marked, m_path)))
        return;
    lblCounts->setText(tr("%n transactions were added.", nullptr, plan.added) + u' ' +
                       tr("%1 marked cleared.").arg(plan.marked));
}

void FrmStatement::cmdFinish_Click()
{
    const std::optional<qint64> balance = typedBalance();
    const ImportPlan plan = planImport(m_document.book(), m_rows, tickedRows());
    const qint32 end = dateKey(dtpEndDate->date());
    if (!balance || !plan.after ||
        !canFinishImport(reconcileImport(*plan.after, m_document.companion(), end, balance),
                         m_document.companion(), end))
        return;
    // Two steps, as Add and then the reconcile window's Finish would take them: undoing the
    // reconciliation leaves the statement's entries in the register, cleared.
    if ((plan.added > 0 || plan.marked > 0) &&
        !apply(*plan.after, m_document.companion(),
               importChangeName(plan.added, plan.marked, m_path)))
        return;
    auto reconciled = std::make_unique<Checkbook>(m_document.book());
    Companion companion = m_document.companion();
    finishImport(*reconciled, companion, end, *balance);
    const ChangeResult result = m_document.replace(
        *reconciled, companion, tr("reconcile to %1").arg(slashDate(dtpEndDate->date())));
    showPreview();
    if (reportChange(m_platform.prompter, this, result))
        accept();
}

bool FrmStatement::apply(const Checkbook &after, const Companion &companionAfter,
                         const QString &what)
{
    const ChangeResult result = m_document.replace(after, companionAfter, what, ImportKeepSuffix);
    showPreview();
    return reportChange(m_platform.prompter, this, result);
}

void FrmStatement::cmdColumns_Click()
{
    if (std::optional<Statement> again = m_rereadColumns(this)) {
        m_statement = std::move(*again);
        showPreview();
    }
}

} // namespace tallyra
