// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "entry/PlaceEntry.h"
#include "export/RegisterExport.h"
#include "register/DataFile.h"
#include "register/RegisterDocument.h"
#include "statement/CsvStatement.h"
#include "statement/ImportCommand.h"
#include "statement/OfxStatement.h"
#include "statement/StatementFile.h"
#include "statement/StatementPreview.h"
#include "statement/StatementText.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace tallyra;
using namespace tallyra::test;

namespace {

const QString Data = QStringLiteral(StatementData);

// "M/D CHECK CENTS; ..." in 2026: money in above zero, out below.
QList<Entry> entriesOf(const QString &text)
{
    QList<Entry> entries;
    for (const QString &part : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList f = part.trimmed().split(u' ');
        const qint32 cents = f[2].toInt();
        entries.append({2026, f[0].section(u'/', 0, 0).toShort(),
                        f[0].section(u'/', 1, 1).toShort(), f[1],
                        QStringLiteral("E%1").arg(entries.size() + 1), cents < 0 ? -cents : 0,
                        cents > 0 ? cents : 0});
    }
    return entries;
}

Checkbook bookOf(const QList<Entry> &entries)
{
    Checkbook book;
    book.entryCount = qint16(entries.size());
    std::copy(entries.begin(), entries.end(), book.slot.begin() + 1);
    return book;
}

// The same form for a statement; a check number "-" is none.
Statement statementOf(const QString &text)
{
    Statement statement;
    for (const Entry &e : entriesOf(text)) {
        StatementTransaction t;
        t.date = QDate(e.year, e.month, e.day);
        t.amountCents = qint64(e.depositCents) - e.withdrawalCents;
        t.checkNumber = e.checkNumber == u"-" ? QString() : e.checkNumber;
        t.payee = e.payee;
        statement.transactions.append(t);
    }
    fillPeriod(statement);
    return statement;
}

// One line per transaction: date|cents|check|payee|memo|problem.
QString summary(const Statement &statement)
{
    QStringList lines;
    for (const StatementTransaction &t : statement.transactions)
        lines << QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(t.date.toString(Qt::ISODate), QString::number(t.amountCents),
                          t.checkNumber, t.payee, t.memo, t.problem.english);
    return lines.join(u'\n');
}

QString summary(const StatementRead &read)
{
    if (read.status == StatementRead::Status::NotAStatement)
        return u'!' + read.error;
    if (read.status == StatementRead::Status::NeedsDateOrder)
        return QStringLiteral("? ") + read.ambiguousDate;
    return summary(read.statement);
}

QList<Entry> entriesIn(const Checkbook &book)
{
    return QList<Entry>(book.slot.begin() + 1, book.slot.begin() + 1 + book.entryCount);
}

// A one-account statement of March 2001 in the SGML form (declared in the Windows code page)
// or the XML form (in Latin-1), with a transaction of each date and name as written.
QByteArray ofxStatement(bool xml, const QList<std::pair<QByteArray, QByteArray>> &transactions)
{
    const auto element = [xml](const QByteArray &tag, const QByteArray &value) {
        return '<' + tag + '>' + value + (xml ? "</" + tag + '>' : QByteArray()) + '\n';
    };
    QByteArray ofx = xml ? "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<?OFX "
                           "OFXHEADER=\"200\" VERSION=\"211\" SECURITY=\"NONE\"?>\n"
                         : "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nENCODING:USASCII\r\n"
                           "CHARSET:1252\r\n\r\n";
    ofx += "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKACCTFROM>" + element("ACCTID", "42") +
           "</BANKACCTFROM><BANKTRANLIST>" + element("DTSTART", "20010301") +
           element("DTEND", "20010331235959.999[-5:EST]");
    for (const auto &[date, name] : transactions)
        ofx += "<STMTTRN>" + element("TRNTYPE", "POS") + element("DTPOSTED", date) +
               element("TRNAMT", "-1.00") + element("NAME", name) + "</STMTTRN>";
    return ofx + "</BANKTRANLIST><LEDGERBAL>" + element("BALAMT", "1.00") +
           element("DTASOF", "20010331000000[+9]") +
           "</LEDGERBAL></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
}

// Two new entries in a CSV file of semicolons and decimal commas.
const QByteArray Semicolons("Date;Payee;Amount\n01.02.2026;Shop;-5,00\n13.02.2026;Pay;7,00\n");

// Writes `bytes` to `name` in the current folder; its full path.
QString written(const QString &name, const QByteArray &bytes)
{
    writeBytes(name, bytes);
    return QDir::current().absoluteFilePath(name);
}

} // namespace

class StatementTest : public QObject
{
    Q_OBJECT

private slots:
    void dates_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<DateOrder>("order");
        QTest::addColumn<QString>("expected"); // ISO dates, ! for a refused one, ? to ask

