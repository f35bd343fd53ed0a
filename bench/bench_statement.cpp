// SPDX-License-Identifier: GPL-3.0-or-later
// A bank statement of 1000 transactions read and matched against a full register: the
// register's own entries as the bank would send them, so that every line is looked up and
// found. OFX includes starting the libofx reader program, as the import does.
#include "FullRegister.h"
#include "export/RegisterExport.h"
#include "statement/OfxStatement.h"
#include "statement/StatementFile.h"
#include "statement/StatementPreview.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tallyra;

namespace {

// The register as an OFX 2.1 bank statement.
QByteArray ofxOf(const Checkbook &book)
{
    QByteArray ofx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<?OFX OFXHEADER=\"200\" VERSION=\"211\" SECURITY=\"NONE\" "
                     "OLDFILEUID=\"NONE\" NEWFILEUID=\"NONE\"?>\n"
                     "<OFX><SIGNONMSGSRSV1><SONRS><STATUS><CODE>0</CODE><SEVERITY>INFO</SEVERITY>"
                     "</STATUS><DTSERVER>20260201</DTSERVER><LANGUAGE>ENG</LANGUAGE></SONRS>"
                     "</SIGNONMSGSRSV1><BANKMSGSRSV1><STMTTRNRS><TRNUID>1</TRNUID><STATUS><CODE>0"
                     "</CODE><SEVERITY>INFO</SEVERITY></STATUS><STMTRS><CURDEF>USD</CURDEF>"
                     "<BANKACCTFROM><BANKID>121000358</BANKID><ACCTID>1</ACCTID><ACCTTYPE>"
                     "CHECKING</ACCTTYPE></BANKACCTFROM><BANKTRANLIST>\n";
    qint64 balance = 0;
    for (int i = 1; i <= book.entryCount; ++i) {
        const Entry &e = book.slot[i];
        const qint64 cents = qint64(e.depositCents) - e.withdrawalCents;
        balance += cents;
        const bool check = !e.checkNumber.isEmpty() && e.checkNumber[0].isDigit();
        ofx += QStringLiteral("<STMTTRN><TRNTYPE>%1</TRNTYPE><DTPOSTED>%2</DTPOSTED>"
                              "<TRNAMT>%3</TRNAMT><FITID>%4</FITID>%5<NAME>%6</NAME></STMTTRN>\n")
                   .arg(check       ? "CHECK"
                        : cents > 0 ? "DEP"
                                    : "DEBIT")
                   .arg(QDate(e.year, e.month, 1).addDays(e.day - 1).toString("yyyyMMdd"))
                   .arg(double(cents) / 100, 0, 'f', 2)
                   .arg(i)
                   .arg(check ? QStringLiteral("<CHECKNUM>%1</CHECKNUM>").arg(e.checkNumber)
                              : QString())
                   .arg(e.payee.toHtmlEscaped())
                   .toUtf8();
    }
    ofx += QStringLiteral("</BANKTRANLIST><LEDGERBAL><BALAMT>%1</BALAMT><DTASOF>20260131</DTASOF>"
                          "</LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n")
               .arg(double(balance) / 100, 0, 'f', 2)
               .toUtf8();
    return ofx;
}

void readAndMatch(benchmark::State &state, const char *name, const QByteArray &bytes,
                  DateOrder order)
{
    const Checkbook book = fullRegister();
    QTemporaryDir dir;
    QFile file(dir.filePath(QLatin1String(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        state.SkipWithError("cannot write the statement");
    file.close();
    for (auto _ : state) {
        const StatementFile opened = openStatementFile(file.fileName());
        const StatementRead read =
            opened.format == StatementFormat::Ofx
                ? readOfxStatement(opened.bytes, QStringLiteral(OfxReaderProgram))
                : readStatement(opened, order, guessCsvMapping(opened.table));
        if (read.status != StatementRead::Status::Read ||
            read.statement.transactions.size() != book.entryCount) {
            state.SkipWithError(qPrintable(u"not read: "_qs + read.error));
            break;
        }
        const QList<PreviewRow> rows = previewStatement(book, read.statement);
        if (std::any_of(rows.begin(), rows.end(), [](const PreviewRow &row) {
                return row.disposition != Disposition::AlreadyThere;
            })) {
            state.SkipWithError("a transaction was not found in the register");
            break;
        }
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * book.entryCount);
}

void ofxStatementOf1000(benchmark::State &state)
{
    readAndMatch(state, "statement.ofx", ofxOf(fullRegister()), DateOrder::Undecided);
}
BENCHMARK(ofxStatementOf1000)->Unit(benchmark::kMillisecond);

void csvStatementOf1000(benchmark::State &state)
{
    readAndMatch(state, "statement.csv", exportCsv(fullRegister()), DateOrder::Undecided);
}
BENCHMARK(csvStatementOf1000)->Unit(benchmark::kMillisecond);

void qifStatementOf1000(benchmark::State &state)
{
    readAndMatch(state, "statement.qif", exportQif(fullRegister()), DateOrder::MonthFirst);
}
BENCHMARK(qifStatementOf1000)->Unit(benchmark::kMillisecond);

} // namespace
