// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryChecks.h"
#include "entry/PlaceEntry.h"
#include "reconcile/Reconcile.h"
#include "register/Checkbook.h"
#include "register/Companion.h"
#include "statement/Statement.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace tallyra {

// What the import does with one statement transaction.
enum class Disposition { New, AlreadyThere, CannotAdd };

// One line of the preview: the transaction as the register would store it and what happens
// to it.
struct PreviewRow
{
    QDate date;
    QString checkNumber; // as stored: the statement's own, else ATM, DEP or TXFR
    QString payee;       // as stored: capitals, characters the file cannot hold replaced
    qint64 amountCents = 0;
    Disposition disposition = Disposition::New;
    ProblemText reason;  // why it cannot be added
    ProblemText changed; // which characters were replaced, for the user to see
    int matchedSlot = 0; // the register entry it is already, 1-based; 0 for none
    EntryTexts texts;    // what Add hands to placeEntry
    EntryType type = EntryType::Withdrawal;
};

// For each transaction the register slot (1-based) it is already in, or 0. The statement's own
// check number and the same amount match first, wherever the entry's date; then the same
// amount (a deposit never matches a withdrawal) within 4 days either side, the nearest day
// first. Two checks with different numbers never match each other. Each register entry
// matches at most one transaction. Transactions that cannot be read match nothing.
QList<int> matchStatement(const Checkbook &book, const Statement &statement);

// The preview of the whole statement against the register, in the statement's order.
QList<PreviewRow> previewStatement(const Checkbook &book, const Statement &statement);

// "New", "Already in the register" or "Cannot be added: <reason>"; a new one with the
// characters that it would store differently after it.
QString dispositionText(const PreviewRow &row);

// The register with the ticked new rows added in date order and every entry the statement
// shows, found or added, cleared (one already reconciled stays reconciled); nothing when the
// new rows do not all fit in the free slots, and `fits` says how many would.
struct ImportPlan
{
    std::unique_ptr<Checkbook> after;
    int added = 0;
    int fits = 0;
    int ticked = 0;
    int marked = 0; // entries that were not cleared and are now: the added ones and the found
};
ImportPlan planImport(const Checkbook &book, const QList<PreviewRow> &rows,
                      const QList<bool> &ticked);

// The statement ending on `endDate` (a dateKey) against the register as the import leaves it
// (`after`): the reconcile window's rule, with the cleared marks as its ticks, so that every
// entry not yet reconciled up to the end is outstanding unless the statement shows it.
Reconciliation reconcileImport(const Checkbook &after, const Companion &companion, qint32 endDate,
                               std::optional<qint64> endingBalance);

// Whether the import may finish the reconciliation: balanced, on a statement that ends after
// the last one finished.
bool canFinishImport(const Reconciliation &figures, const Companion &companion, qint32 endDate);

// Finishes the reconciliation on the register as the import leaves it: its cleared entries up
// to the end become reconciled on that date, and the statement is recorded.
void finishImport(Checkbook &after, Companion &companion, qint32 endDate, qint64 endingBalance);

// The short name of the change in the register's history: "import 12 transactions from
// june.ofx, mark 15 cleared", or "mark 3 cleared from june.ofx" when it adds nothing.
QString importChangeName(int added, int marked, const QString &path);

// The kept copy of the data file that an import makes first: default.dat.before-import.
inline const QString ImportKeepSuffix = QStringLiteral("before-import");

} // namespace tallyra
