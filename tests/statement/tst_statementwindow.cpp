// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "register/RegisterDocument.h"
#include "statement/ImportCommand.h"
#include "statement/StatementImport.h"
#include "statement/StatementPreview.h"
#include "statement/frmCsvColumns.h"
#include "statement/frmStatement.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace tallyra;
using namespace tallyra::test;

namespace {

const QString Data = QStringLiteral(StatementData);
const QString January = Data + QStringLiteral("/january-2026.ofx");

// What the window shows when it opens, and after Add when `add` is set.
struct Seen
{
    QStringList what;   // each row's "What happens"
    QStringList ticked; // the rows ticked, by date
    QString result;
    QString counts;
    QString resultAfterAdd;
    QString countsAfterAdd;
};

struct ImportWindow
{
    TempWorkingFolder folder;
    FakePlatform fakes;
    RegisterDocument document;
    const Checkbook &book = document.book();

    ImportWindow(const Checkbook &stored = {})
    {
        if (stored.entryCount > 0)
            writeBytes(QLatin1String(DataFileName), formatDataFile(stored));
        document.load();
    }

    // Imports `path`; `act` runs on the window once it shows, then the window is closed.
    Seen import(const QString &path, const std::function<void(FrmStatement *)> &act = {})
    {
        Seen seen;
        NextModal<FrmStatement> next([&seen, &act](FrmStatement *window) {
            const auto *list = child<QTableWidget>(window, "lstTransactions");
            for (int row = 0; row < list->rowCount(); ++row) {
                seen.what << list->item(row, 5)->text();
                if (list->item(row, 0)->checkState() == Qt::Checked)
                    seen.ticked << list->item(row, 1)->text();
            }
            seen.result = child<QLabel>(window, "lblResult")->text();
            seen.counts = child<QLabel>(window, "lblCounts")->text();
            if (act)
                act(window);
            seen.resultAfterAdd = child<QLabel>(window, "lblResult")->text();
            seen.countsAfterAdd = child<QLabel>(window, "lblCounts")->text();
            window->close();
        });
        importStatementFile(path, document, fakes.platform, nullptr);
        return seen;
    }

    QByteArray file() const { return fileBytes(QLatin1String(DataFileName)); }
};

void add(FrmStatement *window)
{
    child<QPushButton>(window, "cmdAdd")->click();
}

// An OFX statement ending on `end` (yyyymmdd) with the bank's balance then, and transactions
// "yyyymmdd amount name [check]; ...".
QByteArray ofxStatement(const QByteArray &end, const QByteArray &balance,
                        const QByteArray &transactions)
{
    QByteArray ofx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?OFX OFXHEADER=\"200\" "
                     "VERSION=\"211\" SECURITY=\"NONE\"?>\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>"
                     "<BANKACCTFROM><ACCTID>42</ACCTID></BANKACCTFROM><BANKTRANLIST><DTSTART>" +
                     end.left(6) + "01</DTSTART><DTEND>" + end + "</DTEND>";
    for (const QByteArray &part : transactions.split(';')) {
        const QList<QByteArray> f = part.trimmed().split(' ');
        ofx += "<STMTTRN><TRNTYPE>OTHER</TRNTYPE><DTPOSTED>" + f[0] + "</DTPOSTED><TRNAMT>" + f[1] +
               "</TRNAMT><NAME>" + f[2] + "</NAME>" +
               (f.size() > 3 ? "<CHECKNUM>" + f[3] + "</CHECKNUM>" : QByteArray()) + "</STMTTRN>";
    }
    return ofx + "</BANKTRANLIST><LEDGERBAL><BALAMT>" + balance + "</BALAMT><DTASOF>" + end +
           "</DTASOF></LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

} // namespace

class StatementWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // The bank's file into an empty register: all new, then Balanced once added, in one
    // change. Its SGML form, with one entry gone from the register, finds the rest there and
    // that one new; unticked, the difference is its amount.
    void importIntoEmptyRegister()
    {
        ImportWindow w;
        const Seen first = w.import(January, add);
        QCOMPARE(first.what.size(), 11);
        QCOMPARE(first.what.count("New"), 9);
        QCOMPARE(first.ticked.size(), 11);
        QCOMPARE(first.result, "Balanced"); // the register as Add leaves it
        QCOMPARE(first.counts, "11 new, 0 already in the register, 0 cannot be added");
        QCOMPARE(first.resultAfterAdd, "Balanced");
        QCOMPARE(first.countsAfterAdd, "11 transactions were added. 11 marked cleared.");
        QVERIFY(w.file().startsWith("11\r\n2026,1,2,\"DEP\",\"ACME PAYROLL\",0,250000\r\n"));
        QVERIFY(w.file().contains("2026,1,17,\"ATM\",\"JOE'S 'DINER'\",2350,0\r\n"));
        QCOMPARE(w.document.history().count(), 1);
        QVERIFY(w.fakes.prompter.shown.empty());

        Checkbook fewer = w.document.book();
        std::move(fewer.slot.begin() + 5, fewer.slot.begin() + 12, fewer.slot.begin() + 4);
        --fewer.entryCount;
        QVERIFY(w.document.replace(fewer, "remove").saved());
        const Seen again =
            w.import(Data + QStringLiteral("/january-2026-sgml.qfx"), [](FrmStatement *window) {
                child<QTableWidget>(window, "lstTransactions")
                    ->item(3, 0)
                    ->setCheckState(Qt::Unchecked);
            });
        QStringList what(11, "Already in the register");
        what[3] = "New";
        QCOMPARE(again.what, what);
        QCOMPARE(again.ticked, QStringList{"1-9-2026"});
        QCOMPARE(again.result, "Balanced");
        QCOMPARE(again.resultAfterAdd, "Difference: -$43.17");
    }

