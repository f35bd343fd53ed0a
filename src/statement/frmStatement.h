// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "reconcile/Reconcile.h"
#include "register/RegisterDocument.h"
#include "statement/StatementFile.h"
#include "statement/StatementPreview.h"

#include <QDialog>

#include <functional>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tallyra {

// The import window: every transaction of the statement with what Add would do to it, and
// the register as Add would leave it reconciled against the statement's ending balance. Add
// puts in the ticked transactions and marks every entry the statement shows cleared; Finish
// Reconciliation does that and finishes the reconciliation on the statement: each through the
// document as one change.
class FrmStatement : public QDialog
{
    Q_OBJECT

public:
    // `rereadColumns` asks the CSV columns again and gives the statement read with them; it is
    // empty for the other formats.
    using ColumnsAgain = std::function<std::optional<Statement>(QWidget *)>;
    FrmStatement(RegisterDocument &document, Platform &platform, const QString &path,
                 Statement statement, ColumnsAgain rereadColumns = {}, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void showPreview();
    void colourPreview();
    void showReconciliation();
    QList<bool> tickedRows() const;
    std::optional<qint64> typedBalance() const;
    bool apply(const Checkbook &after, const Companion &companionAfter, const QString &what);

    void cmdAdd_Click();
    void cmdFinish_Click();
    void cmdColumns_Click();

    RegisterDocument &m_document;
    Platform &m_platform;
    const QString m_path;
    Statement m_statement;
    ColumnsAgain m_rereadColumns;
    QList<PreviewRow> m_rows;

    QLabel *lblStatement = nullptr;
    QTableWidget *lstTransactions = nullptr;
    QLabel *lblCounts = nullptr;
    QGroupBox *frmReconcile = nullptr;
    QLineEdit *txtEndingBalance = nullptr;
    QDateEdit *dtpEndDate = nullptr;
    QLabel *lblStartingBalance = nullptr;
    QLabel *lblClearedBalance = nullptr;
    QTableWidget *lstOutstanding = nullptr;
    QLabel *lblOutstanding = nullptr;
    QLabel *lblResult = nullptr;
    QPushButton *cmdFinish = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdColumns = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace tallyra
