// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "entry/EntryChecks.h"
#include "entry/FieldValue.h"
#include "entry/PlaceEntry.h"
#include "export/RegisterExport.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>

using namespace tallyra;
using namespace tallyra::test;

Q_DECLARE_METATYPE(tallyra::Entry)

namespace {

const QString ValidEntry = QStringLiteral(
    "txtMonth=5 txtDay=12 txtYear=2001 cmbCheckNum=101 cmbPayee=RENT txtDollar=5 txtCent=5");

bool isRed(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

// The seven entry fields' texts in tab order.
QStringList fieldTexts(const MainWindow &f)
{
    QStringList texts;
    for (const char *name :
         {"txtMonth", "txtDay", "txtYear", "cmbCheckNum", "cmbPayee", "txtDollar", "txtCent"})
        texts << f.get<QComboBox>(QLatin1String(name))->currentText();
    return texts;
}

// With 25 entries the list shows 16 to 25, "corner" is in the payees of 4 and 18 and "104" in
// the check number of 20; a shorter register has the last two in its last entry.
Checkbook findRegister(int count)
{
    Checkbook book = januaryDays(count);
    book.slot[4].payee = QStringLiteral("CORNER STORE");
    book.slot[std::min(count, 18)].payee = QStringLiteral("Corner Bakery");
    book.slot[std::min(count, 20)].checkNumber = QStringLiteral("1042");
    return book;
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Every number typed into any field is read as the dollars are.
    void amountInCents_data()
    {
        QTest::addColumn<QString>("dollars");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<double>("amount");
        const auto row = [](const char *name, const QString &dollars, const char *cents, double v) {
            QTest::newRow(name) << dollars << QString(cents) << v;
        };
        row("cents field counts cents", "1", "5", 105);
        row("toward minus infinity", "-0.001", "0", -1);
        row("infinite both ways, dollars decide", "1E999", "-1E999", HUGE_VAL);
        row("blanks inside", "\t1 2", "0", 1200);
        row("no number", "abc", "0", 0);
        row("second point ends it", "1.2.3", "0", 120);
        row("hex", "&h1fz", "0", 3100);
        row("octal stops at 8", "&O178", "0", 1500);
        row("comma is no point", "1,5", "0", 100);
        row("tiny without exponent", "0." + QString(330, u'0') + "1", "0", 0);
        row("huge despite a negative exponent", "1" + QString(320, u'0') + "e-5", "0", HUGE_VAL);
        row("tiny despite a positive exponent", ".000" + QString(340, u'0') + "1e+9", "0", 0);
    }
    void amountInCents()
    {
        QFETCH(QString, dollars);
        QFETCH(QString, cents);
        QTEST(amountCents(dollars, cents), "amount");
    }

    void placementRefusals()
    {
        const EntryTexts texts{"2001", "5", "12", "101", "RENT", "5", "5"};
        Checkbook nearlyFull = registerOf(QStringLiteral("1/1W ").repeated(MaxEntries - 1));
        QCOMPARE(placeEntry(nearlyFull, texts, EntryType::NoneSelected), std::nullopt);
        QCOMPARE(placeEntry(nearlyFull, texts, EntryType::Withdrawal),
                 std::optional<int>(MaxEntries));
        QCOMPARE(placeEntry(nearlyFull, texts, EntryType::Withdrawal), std::nullopt);
        QCOMPARE(int(nearlyFull.entryCount), int(MaxEntries));
    }

    void missingOrUnreadableFile_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("titles");   // after Yes
        const QByteArray record = "2001,1,1,\"ATM\",\"RENT\",100,0\r\n";
        QTest::newRow("missing") << QByteArray() << "Missing File";
        QTest::newRow("short file")
            << QByteArray("3\r\n") + record + record << "Missing File, Old File Kept";
    }
    void missingOrUnreadableFile()
    {
        QFETCH(QByteArray, bytes);
        {
            // No: nothing on disk changes and the program ends.
            MainWindow f;
            f.fakes.prompter.answers = {QMessageBox::No};
            f.load(bytes);
            QCOMPARE(f.fakes.programEnd.calls, 1);
            QCOMPARE(QDir().entryList(QDir::Files).size(), bytes.isNull() ? 0 : 1);
            QCOMPARE(f.file(), bytes);
        }
        // Yes: an unreadable file is kept, under a name that spares an earlier kept copy.
        MainWindow f;
        writeBytes(QStringLiteral("default.dat.unreadable"), "earlier");
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        f.load(bytes);
        QTEST(f.fakes.prompter.titles().join(", "), "titles");
        QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable.1")), bytes);
        QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable")), QByteArray("earlier"));
        QCOMPARE(f.file(), emptyDataFile());
        QCOMPARE(f.fakes.programEnd.calls, 0);
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("0 / 1000"));
    }

