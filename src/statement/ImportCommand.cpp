// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/ImportCommand.h"

#include "entry/MoneyFormat.h"
#include "reconcile/Reconcile.h"
#include "register/DateText.h"
#include "register/FileStore.h"
#include "statement/StatementFile.h"
#include "statement/StatementPreview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tallyra {

namespace {

// What goes to standard error is for people and translated; the lines on standard output are
// read by programs too and stay English.
QString errorLine(const QString &why)
{
    return QStringLiteral("tallyra: %1\n").arg(why);
}

ImportOutcome refuse(int status, const QString &why)
{
    return {status, {}, errorLine(why)};
}

QString lineOf(const PreviewRow &row)
{
    QString what;
    switch (row.disposition) {
    case Disposition::New:
        what = QStringLiteral("new");
        break;
    case Disposition::AlreadyThere:
        what = QStringLiteral("duplicate");
        break;
    case Disposition::CannotAdd:
        what = QStringLiteral("refused");
        break;
    }
    QString line = QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(what, -9)
                       .arg(row.date.isValid() ? isoDate(row.date) : QStringLiteral("no date   "))
                       .arg(row.checkNumber, -6)
                       .arg(formatMoney(row.amountCents), 14)
                       .arg(row.payee);
    if (row.disposition == Disposition::AlreadyThere)
        line += QStringLiteral(" (entry %1)").arg(row.matchedSlot);
    if (row.disposition == Disposition::CannotAdd)
        line += QStringLiteral(": ") + row.reason.english;
    if (row.disposition == Disposition::New && !row.changed.isEmpty())
        line += QStringLiteral(" (%1)").arg(row.changed.english);
    return line + u'\n';
}

QString count(qsizetype n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// The statement against the register as the import leaves it: the figures the import window
// shows, then what the summary line ends with; nothing when the statement gives no balance.
struct Figures
{
    QString lines;
    QString verdict;
};

Figures figuresOf(const Checkbook &after, const Companion &companion, const Statement &statement)
{
    if (!statement.endingBalanceCents || !statement.endDate.isValid())
        return {};
    const Reconciliation result =
        reconcileImport(after, companion, dateKey(statement.endDate), statement.endingBalanceCents);
    Figures figures;
    figures.lines =
        QStringLiteral("Starting balance %1, outstanding deposits %2, outstanding withdrawals %3\n")
            .arg(formatMoney(result.startingCents), formatMoney(result.outstandingDeposits),
                 formatMoney(result.outstandingWithdrawals));
    figures.verdict = result.balanced()
                          ? QStringLiteral("Balanced")
                          : QStringLiteral("Difference %1").arg(formatMoney(*result.difference));
    figures.lines +=
        QStringLiteral("On %1 the statement's balance is %2 and the cleared balance %3 with "
                       "%4 outstanding: %5\n")
            .arg(isoDate(statement.endDate), formatMoney(*statement.endingBalanceCents),
                 formatMoney(result.clearedCents),
                 count(result.outstandingSlots.size(), "entry", "entries"), figures.verdict);
    return figures;
}

// The summary line: what came of the import, then whether the register balances.
QString summaryLine(const QString &tally, const QString &done, const Figures &figures)
{
    return tally + done + (figures.verdict.isEmpty() ? QString() : u' ' + figures.verdict) + u'\n';
}

// The mapping a CSV file is read by, or the outcome that ends the run.
std::optional<ImportOutcome> csvMapping(const StatementFile &file, const ImportRequest &request,
                                        Settings &settings, CsvMapping &mapping)
{
    const QString heading = file.table.headerLine();
    if (!request.csvColumns.isEmpty()) {
        QString error;
        const std::optional<CsvMapping> given =
            csvMappingFromRoles(request.csvColumns, file.table, &error);
        if (!given)
            return refuse(ImportUsage, error);
        mapping = *given;
        return std::nullopt;
    }
    if (const std::optional<QString> remembered = settings.csvMapping(heading)) {
        if (const std::optional<CsvMapping> read = csvMappingFromText(*remembered);
            read && csvMappingProblem(*read, file.table.columnCount()).isEmpty()) {
            mapping = *read;
            return std::nullopt;
        }
    }
    const CsvMapping guess = guessCsvMapping(file.table);
    const qsizetype columns = file.table.columnCount();
    const QString example = csvMappingProblem(guess, columns).isEmpty()
                                ? csvRolesText(guess, columns)
                                : QStringLiteral("date,payee,amount");
    return refuse(ImportUsage,
                  QCoreApplication::translate(
                      "ImportCommand",
                      "no columns are remembered for the heading \"%1\"; say what each "
                      "column holds, e.g. --csv-columns %2")
                      .arg(heading, example));
}

} // namespace

bool namesStandardInput(const QString &file)
{
    // /dev/stdin is taken as standard input, not opened by its name: a pipe there is no file.
    return file == u"-" || file == u"/dev/stdin";
}

ImportOutcome runImport(const ImportRequest &request, RegisterDocument &document,
                        Settings &settings)
{
    const bool fromInput = request.standardInput && namesStandardInput(request.file);
    const QString source =
        fromInput ? QCoreApplication::translate("ImportCommand", "standard input") : request.file;
    const StatementFile file = fromInput ? readStatementStream(*request.standardInput, source)
                                         : openStatementFile(request.file);
    if (!file.error.isEmpty())
        return refuse(ImportNotAStatement, notAStatementText(source, file.error));
    CsvMapping mapping;
    if (file.format == StatementFormat::Csv) {
        if (std::optional<ImportOutcome> ended = csvMapping(file, request, settings, mapping))
            return *ended;
    }
    const StatementRead read = readStatement(file, request.order, mapping);
    if (read.status == StatementRead::Status::NotAStatement)
        return refuse(ImportNotAStatement, notAStatementText(source, read.error));
    if (read.status == StatementRead::Status::NeedsDateOrder)
        return refuse(ImportUsage,
                      QCoreApplication::translate(
                          "ImportCommand",
                          "a date such as %1 reads both month first and day first; say "
                          "which with --date-order mdy or --date-order dmy")
                          .arg(read.ambiguousDate));

    // Named as typed: relative to the folder the command was given in.
    const QString shown = QDir::current().relativeFilePath(document.path());
    // A dry run writes nothing, not even a companion file that does not read set aside.
    if (request.dryRun) {
        document.setReadOnly(true);
    } else if (const std::optional<LockHolder> holder = document.lock()) {
        return refuse(
            ImportRegisterHeld,
            QCoreApplication::translate("ImportCommand",
                                        "%1 is open in %2 (process %3 on %4); nothing was changed")
                .arg(shown, holder->application)
                .arg(holder->pid)
                .arg(holder->host));
    }
    ImportOutcome outcome;
    QString reason;
    switch (document.load(&reason)) {
    case RegisterDocument::LoadResult::Loaded:
        break;
    case RegisterDocument::LoadResult::Missing:
        outcome.output +=
            QStringLiteral("%1 does not exist yet: the register is empty.\n").arg(shown);
        break;
    case RegisterDocument::LoadResult::Unreadable:
        return refuse(ImportNotAdded,
                      QCoreApplication::translate("ImportCommand",
                                                  "%1 cannot be read (%2); nothing was changed")
                          .arg(shown, reason));
    }

    const Checkbook &book = document.book();
    const QList<PreviewRow> rows = previewStatement(book, read.statement);
    qsizetype counts[3] = {};
    for (const PreviewRow &row : rows) {
        outcome.output += lineOf(row);
        ++counts[int(row.disposition)];
    }
    const QString tally = QStringLiteral("%1, %2, %3")
                              .arg(QStringLiteral("%1 new").arg(counts[0]),
                                   count(counts[1], "duplicate", "duplicates"),
                                   QStringLiteral("%1 refused").arg(counts[2]));
    const ImportPlan plan = planImport(book, rows, QList<bool>(rows.size(), true));
    if (request.dryRun || (plan.after && plan.marked == 0)) {
        const Figures figures =
            figuresOf(plan.after ? *plan.after : book, document.companion(), read.statement);
        outcome.output += figures.lines;
        outcome.output +=
            summaryLine(tally,
                        request.dryRun ? QStringLiteral(": nothing changed (dry run).")
                                       : QStringLiteral(": nothing to add."),
                        figures);
        return outcome;
    }

    if (!plan.after) {
        outcome.status = ImportNotAdded;
        outcome.error = errorLine(
            QCoreApplication::translate("ImportCommand",
                                        "only %1 of the %n new transactions fit in the register's "
                                        "free slots; nothing was added",
                                        nullptr, plan.ticked)
                .arg(plan.fits));
        return outcome;
    }
    // The name the copy of the register as it was is about to get.
    const QString keptAs =
        book.entryCount > 0 ? freeCopyName(document.path() + u'.' + ImportKeepSuffix) : QString();
    const ChangeResult result =
        document.replace(*plan.after, document.companion(),
                         importChangeName(plan.added, plan.marked, source), ImportKeepSuffix);
    if (!result.saved()) {
        outcome.status = ImportNotAdded;
        outcome.error =
            errorLine(QCoreApplication::translate("ImportCommand",
                                                  "%1 could not be saved (%2); nothing was added")
                          .arg(shown, result.error));
        return outcome;
    }
    if (!request.csvColumns.isEmpty())
        settings.setCsvMapping(file.table.headerLine(), csvMappingText(mapping));
    const Figures figures = figuresOf(document.book(), document.companion(), read.statement);
    outcome.output += figures.lines;
    QString done =
        QStringLiteral(": %1 added to %2%3")
            .arg(plan.added)
            .arg(shown, keptAs.isEmpty() ? QString()
                                         : QStringLiteral(" (as it was before: %1)")
                                               .arg(QDir::current().relativeFilePath(keptAs)));
    done += QStringLiteral(", %1 marked cleared.").arg(plan.marked);
    outcome.output += summaryLine(tally, done, figures);
    return outcome;
}

} // namespace tallyra