        const auto undecided = DateOrder::Undecided;
        QTest::newRow("a day above 12 settles month first")
            << QStringList{"1/5/26", "1/13/26"} << undecided << "2026-01-05 2026-01-13";
        QTest::newRow("a day above 12 settles day first, dots and dashes too")
            << QStringList{"01/05/2026", "13/01/2026", "05.01.2026", "31-12-2025"} << undecided
            << "2026-05-01 2026-01-13 2026-01-05 2025-12-31";
        QTest::newRow("years of two digits, apostrophe years 2000 on")
            << QStringList{"1/5'26", " 1/ 5'26", "12/31'99", "1/13/69", "1/13/70", "1/13/00"}
            << undecided << "2026-01-05 2026-01-05 2099-12-31 2069-01-13 1970-01-13 2000-01-13";
        QTest::newRow("year first never asks")
            << QStringList{"2026-01-05",       "2026/01/05", "20260105", "2026-01-05 13:45:00",
                           "2026-01-05T08:00", "2024'12'31", "2024'1'2"}
            << undecided
            << "2026-01-05 2026-01-05 2026-01-05 2026-01-05 2026-01-05 2024-12-31 2024-01-02";
        QTest::newRow("every date both ways asks")
            << QStringList{"01/05/2026", "02/03/2026", "2026-07-01"} << undecided << "?";
        QTest::newRow("the answer reads them") << QStringList{"01/05/2026", "02/03/2026"}
                                               << DateOrder::DayFirst << "2026-05-01 2026-03-02";
        QTest::newRow("day equal to month reads the same either way")
            << QStringList{"1/1/2026", "2/2/2026"} << undecided << "2026-01-01 2026-02-02";
        QTest::newRow("mixed orders refuse all but year first")
            << QStringList{"1/13/2026", "13/1/2026", "2026-02-01"} << undecided << "! ! 2026-02-01";
        QTest::newRow("no such day, no date at all")
            << QStringList{"2/30/2026", "yesterday", "", "1/5", "1/5/123", "1/13/2026"} << undecided
            << "! ! ! ! ! 2026-01-13";
        QTest::newRow("the answer against a date")
            << QStringList{"13/1/2026"} << DateOrder::MonthFirst << "!";
    }
    void dates()
    {
        QFETCH(QStringList, texts);
        QFETCH(DateOrder, order);
        QFETCH(QString, expected);
        const StatementDates read = readStatementDates(texts, order);
        if (expected == u"?") {
            QVERIFY(read.needsOrder);
            QCOMPARE(read.ambiguous, QStringLiteral("01/05/2026"));
            return;
        }
        QVERIFY(!read.needsOrder);
        QStringList got;
        for (qsizetype i = 0; i < read.dates.size(); ++i) {
            QCOMPARE(read.dates[i].isValid(), read.problems[i].isEmpty());
            got << (read.dates[i].isValid() ? read.dates[i].toString(Qt::ISODate) : "!");
        }
        QCOMPARE(got.join(u' '), expected);
    }

    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DecimalMark>("mark");
        QTest::addColumn<QString>("cents"); // empty: no amount

        const auto point = DecimalMark::Point;
        const auto comma = DecimalMark::Comma;
        QTest::newRow("trailing minus") << "31.50-" << point << "-3150";
        QTest::newRow("parentheses") << "(12.00)" << point << "-1200";
        QTest::newRow("dollar sign and blanks") << " $ 1,234.56 " << point << "123456";
        QTest::newRow("euro and comma") << "-1.234,56 \u20AC" << comma << "-123456";
        QTest::newRow("one decimal") << "12,5" << comma << "1250";
        QTest::newRow("no whole part") << ".75" << point << "75";
        QTest::newRow("groups of a thousand") << "1,234" << point << "123400";
        QTest::newRow("apostrophe groups") << "1'234.50" << point << "123450";
        QTest::newRow("blank groups") << "1 234,56" << comma << "123456";
        QTest::newRow("zeros past the cents") << "12.3400" << point << "1234";
        QTest::newRow("a comma that is no group") << "12,50" << point << "";
        QTest::newRow("three decimals") << "12.345" << point << "";
        QTest::newRow("two points") << "1.2.3" << point << "";
        QTest::newRow("words") << "abc" << point << "";
        QTest::newRow("nothing") << "" << point << "";
        QTest::newRow("too many digits") << "1234567890123456" << point << "";
    }
    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(DecimalMark, mark);
        QFETCH(QString, cents);
        const std::optional<qint64> read = parseAmount(text, mark);
        QCOMPARE(read ? QString::number(*read) : QString(), cents);
    }

    void decimalMark_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<DecimalMark>("mark");
        QTest::newRow("comma decimals") << QStringList{"12,50", "3,00", ""} << DecimalMark::Comma;
        QTest::newRow("point wins") << QStringList{"1,234", "5.00"} << DecimalMark::Point;
        QTest::newRow("grouped comma") << QStringList{"1.234,56"} << DecimalMark::Comma;
        QTest::newRow("thousands alone") << QStringList{"1,234"} << DecimalMark::Point;
    }
    void decimalMark()
    {
        QFETCH(QStringList, amounts);
        QFETCH(DecimalMark, mark);
        QCOMPARE(decimalMarkOf(amounts), mark);
    }

    // A statement file as the import opens and reads it: its transactions, or ! and why it is
    // refused. Refused before anything waits or is read whole: what is no plain file (a named
    // pipe with no writer would wait for ever), and a file or a stream above 10 MB.
    void statementFiles_data()
    {
        QTest::addColumn<QString>("path");     // - reads the 50 MB file as a stream
        QTest::addColumn<QByteArray>("bytes"); // written there first unless null
        QTest::addColumn<QString>("roles");    // a CSV file's columns; empty: the guess
        QTest::addColumn<QString>("expected");
        const auto qif = [](const char *name, const QByteArray &bytes, const QString &expected) {
            QTest::addRow("QIF %s", name) << "x.qif" << bytes << QString() << expected;
        };
        const auto csv = [](const char *name, const QByteArray &bytes, const QString &roles,
                            const QString &expected) {
            QTest::addRow("CSV %s", name) << "s.csv" << bytes << roles << expected;
        };
        const auto refused = [](const char *name, const QString &path, const QString &error,
                                const QByteArray &bytes = {}) {
            QTest::newRow(name) << path << bytes << QString() << u'!' + error;
        };

        qif("bank records",
            "!Type:Bank\r\nD1/13/26\r\nT-1,031.50\r\nN1042\r\nPWater Co\r\nMJanuary\r\nCX\r\n"
            "LUtilities\r\n^\r\nD1/14'26\r\nU250.00\r\nPPay\r\n^\r\n",
            "2026-01-13|-103150|1042|Water Co|January|\n2026-01-14|25000||Pay||");
        qif("other sections passed over",
            "!Option:AutoSwitch\n!Account\nNChecking\nTBank\n^\n!Type:Cat\nNFood\n^\n"
            "!Type:Bank\nD2026-01-05\nT5\nPShop\n^\n!Type:Invst\nD1/1/26\nT9\n^\n",
            "2026-01-05|500||Shop||");
        qif("a record without its date or amount",
            "!Type:Bank\nT5.00\nPA\n^\nD1/13/2026\nT5.0.0\nPB\n^\n",
            "|500||A||it has no date\n2026-01-13|0||B||the amount \"5.0.0\" cannot be read");
        qif("cut short", "!Type:Bank\nD1/13/2026\nT-31.5",
            "!it ends in the middle of a transaction, so it may have been cut short");
        qif("no bank account", "!Type:CCard\nD1/13/2026\nT-5\n^\n",
            "!it holds no bank account transactions (no !Type:Bank section)");

        csv("the program's own export, guessed",
            "\xEF\xBB\xBF"
            "Date,Check Number,Payee,Withdrawal,Deposit,Balance,Cleared\r\n"
            "2026-01-02,DEP,\"PAYROLL, INC.\",,1234.56,1234.56,R\r\n"
            "2026-01-05,1042,\"SAID \"\"HI\"\"\",31.50,,1203.06,c\r\n"
            "2026-02-03,1043,VOIDED,,,1203.06,\r\n",
            "",
            "2026-01-02|123456|DEP|PAYROLL, INC.||\n"
            "2026-01-05|-3150|1042|SAID \"HI\"||\n"
            "2026-02-03|0|1043|VOIDED||");
        csv("decimal comma, semicolons, day first",
            "Datum;Empf\xC3\xA4nger;Betrag\n05.01.2026;B\xC3\xA4"
            "ckerei;-3,50\n13.01.2026;Lohn;1.234,56\n",
            "date,payee,amount",
            QString::fromUtf8("2026-01-05|-350||Bäckerei||\n2026-01-13|123456||Lohn||"));
        csv("no heading, tabs, a line break in a cell",
            "1/13/2026\t\"Two\nlines\"\t-5\n1/14/2026\tB\t7.25\n", "date,payee,amount",
            "2026-01-13|-500||Two\nlines||\n2026-01-14|725||B||");
        csv("withdrawals written below zero, a short row",
            "When,Who,Out,In,No\n2026-01-05,A,-31.50,,7\n2026-01-06,B\n",
            "date,payee,withdrawal,deposit,check", "2026-01-05|-3150|7|A||\n2026-01-06|0||B||");
        csv("a cell that is no amount", "d,p,a\n2026-01-05,A,12,50\n", "date,payee,amount",
            "2026-01-05|1200||A||");
        csv("an amount with text", "d,p,a\n2026-01-05,A,ten\n2026-01-06,B,\n", "date,payee,amount",
            "2026-01-05|0||A||the amount \"ten\" cannot be read\n"
            "2026-01-06|0||B||it has no amount");
        // A spreadsheet's "Unicode text": UTF-16 with its byte-order mark, either way round.
        const QString unicode =
            QString::fromUtf8("Date\tPayee\tAmount\r\n2026-01-05\tCafé\t-3.50\r\n");
        for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE})
            QTest::addRow("CSV UTF-16 %s", encoding == QStringConverter::Utf16LE ? "LE" : "BE")
                << "unicode.txt"
                << QByteArray(QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(unicode))
                << QString() << QString::fromUtf8("2026-01-05|-350||Café||");
        const QByteArray table("d,p,a\n2026-01-05,A,1\n");
        csv("quote never closed", "d,p,a\n2026-01-05,\"A,1\n", "",
            "!a quoted cell is never closed, so the file may have been cut short");
        csv("of one column", "hello\nworld\n", "", "!its rows have only one column");
        csv("role twice", table, "date,date,amount", "!'date' is given twice in --csv-columns");
        csv("unknown role", table, "date,who,amount",
            "!unknown column 'who' in --csv-columns (use date, payee, amount, withdrawal, "
            "deposit, check, or nothing to skip one)");
        csv("no date", table, ",payee,amount",
            "!--csv-columns: Choose the column that holds the date.");

        const QString larger = "larger than 10 MB, the most Tallyra reads as a statement";
        refused("empty", "x.qif", "it is empty", "");
        refused("QIF that is not", "x.qif", "it does not begin as a QIF file does (!Type:Bank)",
                "hello,world\n");
        refused("OFX that is not", "x.ofx",
                "it does not begin as an OFX file does (OFXHEADER or <?xml)", "hello,world\n");
        refused("OFX cut short", "x.ofx",
                "it ends before its closing </OFX> tag, so it may have been cut short",
                "OFXHEADER:100\n\n<OFX><BANK");
        refused("folder", ".", "it is a folder");
        refused("50 MB", "huge.csv", "at 50.0 MB it is " + larger);
        refused("50 MB streamed", "-", "it is " + larger);