    // Opening a FIFO for reading would wait for a writer for ever, before any window shows.
    void specialDataFileIsSetAside()
    {
        MainWindow f;
        QVERIFY(mkfifo(DataFileName, 0600) == 0);
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        f.load(QByteArray());
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Missing File", "Old File Kept"}));
        // Set aside as it is, never read.
        QVERIFY(QFileInfo::exists(QStringLiteral("default.dat.unreadable")));
        QCOMPARE(f.file(), emptyDataFile());
    }

    void statusPanel_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<qint32>("withdrawal");
        QTest::addColumn<QString>("total");   // red below zero
        QTest::addColumn<QString>("warning"); // red unless it is the version
        const QString version = QStringLiteral("Version 1.3");
        const QString nearLimit = QStringLiteral("Warning: You are near the limit of records.");
        QTest::newRow("empty") << 0 << 0 << "$.00" << version;
        QTest::newRow("one cent below zero") << 1 << 1 << "-$.01" << version;
        QTest::newRow("no overflow")
            << 2 << std::numeric_limits<qint32>::max() << "-$42,949,672.94" << version;
        QTest::newRow("970 entries") << 970 << 0 << "$.00" << version;
        QTest::newRow("971 entries") << 971 << 0 << "$.00" << nearLimit;
        QTest::newRow("full") << 1000 << 0 << "$.00" << nearLimit;
    }
    void statusPanel()
    {
        QFETCH(int, count);
        QFETCH(qint32, withdrawal);
        QFETCH(QString, total);
        QFETCH(QString, warning);
        MainWindow f;
        Checkbook stored = januaryDays(count);
        for (int i = 1; i <= count; ++i)
            stored.slot[i].withdrawalCents = withdrawal;
        f.load(stored);
        QCOMPARE(f.label("lblTotal"), total);
        QCOMPARE(isRed(f.get<QLabel>("lblTotal")), total.startsWith(u'-'));
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("%1 / 1000").arg(count));
        auto *label = f.get<QLabel>("lblWarning");
        QCOMPARE(label->text(), warning);
        QCOMPARE(isRed(label), warning != QLatin1String("Version 1.3"));
        // On one line, like the panel's other lines.
        f.show();
        QVERIFY(label->contentsRect().width() >= label->fontMetrics().horizontalAdvance(warning));
        QVERIFY(label->height() < 2 * label->fontMetrics().lineSpacing());
    }

    // A line shows its entry's date, check number and payee as stored, the amount in the
    // column of its kind, and the total after it, red below zero.
    void listLine_data()
    {
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<QString>("shown"); // date|check|payee|out|dep|total
        QTest::addColumn<bool>("red");
        QTest::newRow("withdrawal below zero")
            << Entry{2000, 5, 18, "1042", "WATER COMPANY", 3150, 0}
            << "5/18/2000|1042|WATER COMPANY|$31.50 ||-$31.50 " << true;
        QTest::newRow("deposit") << Entry{2003, 12, 1, "DEP", "PAY", 0, 123456789}
                                 << "12/1/2003|DEP|PAY||$1,234,567.89 |$1,234,567.89 " << false;
        QTest::newRow("neither") << Entry{1999, 1, 9, "VOID", "X", 0, 0}
                                 << "1/9/1999|VOID|X|||$.00 " << false;
    }
    void listLine()
    {
        QFETCH(Entry, entry);
        MainWindow f;
        Checkbook stored;
        stored.entryCount = 1;
        stored.slot[1] = entry;
        f.load(stored);
        QStringList shown;
        for (const char *column : {"date0", "check0", "payee0", "out0", "dep0", "total0"})
            shown << f.label(QLatin1String(column));
        QTEST(shown.join(u'|'), "shown");
        QTEST(isRed(f.get<QLabel>("total0")), "red");
    }

    // What is typed by keyboard is what the summary shows and the file stores, whatever the
    // pick lists hold; Enter in a field presses Add.
    void typedTextIsKept_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("summary"); // lines joined by |; empty when refused
        QTest::addColumn<QByteArray>("stored");
        const auto row = [](const char *name, const char *field, const char *typed,
                            const char *summaryCheckPayee, const char *stored) {
            const QStringList checkPayee = QString(summaryCheckPayee).split(u'|');
            const QString summary =
                checkPayee.size() < 2
                    ? QString()
                    : QStringLiteral("Adding:|Date: 5-12-2001|Check Number: %1|Payee: %2|"
                                     "Amount: $5.05|Do you wish to continue?")
                          .arg(checkPayee[0], checkPayee[1]);
            QTest::newRow(name) << field << typed << summary << QByteArray(stored);
        };
        row("check number D, DEP listed", "cmbCheckNum", "D", "D|RENT",
            "2001,5,12,\"D\",\"RENT\",505,0");
        row("payee R, RENT listed", "cmbPayee", "R", "101|R", "2001,5,12,\"101\",\"R\",505,0");
        row("new payee GAS, GAS STATION listed", "cmbPayee", "GAS", "101|GAS",
            "2001,5,12,\"101\",\"GAS\",505,0");
        row("lower case kept in the summary", "cmbPayee", "rent", "101|rent",
            "2001,5,12,\"101\",\"RENT\",505,0");
        row("year 20 is no year", "txtYear", "20", "", "");
    }
    void typedTextIsKept()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, summary);
        QFETCH(QByteArray, stored);
        MainWindow f;
        Checkbook book = registerOf("1/1W 1/2W");
        book.slot[1].payee = QStringLiteral("RENT");
        book.slot[2].payee = QStringLiteral("GAS STATION");
        f.load(book);
        typeInto(&f.window, ValidEntry);
        f.show();
        auto *combo = f.get<QComboBox>(field);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(combo, typed);
        f.fakes.prompter.answers = {summary.isEmpty() ? QMessageBox::Ok : QMessageBox::Yes};
        QTest::keyClick(combo, Qt::Key_Return);

        if (summary.isEmpty()) {
            QCOMPARE(f.fakes.prompter.titles(), QStringList{"Need Year"});
            QCOMPARE(combo->currentText(), typed);
            return;
        }
        QCOMPARE(f.fakes.prompter.shown.at(0).text, QString(summary).replace(u'|', "\r\n"));
        QCOMPARE(f.file().split('\n').at(3), stored + '\r');
    }

    void addThroughTheKeyboard()
    {
        MainWindow f;
        f.load(registerOf("5/3W 5/4W"));
        f.show();
        // A full stop in the dollars moves to the cents, which the rest replaces.
        for (const char *text : {"5", "3", "2001", "dep", "Corner Store", "12.34"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            for (const char *c = text; *c; ++c)
                QTest::keyClick(QApplication::focusWidget(), *c);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        f.fakes.prompter.answers = {QMessageBox::Yes};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(f.file().split('\n').mid(0, 4),
                 (QList<QByteArray>{"3\r", "2001,5,3,\"ATM\",\"E1\",100,0\r",
                                    "2001,5,3,\"DEP\",\"CORNER STORE\",1234,0\r",
                                    "2001,5,4,\"ATM\",\"E2\",100,0\r"}));
        QCOMPARE(f.label("payee1") + f.label("out1") + f.label("total1"),
                 QStringLiteral("CORNER STORE$12.34 -$13.34 "));
        QCOMPARE(f.get<QComboBox>("cmbPayee")->itemText(0), QStringLiteral("CORNER STORE"));
        // Ready for the next entry: the date kept, the rest back to the defaults.
        QCOMPARE(fieldTexts(f), (QStringList{"5", "3", "2001", "ATM", "", "0", "00"}));
        QCOMPARE(QApplication::focusWidget(), f.get<QComboBox>("txtMonth"));
    }

    // The checks run in order and stop at the first that fails; the user goes back to its field
    // with all that was typed kept, and the file stays as it was.
    void entryChecks_data()
    {
        QTest::addColumn<QString>("edits");  // typed over a valid entry
        QTest::addColumn<QString>("titles"); // the last box is answered No, any before it Yes
        QTest::addColumn<QString>("focus");  // afterwards
        const auto row = [](const char *name, const char *edits, const char *titles,
                            const char *focus) {
            QTest::newRow(name) << QString(edits) << QString(titles) << QString(focus);
        };
        row("year 1899.5", "txtYear=1899.5", "Need Year", "txtYear");
        row("year 9999.5", "txtYear=9999.5", "Need Year", "txtYear");
        row("month 12.5", "txtMonth=12.5", "Need Month", "txtMonth");
        row("2-31", "txtMonth=2 txtDay=31", "Continue?", "cmdAdd");
        row("day 0", "txtDay=0", "Need Day", "txtDay");
        row("first failure only", "txtMonth=13 cmbPayee=", "Need Month", "txtMonth");
        row("check quote", "cmbCheckNum=1\"2", "Invalid Character", "cmbCheckNum");
        row("payee empty", "cmbPayee=", "Need Payee", "cmbPayee");
        row("payee in code page", "cmbPayee=café€", "Continue?", "cmdAdd");
        row("payee outside code page", "cmbPayee=Łódź", "Invalid Character", "cmbPayee");
        row("zero, No", "txtDollar=0 txtCent=0", "Zero For Amount", "txtDollar");
        row("-1 and 100, Yes", "txtDollar=-1 txtCent=100", "Zero For Amount, Continue?", "cmdAdd");
        row("cents 100", "txtCent=100", "Invalid Amount", "txtDollar");
        row("largest amount", "txtDollar=21474836 txtCent=47", "Continue?", "cmdAdd");
        row("one cent more", "txtDollar=21474836 txtCent=48", "Invalid Amount", "txtDollar");
        row("register full", "", "Register Full", "cmdAdd");
    }
    void entryChecks()
    {
        QFETCH(QString, edits);
        QFETCH(QString, titles);
        const bool full = QTest::currentDataTag() == QLatin1String("register full");
        MainWindow f;
        f.load(januaryDays(full ? MaxEntries : 1));
        const QByteArray before = f.file();
        typeInto(&f.window, ValidEntry + u' ' + edits);
        const QStringList typed = fieldTexts(f);
        f.show();
        f.get<QPushButton>("cmdAdd")->setFocus();
        f.fakes.prompter.answers.assign(titles.count(u','), QMessageBox::Yes);
        f.fakes.prompter.answers.push_back(QMessageBox::No);
        QTest::mouseClick(f.get<QPushButton>("cmdAdd"), Qt::LeftButton);

        QCOMPARE(f.fakes.prompter.titles().join(", "), titles);
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QCOMPARE(fieldTexts(f), typed);
        QCOMPARE(f.file(), before);
    }

    void failedSaveKeepsTheEntryToTryAgain()
    {
        MainWindow f;
        f.load(registerOf("5/12W 5/13W"));
        const QByteArray before = f.file();
        typeInto(&f.window, ValidEntry);
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        withFileSizeLimit(4096,
                          [&] { QTest::mouseClick(f.get<QPushButton>("cmdAdd"), Qt::LeftButton); });

        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Continue?", "SAVE FAILED"}));
        QCOMPARE(f.file(), before);
        QCOMPARE(f.label("lblTotal") + f.label("total1") + f.label("payee2"),
                 QStringLiteral("-$2.00-$2.00 "));
        // What was typed is still there, and trying again with room on the disk stores it once.
        f.fakes.prompter.answers = {QMessageBox::Yes};
        QTest::mouseClick(f.get<QPushButton>("cmdAdd"), Qt::LeftButton);
        QCOMPARE(f.file().split('\n').mid(0, 3),
                 (QList<QByteArray>{"3\r", "2001,5,12,\"ATM\",\"E1\",100,0\r",
                                    "2001,5,12,\"101\",\"RENT\",505,0\r"}));
    }

    void lineButtonEditsTheEntryItShows()
    {
        MainWindow f;
        f.load(januaryDays(25));
        f.get<QScrollBar>("vsbList")->setValue(5);
        QString dayShown;
        NextModal<QDialog> editor([&](QDialog *window) {
            dayShown = child<QComboBox>(window, QStringLiteral("txtEditDay"))->currentText();
            QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(f.get<QPushButton>(QStringLiteral("cmd3")), Qt::LeftButton);
        QCOMPARE(dayShown, QStringLiteral("7"));
    }

    // The file holds what the core writes for the type chosen; the register file is untouched.
    void exportThroughTheWindow_data()
    {
        QTest::addColumn<QString>("typed"); // empty: cancelled
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written"); // empty: no file
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("icon"); // -1: no box
        const QString csv = exportFilter(ExportFormat::Csv);
        const QString qif = exportFilter(ExportFormat::Qif);
        QTest::newRow("CSV") << "out.csv" << csv << "out.csv" << int(ExportFormat::Csv)
                             << int(QMessageBox::Information);
        QTest::newRow("QIF chosen, no extension typed")
            << "out" << qif << "out.qif" << int(ExportFormat::Qif) << int(QMessageBox::Information);
        QTest::newRow("extension typed wins")
            << "out.qif" << csv << "out.qif" << int(ExportFormat::Qif)
            << int(QMessageBox::Information);
        QTest::newRow("cancelled") << "" << csv << "" << 0 << -1;
        QTest::newRow("missing folder")
            << "missing/out.csv" << csv << "" << 0 << int(QMessageBox::Warning);
    }
    void exportThroughTheWindow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QFETCH(int, format);
        QFETCH(int, icon);
        MainWindow f;
        f.load(registerOf("5/3W 5/4D 5/5N"));
        const QByteArray before = f.file();
        const QString typedPath = QDir::current().filePath(typed);
        FakePrompter &prompter = f.fakes.prompter;
        prompter.fileAnswers = {typed.isEmpty() ? std::nullopt : std::optional(typedPath)};
        prompter.filterAnswers = {filter};
        if (icon >= 0)
            prompter.answers = {QMessageBox::Ok};
        f.get<QAction>("mnuExport")->trigger();

        const QString name = QStringLiteral("tallyra-2001-06-07.csv");
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(prompter.suggestedFiles.size(), size_t(1));
        QVERIFY(prompter.suggestedFiles[0] == QDir(documents).filePath(name) ||
                prompter.suggestedFiles[0] == QDir::home().filePath(name));
        QCOMPARE(prompter.offeredFilters, std::vector<QString>{exportFilters()});
        QCOMPARE(f.file(), before);
        QStringList files = {QLatin1String(DataFileName)};
        if (!written.isEmpty())
            files << written;
        files.sort();
        QCOMPARE(QDir::current().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), files);
        QCOMPARE(prompter.shown.size(), size_t(icon < 0 ? 0 : 1));
        if (icon < 0)
            return;
        const FakePrompter::Shown &box = prompter.shown[0];
        QCOMPARE(int(box.icon), icon);
        QCOMPARE(box.title, QStringLiteral("Export"));
        if (written.isEmpty()) {
            QVERIFY2(box.text.startsWith("The register could not be exported to " + typedPath),
                     qPrintable(box.text));
            return;
        }
        const QString path = QDir::current().filePath(written);
        QCOMPARE(fileBytes(path), exportBytes(f.book, ExportFormat(format)));
        QCOMPARE(box.text, QStringLiteral("3 entries were written to %1.").arg(path));
    }

    // Ctrl+F shows the next entry after the focused line, or after the line above the list from
    // anywhere else, with its line button focused; nothing in the register changes.
    void findShowsTheNextEntry_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("top");        // the list's top line afterwards
        QTest::addColumn<QString>("button"); // focused afterwards
        QTest::addColumn<QString>("payee");  // on its line
        const auto row = [](const char *name, int count, const char *focus, const char *text,
                            int top, const char *button, const char *payee) {
            QTest::newRow(name) << count << QString(focus) << QString(text) << top
                                << QString(button) << QString(payee);
        };
        row("below, on the same page", 25, "cmd1", "corner", 16, "cmd3", "Corner Bakery");
        row("check number, from a field", 25, "txtMonth", "104", 16, "cmd5", "E20");
        row("the line shown first, from a field", 25, "cmbPayee", "e16", 16, "cmd1", "E16");
        row("above, going round", 25, "cmd3", "CORNER", 4, "cmd1", "CORNER STORE");
        row("not found", 25, "cmd2", "zebra", 16, "cmd2", "E17");
        row("full register, near the start", 1000, "txtMonth", "corner s", 4, "cmd1",
            "CORNER STORE");
        row("few entries", 5, "txtMonth", "CORNER", 1, "cmd4", "CORNER STORE");
    }
    void findShowsTheNextEntry()
    {
        QFETCH(int, count);
        QFETCH(QString, focus);
        QFETCH(QString, text);
        QFETCH(QString, button);
        MainWindow f;
        f.load(findRegister(count));
        const QByteArray before = f.file();
        f.show();
        f.get<QWidget>(focus)->setFocus();
        const bool missing = text == QLatin1String("zebra");
        f.fakes.prompter.textAnswers = {text};
        if (missing)
            f.fakes.prompter.answers = {QMessageBox::Ok};
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);

        QTEST(f.get<QScrollBar>("vsbList")->value(), "top");
        QCOMPARE(QApplication::focusWidget(), f.get<QWidget>(button));
        QTEST(f.label("payee" + QString::number(button.mid(3).toInt() - 1)), "payee");
        QCOMPARE(f.file(), before);
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(missing));
        if (missing) {
            QCOMPARE(int(f.fakes.prompter.shown[0].icon), int(QMessageBox::Information));
            QCOMPARE(f.fakes.prompter.titles(), QStringList{"Find"});
            QCOMPARE(f.fakes.prompter.shown[0].text, QStringLiteral("\"zebra\" was not found."));
        }
    }

    // F3 before any Find asks, as Find does; then it goes on from the entry found, round the
    // end once; Enter on the entry found opens it for editing.
    void findNextAndEdit()
    {
        MainWindow f;
        f.load(findRegister(25));
        const QByteArray before = f.file();
        f.show();
        f.fakes.prompter.textAnswers = {QStringLiteral("corner")};
        const auto findNext = [&] {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
            return f.get<QScrollBar>("vsbList")->value() * 100 +
                   QApplication::focusWidget()->objectName().mid(3).toInt();
        };
        QCOMPARE(findNext(), 16 * 100 + 3);
        QCOMPARE(findNext(), 4 * 100 + 1);
        QCOMPARE(findNext(), 16 * 100 + 3);
        QVERIFY(f.fakes.prompter.textAnswers.empty() && f.fakes.prompter.shown.empty());

        QString payeeShown;
        NextModal<QDialog> editor([&](QDialog *window) {
            payeeShown = child<QComboBox>(window, QStringLiteral("txtEditPayee"))->currentText();
            QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(editor.handled());
        QCOMPARE(payeeShown, QStringLiteral("Corner Bakery"));
        QCOMPARE(f.file(), before);
    }

    // Sizing the field from its list meant measuring every payee at start-up, and a long payee
    // or check number in the list made the window wider than the screen, the totals out of
    // sight.
    void longTextsDoNotWidenTheWindow()
    {
        MainWindow plain;
        plain.load(januaryDays(2));
        Checkbook book = januaryDays(2);
        const QString longPayee = QStringLiteral("A VERY LONG PAYEE ").repeated(8);
        book.slot[1].payee = longPayee;
        book.slot[1].checkNumber = QStringLiteral("1234567890").repeated(4);
        MainWindow full;
        full.load(book);
        QCOMPARE(full.window.sizeHint(), plain.window.sizeHint());
        QCOMPARE(full.window.minimumSizeHint(), plain.window.minimumSizeHint());
        // Cut short on screen only: the cells hold the whole texts.
        QCOMPARE(full.label("payee0") + full.label("check0"), longPayee + book.slot[1].checkNumber);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestApp tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_app.moc"
