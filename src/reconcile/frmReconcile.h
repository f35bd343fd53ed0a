// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "reconcile/Reconcile.h"
#include "register/RegisterDocument.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace tallyra {

struct Platform;

// Balancing the register against a bank statement, on paper or not: the statement's end date
// and ending balance, every entry not yet reconciled up to that date with a box to tick the
// ones the statement shows, and the difference, live. Finish settles them; Later keeps the
// ticks and the figures for next time. An entry the register lacks (a fee, interest) is added
// from here, ticked.
class FrmReconcile : public QDialog
{
    Q_OBJECT

public:
    FrmReconcile(RegisterDocument &document, Platform &platform, QWidget *parent = nullptr);

    // What the window shows now, for tests and the benchmark.
    Reconciliation shown() const { return m_shown; }

private:
    void buildControls();
    void showEntries();
    void showDifference();
    std::optional<qint64> typedBalance() const;
    void table_ItemChanged(QTableWidgetItem *item);
    void cmdAddEntry_Click();
    void cmdFinish_Click();
    void cmdLater_Click();
    bool save(const Checkbook &after, const Companion &companionAfter, const QString &what);

    RegisterDocument &m_document;
    Platform &m_platform;
    // The boxes, by slot of the document's register.
    Ticks m_ticked;
    Reconciliation m_shown;

    QDateEdit *dtpEndDate = nullptr;
    QLineEdit *txtEndingBalance = nullptr;
    QLabel *lblStartingBalance = nullptr;
    QTableWidget *lstDeposits = nullptr;
    QTableWidget *lstWithdrawals = nullptr;
    QLabel *lblClearedBalance = nullptr;
    QLabel *lblDifference = nullptr;
    QPushButton *cmdAddEntry = nullptr;
    QPushButton *cmdFinish = nullptr;
    QPushButton *cmdLater = nullptr;
    QPushButton *cmdCancel = nullptr;
};

// Adds one entry to the register from the reconcile window: the same fields, checks and
// summary as the main window's, through the 1000-entry limit. The entry goes in cleared.
class FrmReconcileEntry : public QDialog
{
    Q_OBJECT

public:
    FrmReconcileEntry(const Checkbook &book, Platform &platform, QWidget *parent = nullptr);
    ~FrmReconcileEntry() override;

    // The register with the entry placed, and its slot, once Add was pressed.
    const Checkbook *added() const { return m_added.get(); }
    int addedSlot() const { return m_slot; }

private:
    void cmdAdd_Click();

    const Checkbook &m_book;
    Platform &m_platform;
    std::unique_ptr<Checkbook> m_added;
    int m_slot = 0;
    struct Fields;
    std::unique_ptr<Fields> m_fields;
};

} // namespace tallyra