#ifdef Q_OS_UNIX
        refused("named pipe", "fifo", "it is a named pipe, not a file");
        refused("device", "/dev/zero", "it is a device, not a file");
        refused("missing", "none.ofx", "No such file or directory");
#endif
    }
    void statementFiles()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, roles);
        QFETCH(QString, expected);
        TempWorkingFolder folder;
        QFile huge("huge.csv");
        QVERIFY(huge.open(QIODevice::ReadWrite) && huge.resize(50 * 1024 * 1024) && huge.seek(0));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo("fifo", 0600), 0);
#endif
        if (!bytes.isNull())
            writeBytes(path, bytes);
        const StatementFile file =
            path == u"-" ? readStatementStream(huge, "standard input") : openStatementFile(path);
        if (bytes.isNull())
            QVERIFY(file.bytes.isEmpty());
        QString error = file.error;
        std::optional<CsvMapping> mapping = guessCsvMapping(file.table);
        if (error.isEmpty() && !roles.isEmpty()) {
            mapping = csvMappingFromRoles(roles, file.table, &error);
            QCOMPARE(mapping.has_value(), error.isEmpty());
        }
        if (error.isEmpty()) {
            QCOMPARE(file.format,
                     path.endsWith(u".qif") ? StatementFormat::Qif : StatementFormat::Csv);
            // What the import remembers for the heading reads back as the same columns.
            if (file.format == StatementFormat::Csv)
                QCOMPARE(csvMappingFromText(csvMappingText(*mapping)), mapping);
        }
        QCOMPARE(error.isEmpty() ? summary(readStatement(file, DateOrder::Undecided, *mapping))
                                 : u'!' + error,
                 expected);
    }

    void matching_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QList<int>>("matched"); // the slot each transaction is found as

        QTest::newRow("check number and amount, whatever the date or leading zeros")
            << "1/5 1042 -15000; 1/5 1050 -100"
            << "3/1 1042 -15000; 1/6 001050 -100" << QList<int>{1, 2};
        QTest::newRow("same check with another amount, another check with the same")
            << "1/5 1042 -15000"
            << "1/5 1042 -15001; 1/5 1043 -15000" << QList<int>{0, 0};
        QTest::newRow("the amount 4 days later or earlier, not 5")
            << "1/5 ATM -6000; 1/20 ATM -7000; 2/1 ATM -8000"
            << "1/9 - -6000; 1/16 - -7000; 2/6 - -8000" << QList<int>{1, 2, 0};
        QTest::newRow("two equal withdrawals, one in the register")
            << "1/15 ATM -4000"
            << "1/15 - -4000; 1/15 - -4000" << QList<int>{1, 0};
        QTest::newRow("a deposit is never a withdrawal, nor the other way")
            << "1/5 DEP 6000; 1/10 ATM -7000"
            << "1/5 - -6000; 1/10 - 7000" << QList<int>{0, 0};
        QTest::newRow("the nearest day first") << "1/3 ATM -4000; 1/6 ATM -4000"
                                               << "1/6 - -4000; 1/3 - -4000" << QList<int>{2, 1};
        QTest::newRow("a check the statement gives no number") << "1/5 1042 -15000"
                                                               << "1/7 - -15000" << QList<int>{1};
        QTest::newRow("the check number first, then the amount")
            << "1/5 1042 -15000"
            << "1/5 - -15000; 1/20 1042 -15000" << QList<int>{0, 1};
        QTest::newRow("2-31 in the register is 3-3") << "2/31 ATM -100"
                                                     << "3/2 - -100" << QList<int>{1};
    }
    void matching()
    {
        QFETCH(QString, book);
        QFETCH(QString, statement);
        QFETCH(QList<int>, matched);
        QCOMPARE(matchStatement(bookOf(entriesOf(book)), statementOf(statement)), matched);
    }

    void preview_data()
    {
        QTest::addColumn<StatementTransaction>("transaction");
        QTest::addColumn<QString>("shown"); // check number|payee|what happens

        const QDate day(2026, 1, 5);
        const auto t = [day](qint64 cents, const QString &payee, const QString &check = {},
                             const QString &memo = {}, const QString &type = {}) {
            return StatementTransaction{day, cents, check, payee, memo, type, {}};
        };
        QTest::newRow("capitals") << t(-500, "Corner Store", "dep") << "DEP|CORNER STORE|New";
        QTest::newRow("double quotes")
            << t(-2350, "Joe's \"Diner\"") << "ATM|JOE'S 'DINER'|New (\" shown as ')";
        QTest::newRow("outside the code page")
            << t(-1800, QString::fromUtf8("Ωmega €uro ✓✓"))
            << QString::fromUtf8("ATM|?MEGA €URO ??|New (Ω shown as ?, ✓ shown as ?)");
        QTest::newRow("a line break") << t(-1, "Two\r\nlines") << "ATM|TWO  LINES|New";
        QTest::newRow("no name: the memo")
            << t(-1, "", "", "Rent for May") << "ATM|RENT FOR MAY|New";
        QTest::newRow("no name or memo: the type")
            << t(-500, "", "", "", "SRVCHG") << "ATM|SRVCHG|New";
        QTest::newRow("deposit without anything") << t(500, "") << "DEP|DEP|New";
        QTest::newRow("transfer") << t(-500, "To savings", "", "", "XFER") << "TXFR|TO SAVINGS|New";
        QTest::newRow("zero") << t(0, "Note") << "ATM|NOTE|New";
        QTest::newRow("year before 1900")
            << StatementTransaction{{1850, 1, 1}, -5, {}, "Old", {}, {}, {}}
            << "ATM|OLD|Cannot be added: the year 1850 is not between 1900 and 9999";
        QTest::newRow("amount beyond an entry")
            << t(-3000000000, "Big")
            << "ATM|BIG|Cannot be added: the amount $30,000,000.00 is more than an entry can hold";
        StatementTransaction unreadable{{}, 0, {}, "X", {}, {}, {}};
        unreadable.problem = problemText("the date %1 cannot be read", QStringLiteral("\"x\""));
        QTest::newRow("unreadable")
            << unreadable << "ATM|X|Cannot be added: the date \"x\" cannot be read";
    }
    void preview()
    {
        QFETCH(StatementTransaction, transaction);
        QFETCH(QString, shown);
        Statement statement;
        statement.transactions << transaction;
        const QList<PreviewRow> rows = previewStatement(Checkbook{}, statement);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(
            QStringList({rows[0].checkNumber, rows[0].payee, dispositionText(rows[0])}).join(u'|'),
            shown);
        // What goes in passes the entry window's checks (a zero amount is one it asks about).
        if (rows[0].disposition == Disposition::New)
            QVERIFY(!firstFailedCheck(rows[0].texts, MainYearMessage) ||
                    transaction.amountCents == 0);
    }

    // Ticked new rows go in by date, each in its place among the register's; a deposit before
    // the entries of its day, the statement's order kept within a day. What the import leaves
    // cleared: the entries it adds and the ones the statement shows; one already cleared or
    // reconciled keeps its mark and is not counted.
    void planImport()
    {
        Checkbook book = bookOf(entriesOf("1/5 ATM -100; 1/7 ATM -3; 1/8 ATM -4; 1/9 ATM -5"));
        book.slot[3].clearing = Clearing::Cleared;
        book.slot[4].clearing = Clearing::Reconciled;
        const Statement statement = statementOf(
            "1/9 - -5; 1/5 - 7; 1/5 - 8; 1/1 - -9; 1/5 - -10; 1/20 - -11; 1/7 - -3; 1/8 - -4");
        const QList<PreviewRow> rows = previewStatement(book, statement);
        QList<bool> ticked(rows.size(), true);
        ticked[5] = false;
        const ImportPlan plan = tallyra::planImport(book, rows, ticked);
        QVERIFY(plan.after);
        QCOMPARE(plan.added, 4);
        QStringList order;
        for (const Entry &e : entriesIn(*plan.after))
            order << QStringLiteral("%1/%2 %3 %4")
                         .arg(e.month)
                         .arg(e.day)
                         .arg(e.depositCents - e.withdrawalCents)
                         .arg(int(e.clearing));
        QCOMPARE(order.join(u';'),
                 "1/1 -9 1;1/5 7 1;1/5 8 1;1/5 -100 0;1/5 -10 1;1/7 -3 1;1/8 -4 1;1/9 -5 2");
        QCOMPARE(importChangeName(plan.added, plan.marked, "/x/june.ofx"),
                 "import 4 transactions from june.ofx, mark 5 cleared");
        QCOMPARE(importChangeName(0, 2, "/x/june.ofx"), "mark 2 cleared from june.ofx");
    }

    // What Tallyra exports reads back as the same entries, in the same order; read again, the
    // file adds nothing.
    void exportThenImport_data()
    {
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<DateOrder>("order");
        QTest::newRow("CSV") << ExportFormat::Csv << DateOrder::Undecided;
        QTest::newRow("QIF") << ExportFormat::Qif << DateOrder::MonthFirst;
    }
    void exportThenImport()
    {
        QFETCH(ExportFormat, format);
        QFETCH(DateOrder, order);
        // Typed as the entry window does: two deposits and a withdrawal on one day, a voided
        // check, texts with a comma, an apostrophe and a character beyond ASCII.
        Checkbook typed;
        const QList<std::pair<EntryTexts, EntryType>> entries{
            {{"2026", "1", "12", "1042", "Water, Inc.", "31", "50"}, EntryType::Withdrawal},
            {{"2026", "1", "12", "DEP", "Payroll", "1234", "56"}, EntryType::Deposit},
            {{"2026", "1", "12", "DEP", "Refund", "5", "0"}, EntryType::Deposit},
            {{"2026", "2", "3", "1043", "Voided", "0", "0"}, EntryType::Neither},
            {{"2026", "2", "4", "TXFR", QString::fromUtf8("Café O'Neil"), "20", "0"},
             EntryType::Withdrawal},
        };
        for (const auto &[texts, type] : entries)
            QVERIFY(placeEntry(typed, texts, type));

        TempWorkingFolder folder;
        const StatementFile file = openStatementFile(written(
            format == ExportFormat::Csv ? "out.csv" : "out.qif", exportBytes(typed, format)));
        QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
        const StatementRead read = readStatement(file, order, guessCsvMapping(file.table));
        QCOMPARE(read.status, StatementRead::Status::Read);

        const Checkbook empty;
        const QList<PreviewRow> rows = previewStatement(empty, read.statement);
        const ImportPlan plan = tallyra::planImport(empty, rows, QList<bool>(rows.size(), true));
        QVERIFY(plan.after);
        QList<Entry> shown = entriesIn(typed);
        for (Entry &entry : shown)
            entry.clearing = Clearing::Cleared; // each is on the statement
        QCOMPARE(entriesIn(*plan.after), shown);

        for (const PreviewRow &row : previewStatement(*plan.after, read.statement))
            QCOMPARE(dispositionText(row), "Already in the register");
    }

    // A hand-written OFX 2.1 statement through libofx, what the import command's lines do not
    // show (its SGML form reads as the same transactions: the command finds each a duplicate).
    void ofxFile()
    {
        const StatementFile file = openStatementFile(Data + QStringLiteral("/january-2026.ofx"));
        const StatementRead read = readStatement(file, DateOrder::Undecided);
        QCOMPARE(read.status, StatementRead::Status::Read);
        const Statement &s = read.statement;
        QCOMPARE(s.format, "OFX");
        QCOMPARE(s.endingBalanceCents, qint64(224677));
        QCOMPARE(summary(s).section(u'\n', 0, 0),
                 "2026-01-02|250000||ACME PAYROLL|January salary|");
        QCOMPARE(s.transactions[4].type, "XFER");
        QCOMPARE(s.transactions[9].payee, QString::fromUtf8("Ωmega Books"));
    }

    // The day the bank wrote, whatever the time, the zone and the computer's own zone; each
    // character a reference names, and the file's own code page read as such.
    void ofxDatesAndCharacters_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<bool>("xml");
        for (const char *zone : {"UTC0", "JST-9", "PST8PDT", "EST5EDT", "LINT-14", "SST11"}) {
            QTest::addRow("%s SGML", zone) << QByteArray(zone) << false;
            QTest::addRow("%s XML", zone) << QByteArray(zone) << true;
        }
    }
    void ofxDatesAndCharacters()
    {
        QFETCH(QByteArray, zone);
        QFETCH(bool, xml);
        const QByteArray previous = qgetenv("TZ");
        qputenv("TZ", zone);
        const StatementRead read =
            readOfxStatement(ofxStatement(xml, {{"20010312", "Caf&#233; &amp; Bar"},
                                                {"20010312225109", "Caf&#xE9; &lt;x&gt; &#60;"},
                                                {"20010312225109.000[-5:EST]", "&quot;Jo&apos;s"},
                                                {"20010312000000.000[+9:JST]", "A&#150;B&#x2019;"},
                                                {"20010312235959[+9]", "&#937;mega &amp;#233;"},
                                                {"20010312000001.5[-12:Y]", "Caf\xE9"},
                                                {"20010231", "G"}}));
        qputenv("TZ", previous);
        QCOMPARE(read.status, StatementRead::Status::Read);
        QCOMPARE(read.statement.startDate, QDate(2001, 3, 1));
        QCOMPARE(read.statement.endDate, QDate(2001, 3, 31));
        QStringList got;
        for (const StatementTransaction &t : read.statement.transactions)
            got << (t.date.isValid() ? t.date.toString(Qt::ISODate) : t.problem.english) + u' ' +
                       t.payee;
        QCOMPARE(got.join(u'|'), QString::fromUtf8("2001-03-12 Café & Bar|2001-03-12 Café <x> <|"
                                                   "2001-03-12 \"Jo's|2001-03-12 A–B’|"
                                                   "2001-03-12 Ωmega &#233;|2001-03-12 Café|"
                                                   "its date cannot be read G"));
    }

    // Whatever reaches the OFX library ends in a reason, never in this process stopping.
    void ofxGarbage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray noise(200000, Qt::Uninitialized);
        QRandomGenerator random(24);
        for (char &byte : noise)
            byte = char(random.bounded(256));
        QByteArray nested = "OFXHEADER:100\n\n";
        for (int i = 0; i < 20000; ++i)
            nested += "<STMTTRN><BANKTRANLIST>";
        QFile sample(Data + QStringLiteral("/january-2026.ofx"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QByteArray whole = sample.readAll();
        QTest::newRow("noise") << noise;
        QTest::newRow("an OFX header and noise") << QByteArray("OFXHEADER:100\n\n") + noise;
        QTest::newRow("tags nested deep") << nested;
        QTest::newRow("half a statement") << whole.left(whole.size() / 2);
        QTest::newRow("an endless name")
            << QByteArray(whole).replace("CITY WATER", QByteArray(300000, 'W'));
        QTest::newRow("empty") << QByteArray();
    }
    void ofxGarbage()
    {
        QFETCH(QByteArray, bytes);
        TempWorkingFolder folder;
        const StatementRead read = readOfxStatement(bytes);
        if (read.status == StatementRead::Status::Read) {
            // The library may keep what it could read; never a transaction without its date.
            for (const StatementTransaction &t : read.statement.transactions)
                QVERIFY(t.date.isValid() || !t.problem.isEmpty());
        } else {
            QCOMPARE(read.status, StatementRead::Status::NotAStatement);
            QVERIFY(!read.error.isEmpty());
        }
        const StatementFile file = openStatementFile(written("bad.ofx", bytes));
        QVERIFY(!file.error.isEmpty() || file.format != StatementFormat::Ofx ||
                bytes.contains("</OFX>"));
    }

    void ofxReaderFailures_data()
    {
        QTest::addColumn<QByteArray>("reader");
        QTest::addColumn<QString>("error");
        QTest::newRow("crash") << QByteArray("#!/bin/sh\nkill -SEGV $$\n")
                               << "the OFX library crashed while reading it";
        QTest::newRow("stops half way")
            << QByteArray("#!/bin/sh\nprintf 'transaction\\t\\t2026-01-05\\t-5\\n'\n")
            << "the OFX library stopped before the end of it";
        QTest::newRow("fails") << QByteArray("#!/bin/sh\nexit 1\n")
                               << "the OFX library could not read it";
        QTest::newRow("finds nothing")
            << QByteArray("#!/bin/sh\necho end\n") << "it holds no bank statement";
    }
    void ofxReaderFailures()
    {
#ifdef Q_OS_WIN
        QSKIP("the stand-in readers are shell scripts");
#endif
        QFETCH(QByteArray, reader);
        QFETCH(QString, error);
        TempWorkingFolder folder;
        const QString program = written("reader", reader);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        const StatementRead read =
            readOfxStatement(fileBytes(Data + QStringLiteral("/january-2026.ofx")), program);
        QCOMPARE(read.status, StatementRead::Status::NotAStatement);
        QCOMPARE(read.error, error);
        QVERIFY(readOfxStatement({}, QDir::current().absoluteFilePath("none"))
                    .error.contains("is missing"));
    }

    // A file with two accounts is not one checkbook's statement: the first account's only.
    void ofxTwoAccounts()
    {
        const StatementRead read =
            ofxStatementFromReport("statement\tA\t500\t2026-01-01\t2026-01-31\t\n"
                                   "transaction\tA\t2026-01-05\t-5\tPOS\t\tShop\\tone\tm\n"
                                   "statement\tB\t900\t2026-01-01\t2026-01-31\t2026-01-30\n"
                                   "transaction\tB\t2026-01-06\t-6\tPOS\t\tOther\t\n"
                                   "end\n");
        QCOMPARE(read.status, StatementRead::Status::Read);
        QCOMPARE(summary(read.statement), "2026-01-05|-5||Shop\tone|m|");
        QCOMPARE(read.statement.endingBalanceCents, qint64(500));
        QCOMPARE(read.statement.endDate, QDate(2026, 1, 31));
    }

    // tallyra --import: the OFX statement into a folder with no register, then again.
    void importCommand()
    {
        TempWorkingFolder folder;
        FakeSettings settings;
        const QString ofx = Data + QStringLiteral("/january-2026.ofx");
        QByteArray bytes;
        {
            RegisterDocument document;
            ImportOutcome outcome = runImport({ofx, true, {}, {}}, document, settings);
            QCOMPARE(outcome.status, ImportDone);
            QVERIFY(!QFile::exists("default.dat"));
            QStringList lines = outcome.output.split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 15);
            QCOMPARE(lines[2], "new       2026-01-05 1042         -$150.00 CITY WATER");
            QCOMPARE(lines[8],
                     "new       2026-01-17 ATM           -$23.50 JOE'S 'DINER' (\" shown as ')");
            QCOMPARE(lines[12], "Starting balance $.00, outstanding deposits $.00, outstanding "
                                "withdrawals $.00");
            QCOMPARE(lines.last(),
                     "11 new, 0 duplicates, 0 refused: nothing changed (dry run). Balanced");

            // A dry run leaves the document read-only, as tallyra --import --dry-run opens it.
            RegisterDocument importer;
            outcome = runImport({ofx, false, {}, {}}, importer, settings);
            QCOMPARE(outcome.status, ImportDone);
            QVERIFY(outcome.output.endsWith("11 new, 0 duplicates, 0 refused: 11 added to "
                                            "default.dat, 11 marked cleared. Balanced\n"));
            QVERIFY(outcome.output.contains("with 0 entries outstanding: Balanced\n"));
            bytes = fileBytes("default.dat");
            QVERIFY(bytes.startsWith("11\r\n2026,1,2,\"DEP\",\"ACME PAYROLL\",0,250000\r\n"));
        }
        // Standard input gives the same lines as the file, read once.
        RegisterDocument second;
        const QString named = runImport({ofx, true, {}, {}}, second, settings).output;
        for (const char *name : {"-", "/dev/stdin"}) {
            QFile input(ofx);
            QVERIFY(input.open(QIODevice::ReadOnly));
            QCOMPARE(runImport({name, true, {}, {}, &input}, second, settings).output, named);
            QVERIFY(input.atEnd());
        }
        ImportOutcome outcome = runImport(
            {Data + QStringLiteral("/january-2026-sgml.qfx"), false, {}, {}}, second, settings);
        QCOMPARE(outcome.status, ImportDone);
        QVERIFY(outcome.output.contains("duplicate 2026-01-15 ATM           -$40.00 ATM "
                                        "WITHDRAWAL (entry 7)\n"));
        QVERIFY(outcome.output.endsWith("0 new, 11 duplicates, 0 refused: nothing to add. "
                                        "Balanced\n"));
        QCOMPARE(fileBytes("default.dat"), bytes);

        // Held by the document above: refused, nothing changed; a dry run only reads.
        RegisterDocument held;
        const QString csv = written("s.csv", "Date,Payee,Amount\n2026-02-01,Shop,-5\n");
        outcome = runImport({csv, false, "date,payee,amount", {}}, held, settings);
        QCOMPARE(outcome.status, ImportRegisterHeld);
        QVERIFY(outcome.error.startsWith("tallyra: default.dat is open in "));
        QCOMPARE(runImport({csv, true, "date,payee,amount", {}}, held, settings).status,
                 ImportDone);
        QCOMPARE(fileBytes("default.dat"), bytes);
    }

    // A dry run reads the register as it is and leaves the folder as it was: no lock, no
    // marks written, and a companion file that does not read is not set aside.
    void importDryRun()
    {
        TempWorkingFolder folder;
        writeBytes("default.dat", formatDataFile(bookOf(entriesOf("1/5 1042 -15000"))));
        writeBytes("default.dat.state", "not a companion file\n");
        const QMap<QString, QByteArray> before = filesIn(folder.folder.path());
        RegisterDocument document;
        FakeSettings settings;
        const ImportOutcome outcome = runImport(
            {Data + QStringLiteral("/january-2026.ofx"), true, {}, {}}, document, settings);
        QCOMPARE(outcome.status, ImportDone);
        QVERIFY(outcome.output.contains("duplicate 2026-01-05 1042 "));
        QVERIFY(outcome.output.endsWith("10 new, 1 duplicate, 0 refused: nothing changed (dry "
                                        "run). Balanced\n"));
        QCOMPARE(filesIn(folder.folder.path()), before);
        QVERIFY(!QFile::exists("default.dat.lock"));
    }

    // Refused, with nothing written and no columns remembered.
    void importCommandRefusals_data()
    {
        QTest::addColumn<int>("entries"); // in the register beforehand
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        const QByteArray csv("Date,Payee,Amount\n2026-02-01,Shop,-5\n");
        QTest::newRow("noise") << 0 << QByteArray("\x01\x02\0\x03", 4) << "" << ImportNotAStatement
                               << "tallyra: s is no statement Tallyra can read: it is no text "
                                  "file.\n";
        QTest::newRow("no columns for a CSV")
            << 0 << csv << "" << ImportUsage
            << "tallyra: no columns are remembered for the heading \"Date,Payee,Amount\"; say "
               "what each column holds, e.g. --csv-columns date,payee,amount\n";
        QTest::newRow("bad columns") << 0 << csv << "date" << ImportUsage
                                     << "tallyra: --csv-columns: Choose either the amount column "
                                        "or both the withdrawal and the deposit columns.\n";
        QTest::newRow("dates both ways")
            << 0 << QByteArray("!Type:Bank\nD01/02/2026\nT1\n^\n") << "" << ImportUsage
            << "tallyra: a date such as 01/02/2026 reads both month first and day first; say "
               "which with --date-order mdy or --date-order dmy\n";
        QTest::newRow("no room") << 999 << Semicolons << "date,payee,amount" << ImportNotAdded
                                 << "tallyra: only 1 of the 2 new transactions fit in the "
                                    "register's free slots; nothing was added\n";
    }
    void importCommandRefusals()
    {
        QFETCH(int, entries);
        QFETCH(QByteArray, file);
        QFETCH(QString, columns);
        QFETCH(int, status);
        QFETCH(QString, error);
        TempWorkingFolder folder;
        if (entries > 0)
            writeBytes("default.dat", formatDataFile(januaryDays(entries)));
        const QString path = written("s", file);
        const QMap<QString, QByteArray> before = filesIn(folder.folder.path());
        RegisterDocument document;
        FakeSettings settings;
        const ImportOutcome outcome = runImport({path, false, columns, {}}, document, settings);
        QCOMPARE(outcome.status, status);
        QCOMPARE(outcome.error, error);
        // Only a statement read says what it found.
        QCOMPARE(outcome.output.isEmpty(), status != ImportNotAdded);
        QCOMPARE(filesIn(folder.folder.path()), before);
        QVERIFY(settings.csvMappings.isEmpty());
    }

    // Columns given once are remembered for the heading; the register's last two free slots
    // take both entries, and the register as it was is kept beside it.
    void importCommandColumnsRemembered()
    {
        TempWorkingFolder folder;
        writeBytes("default.dat", formatDataFile(januaryDays(998)));
        FakeSettings settings;
        RegisterDocument document;
        const ImportOutcome outcome = runImport(
            {written("s.csv", Semicolons), false, "date,payee,amount", {}}, document, settings);
        QCOMPARE(outcome.status, ImportDone);
        QVERIFY(outcome.output.endsWith(
            "2 new, 0 duplicates, 0 refused: 2 added to default.dat (as it was before: "
            "default.dat.before-import), 2 marked cleared.\n"));
        QCOMPARE(fileBytes("default.dat.before-import"), formatDataFile(januaryDays(998)));
        QCOMPARE(settings.csvMappings.value("Date;Payee;Amount"),
                 "date=0;payee=1;amount=2;withdrawal=-1;deposit=-1;check=-1;order=auto;"
                 "decimal=comma;header=1");
    }
};

QTEST_GUILESS_MAIN(StatementTest)
#include "tst_statement.moc"