    // More ticked than free slots: nothing added until enough are unticked.
    void notEnoughRoom()
    {
        ImportWindow w(januaryDays(995));
        const QByteArray before = w.file();
        w.fakes.prompter.answers = {QMessageBox::Ok};
        const Seen seen = w.import(January, [&w, &before](FrmStatement *window) {
            add(window);
            QCOMPARE(w.file(), before);
            auto *list = child<QTableWidget>(window, "lstTransactions");
            for (int row = 0; row < 6; ++row)
                list->item(row, 0)->setCheckState(Qt::Unchecked);
            add(window);
        });
        QCOMPARE(w.fakes.prompter.titles(), QStringList{"Not Enough Room"});
        QCOMPARE(w.fakes.prompter.shown[0].text,
                 "Only 5 of the 11 ticked transactions fit in the register's free slots.\r\n"
                 "Untick 6 of them and press Add again.");
        QCOMPARE(seen.countsAfterAdd, "5 transactions were added. 5 marked cleared.");
        QVERIFY(w.file().startsWith("1000\r\n"));
        QCOMPARE(fileBytes("default.dat.before-import"), before);
    }

    // A CSV file's columns are asked once, then remembered by its heading.
    void csvColumnsRemembered()
    {
        ImportWindow w;
        writeBytes("bank.csv", "Posted;Text;Value;Ref\n02.01.2026;Pay;1.234,56;\n"
                               "13.01.2026;Shop;-3,50;77\n");
        int asked = 0;
        NextModal<FrmCsvColumns> columns([&asked](FrmCsvColumns *dialog) {
            ++asked;
            auto *ok = child<QPushButton>(dialog, "cmdOk");
            child<QComboBox>(dialog, "cmbAmount")->setCurrentIndex(0);
            QVERIFY(!ok->isEnabled());
            QCOMPARE(child<QLabel>(dialog, "lblProblem")->text(),
                     "Column 1 is chosen twice: each column can hold only one thing.");
            child<QComboBox>(dialog, "cmbDate")->setCurrentIndex(0);
            child<QComboBox>(dialog, "cmbPayee")->setCurrentIndex(2);
            child<QComboBox>(dialog, "cmbAmount")->setCurrentIndex(2);
            child<QComboBox>(dialog, "cmbCheckNum")->setCurrentIndex(4);
            QCOMPARE(child<QComboBox>(dialog, "cmbDecimal")->currentText(), "Comma (1.234,56)");
            QVERIFY(ok->isEnabled());
            ok->click();
        });
        const Seen seen = w.import("bank.csv");
        QCOMPARE(asked, 1);
        QCOMPARE(seen.ticked, (QStringList{"1-2-2026", "1-13-2026"}));
        QCOMPARE(w.fakes.settings.csvMappings.value("Posted;Text;Value;Ref"),
                 "date=0;payee=1;amount=2;withdrawal=-1;deposit=-1;check=3;order=auto;"
                 "decimal=comma;header=1");

        writeBytes("bank.csv", "Posted;Text;Value;Ref\n20.01.2026;Rent;-500,00;\n");
        QCOMPARE(w.import("bank.csv").what, QStringList{"New"});
        QCOMPARE(asked, 1);
    }

    // Only a file whose every date reads both ways asks, and the answer reads them.
    void dateOrderAsked_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("month first") << QMessageBox::Yes << QStringList{"1-2-2026", "3-4-2026"};
        QTest::newRow("day first") << QMessageBox::No << QStringList{"2-1-2026", "4-3-2026"};
        QTest::newRow("cancel") << QMessageBox::Cancel << QStringList{};
    }
    void dateOrderAsked()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, dates);
        ImportWindow w;
        writeBytes("bank.qif", "!Type:Bank\nD01/02/2026\nT1\nPA\n^\nD03/04/2026\nT2\nPB\n^\n");
        w.fakes.prompter.answers = {answer};
        const QStringList shown = w.import("bank.qif").ticked; // none when the window never opens
        QCOMPARE(w.fakes.prompter.titles(), QStringList{"Date Order"});
        QCOMPARE(w.fakes.prompter.shown[0].text,
                 "Every date in bank.qif reads both month first and day first.\r\n"
                 "Is 01/02/2026 January 2, 2026?\r\n(No reads it as February 1, 2026.)");
        QCOMPARE(shown, dates);
    }

    // The balance typed for a statement without one; Enter there adds nothing.
    void typedBalance()
    {
        ImportWindow w;
        writeBytes("bank.qif", "!Type:Bank\nD1/13/2026\nT-31.50\nPShop\n^\n");
        const Seen seen = w.import("bank.qif", [](FrmStatement *window) {
            auto *balance = child<QLineEdit>(window, "txtEndingBalance");
            balance->setText("-31.25");
            QTest::keyClick(balance, Qt::Key_Return);
            QCOMPARE(child<QLabel>(window, "lblResult")->text(), "Difference: $.25");
            QVERIFY(!QFile::exists(DataFileName));
            balance->setText("-31.50");
            add(window);
        });
        QCOMPARE(seen.result, "Type the statement's ending balance to reconcile.");
        QCOMPARE(seen.resultAfterAdd, "Balanced");
    }

    // A check written in January and paid in March: Finish Reconciliation on January's
    // statement adds its fee and reconciles what it shows, as one undo step; February's
    // statement then balances from there with the check outstanding.
    void finishReconciliation()
    {
        Checkbook stored;
        stored.entryCount = 4;
        stored.slot[1] = {2026, 1, 2, "DEP", "PAY", 0, 100000};
        stored.slot[2] = {2026, 1, 10, "ATM", "CASH", 5000, 0};
        stored.slot[3] = {2026, 1, 25, "1043", "PLUMBER", 7500, 0};
        stored.slot[4] = {2026, 2, 6, "ATM", "CASH", 2000, 0};
        ImportWindow w(stored);
        writeBytes("january.ofx", ofxStatement("20260131", "947.00",
                                               "20260102 1000.00 PAY; 20260110 -50.00 CASH; "
                                               "20260131 -3.00 FEE"));
        const Seen seen = w.import("january.ofx", [](FrmStatement *window) {
            QCOMPARE(child<QLabel>(window, "lblClearedBalance")->text(), "$947.00");
            QCOMPARE(child<QTableWidget>(window, "lstOutstanding")->rowCount(), 1);
            auto *finish = child<QPushButton>(window, "cmdFinish");
            QVERIFY(finish->isEnabled());
            child<QLineEdit>(window, "txtEndingBalance")->setText("946.99");
            QVERIFY(!finish->isEnabled());
            child<QLineEdit>(window, "txtEndingBalance")->setText("947.00");
            finish->click();
        });
        QCOMPARE(seen.result, "Balanced");
        QCOMPARE(marksOf(w.book), "rrnrn"); // the fee of 1-31 added, the check open
        QCOMPARE(w.book.slot[4].reconciledOn, 20260131);
        QCOMPARE(w.document.companion().reconciled, (QList<StatementBalance>{{20260131, 94700}}));
        // Two steps, as Add and then Finish: undoing the reconciliation leaves them cleared.
        QCOMPARE(w.document.history().count(), 2);
        QCOMPARE(w.document.history().text(0),
                 "import 1 transaction from january.ofx, mark 3 cleared");
        QCOMPARE(w.document.history().undoText(), "reconcile to 1/31/2026");

        // The same statement again is reconciled already: nothing more to finish.
        w.import("january.ofx", [](FrmStatement *window) {
            QVERIFY(!child<QPushButton>(window, "cmdFinish")->isEnabled());
            QVERIFY(!child<QPushButton>(window, "cmdAdd")->isEnabled());
        });

        QVERIFY(w.document.undo().saved());
        QCOMPARE(marksOf(w.book), "ccncn");
        QVERIFY(w.document.companion().reconciled.isEmpty());
        QVERIFY(w.document.undo().saved());
        QCOMPARE(marksOf(w.book), "nnnn");
        QVERIFY(w.document.redo().saved());
        QVERIFY(w.document.redo().saved());

        // The last two lines of tallyra --import: the figures, then the summary.
        w.document.releaseLock();
        writeBytes("statement.ofx", ofxStatement("20260228", "927.00", "20260206 -20.00 CASH"));
        RegisterDocument command;
        const QStringList lines =
            runImport({"statement.ofx", false, {}, {}}, command, w.fakes.settings)
                .output.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines[lines.size() - 2],
                 "On 2026-02-28 the statement's balance is $927.00 and the cleared "
                 "balance $927.00 with 1 entry outstanding: Balanced");
        QVERIFY2(lines.last().endsWith("1 marked cleared. Balanced"), qPrintable(lines.last()));
    }

    void notAStatement()
    {
        ImportWindow w;
        writeBytes("bank.ofx", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
        w.fakes.prompter.answers = {QMessageBox::Ok};
        NextModal<FrmStatement> never([](FrmStatement *window) { window->close(); });
        importStatementFile("bank.ofx", w.document, w.fakes.platform, nullptr);
        QCOMPARE(w.fakes.prompter.titles(), QStringList{"Import Statement"});
        QCOMPARE(w.fakes.prompter.shown[0].icon, QMessageBox::Warning);
        QCOMPARE(w.fakes.prompter.shown[0].text,
                 "bank.ofx is no statement Tallyra can read: it is no text file.");
        QVERIFY(!never.handled());
        QVERIFY(!QFile::exists(DataFileName));
    }
};

QTEST_MAIN(StatementWindowTest)
#include "tst_statementwindow.moc"
