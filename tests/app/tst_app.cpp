// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "entry/FieldValue.h"
#include "export/RegisterExport.h"
#include "recurring/frmDue.h"
#include "register/Companion.h"
#include "register/RegisterDocument.h"

#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace tallyra;
using namespace tallyra::test;

Q_DECLARE_METATYPE(tallyra::Entry)

namespace {

const QString ValidEntry = QStringLiteral(
    "txtMonth=5 txtDay=12 txtYear=2001 cmbCheckNum=101 cmbPayee=RENT txtDollar=5 txtCent=5");

// Drawn in a red, of whatever shade reads where the label is.
bool isRed(const QLabel *l)
{
    const QColor ink = l->palette().color(l->foregroundRole());
    return ink.red() >= ink.green() + 50 && ink.red() >= ink.blue() + 50;
}

// The seven entry fields' texts in tab order.
QStringList fieldTexts(const MainWindow &f)
{
    QStringList texts;
    for (const QString &edit : ValidEntry.split(u' '))
        texts << f.get<QComboBox>(edit.section(u'=', 0, 0))->currentText();
    return texts;
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
        row("second point ends it", "1.2.3", "0", 120);
        row("hex", "&h1fz", "0", 3100);
        row("octal stops at 8", "&O178", "0", 1500);
        row("comma is no point", "1,5", "0", 100);
        row("huge despite a negative exponent", "1" + QString(320, u'0') + "e-5", "0", HUGE_VAL);
    }
    void amountInCents()
    {
        QFETCH(QString, dollars);
        QFETCH(QString, cents);
        QTEST(amountCents(dollars, cents), "amount");
    }

    void missingOrUnreadableFile_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all; "FIFO": a named pipe
        QTest::addColumn<QString>("titles");   // after Yes
        const QByteArray record = "2001,1,1,\"ATM\",\"RENT\",100,0\r\n";
        const QString kept = "Missing File, Old File Kept";
        QTest::newRow("missing") << QByteArray() << "Missing File";
        QTest::newRow("short file") << QByteArray("3\r\n") + record + record << kept;
#ifndef Q_OS_WIN
        // Opening it to read would wait for a writer for ever, before any window shows.
        QTest::newRow("FIFO set aside unread") << QByteArray("FIFO") << kept;
#endif
    }
    void missingOrUnreadableFile()
    {
        QFETCH(QByteArray, bytes);
        const bool fifo = bytes == "FIFO";
        if (!fifo) {
            // No: nothing on disk changes and the program ends.
            MainWindow f;
            f.fakes.prompter.answers = {QMessageBox::No};
            f.load(bytes);
            QCOMPARE(f.fakes.programEnd.calls, 1);
            QCOMPARE(filesHere().size(), bytes.isNull() ? 0 : 1);
            QCOMPARE(f.file(), bytes);
        }
        // Yes: an unreadable file is kept, under a name that spares an earlier kept copy.
        MainWindow f;
        writeBytes(QStringLiteral("default.dat.unreadable"), "earlier");
#ifndef Q_OS_WIN
        QVERIFY(!fifo || mkfifo(DataFileName, 0600) == 0);
#endif
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        f.load(fifo ? QByteArray() : bytes);
        QTEST(f.fakes.prompter.titles().join(", "), "titles");
        const QFileInfo kept(QStringLiteral("default.dat.unreadable.1"));
        QCOMPARE(kept.exists() && !kept.isFile() ? "FIFO" : fileBytes(kept.filePath()), bytes);
        QCOMPARE(fileBytes(QStringLiteral("default.dat.unreadable")), QByteArray("earlier"));
        QCOMPARE(f.file(), emptyDataFile());
        QCOMPARE(f.fakes.programEnd.calls, 0);
    }

    // The panel shows the account total, red below zero, and past 970 entries a red warning on
    // one line. The list's top line shows its entry's date, check number and payee as stored,
    // whole however long, the amount in the column of its kind, and the total after it, red
    // below zero. None of it widens the window: long texts once pushed the totals off screen.
    void statusPanelAndListLine_data()
    {
        QTest::addColumn<int>("count"); // entries alike
        QTest::addColumn<Entry>("entry");
        // The panel's total|count|version or warning, then the top line: date|check|payee|out|
        // dep|total.
        QTest::addColumn<QString>("shown");
        const Entry voided{1999, 1, 9, "VOID", "X", 0, 0};
        const QString check = QStringLiteral("1234567890").repeated(4);
        const QString payee = QStringLiteral("A VERY LONG PAYEE ").repeated(8);
        const QString version = "|Version 1.3|";
        QTest::newRow("long withdrawal, one cent below zero")
            << 1 << Entry{2000, 5, 18, check, payee, 1, 0}
            << "-$.01|1 / 1000" + version + "5/18/2000|" + check + '|' + payee + "|$.01 ||-$.01 ";
        QTest::newRow("total past 32 bits")
            << 2 << Entry{2001, 1, 1, "ATM", "E", std::numeric_limits<qint32>::max(), 0}
            << "-$42,949,672.94|2 / 1000" + version +
                   "1/1/2001|ATM|E|$21,474,836.47 ||-$21,474,836.47 ";
        QTest::newRow("deposit") << 1 << Entry{2003, 12, 1, "DEP", "PAY", 0, 123456789}
                                 << "$1,234,567.89|1 / 1000" + version +
                                        "12/1/2003|DEP|PAY||$1,234,567.89 |$1,234,567.89 ";
        QTest::newRow("970 entries, no warning")
            << 970 << voided << "$.00|970 / 1000" + version + "1/9/1999|VOID|X|||$.00 ";
        QTest::newRow("971 entries, warning") << 971 << voided
                                              << "$.00|971 / 1000|Warning: You are near the limit "
                                                 "of records.|1/9/1999|VOID|X|||$.00 ";
    }
    void statusPanelAndListLine()
    {
        QFETCH(int, count);
        QFETCH(Entry, entry);
        Checkbook stored, blank;
        stored.entryCount = blank.entryCount = qint16(count);
        std::fill_n(&stored.slot[1], count, entry);
        MainWindow plain;
        plain.load(blank);
        MainWindow f;
        f.load(stored);
        QStringList shown;
        for (const char *name : {"lblTotal", "lblRecNum", "lblWarning", "date0", "check0", "payee0",
                                 "out0", "dep0", "total0"})
            shown << f.label(QLatin1String(name));
        QTEST(shown.join(u'|'), "shown");
        QCOMPARE(isRed(f.get<QLabel>("lblTotal")), shown.first().startsWith(u'-'));
        QCOMPARE(isRed(f.get<QLabel>("total0")), shown.last().startsWith(u'-'));
        auto *label = f.get<QLabel>("lblWarning");
        QCOMPARE(isRed(label), count > 970);
        QCOMPARE(f.window.sizeHint(), plain.window.sizeHint());
        // On one line, like the panel's other lines.
        f.show();
        QVERIFY(label->contentsRect().width() >=
                label->fontMetrics().horizontalAdvance(label->text()));
        QVERIFY(label->height() < 2 * label->fontMetrics().lineSpacing());
    }

    // The status bar tells where the balance ahead goes below zero, again after a change and
    // when the date changes while the program runs.
    void balanceAheadInTheStatusBar()
    {
        MainWindow f;
        const Checkbook book = registerOf("6/1D");
        Companion companion;
        RecurringEntry rent;
        rent.payee = "RENT";
        rent.cents = 300;
        rent.rule.day = 20;
        rent.next = {2001, 6, 20};
        companion.schedules = {rent};
        writeBytes(companionPath(QLatin1String(DataFileName)), formatCompanion(book, companion));
        f.load(book);
        const auto *lblAhead = f.get<QLabel>("lblAhead");
        QCOMPARE(lblAhead->text(), "Balance below zero on 6/20/2001 after RENT");
        QVERIFY(!lblAhead->isHidden());

        // Due by 6/25, the date change asks about it; left for later, it counts on that day.
        f.fakes.clock.date = {2001, 6, 25};
        QString asked;
        NextModal<FrmDue> later([&](FrmDue *due) {
            asked = child<QLabel>(due, "lblDue")->text();
            QTest::mouseClick(child<QPushButton>(due, "cmdLater"), Qt::LeftButton);
        });
        child<DayWatch>(&f.window, "dayWatch")->check();
        QVERIFY(later.handled());
        QCOMPARE(asked, "1 recurring entry is due");
        QCOMPARE(lblAhead->text(), "Balance below zero on 6/25/2001 after RENT");

        Checkbook richer = book;
        richer.slot[1].depositCents = 10000;
        QVERIFY(f.document.replace(richer, "change").saved());
        QVERIFY(lblAhead->isHidden());
    }

    // What is typed by keyboard is what the summary shows, whatever the pick lists hold, and
    // the file stores it in capitals in date order; Enter in a field presses Add. A full stop in
    // the dollars moves to the cents. Then the date stays, the rest is back to the defaults.
    void addThroughTheKeyboard_data()
    {
        QTest::addColumn<QString>("typed");  // month|day|year|check|payee|amount
        QTest::addColumn<QString>("stored"); // its check number|payee in the file; empty: refused
        const auto row = [](const char *name, const char *typed, const char *stored) {
            QTest::newRow(name) << QString(typed) << QString(stored);
        };
        row("check number D and payee R, DEP and RENT listed", "5|3|2001|D|R|12.34", "D|R");
        row("lower case kept in the summary", "5|3|2001|dep|Corner Store|12.34",
            "DEP|CORNER STORE");
        row("year 20 is no year", "5|3|20|101|RENT|12.34", "");
    }
    void addThroughTheKeyboard()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const bool added = !stored.isEmpty();
        MainWindow f;
        Checkbook book = registerOf("5/3W 5/4W");
        book.slot[1].payee = QStringLiteral("RENT");
        f.load(book);
        f.show();
        f.fakes.prompter.answers = {added ? QMessageBox::Yes : QMessageBox::Ok};
        // A tab between fields selects the next one's text, which the typing replaces.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        for (QChar c : typed)
            QTest::keyClick(QApplication::focusWidget(), c == u'|' ? '\t' : c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(f.fakes.prompter.titles(), QStringList{added ? "Continue?" : "Need Year"});
        // Afterwards the date stays and the rest is back to the defaults, or all is kept.
        const QStringList defaults{"5", "3", "2001", "ATM", "", "0", "00"};
        QCOMPARE(fieldTexts(f), added ? defaults : QString(typed).replace(u'.', u'|').split(u'|'));
        if (!added)
            return;
        QCOMPARE(f.fakes.prompter.shown.at(0).text,
                 QStringLiteral("Adding:\r\nDate: 5-3-2001\r\nCheck Number: %1\r\nPayee: %2\r\n"
                                "Amount: $12.34\r\nDo you wish to continue?")
                     .arg(typed.section(u'|', 3, 3), typed.section(u'|', 4, 4)));
        QCOMPARE(f.file().split('\n').at(2),
                 "2001,5,3,\"" + QString(stored).replace(u'|', "\",\"") + "\",1234,0\r");
        QCOMPARE(f.label("out1") + f.label("total1"), QStringLiteral("$12.34 -$13.34 "));
        QVERIFY(f.get<QComboBox>("cmbPayee")->findText(stored.section(u'|', 1)) >= 0);
        QCOMPARE(QApplication::focusWidget(), f.get<QComboBox>("txtMonth"));
    }

    // The checks run in order and stop at the first that fails, and a save that fails is a
    // refusal too: the user goes back with all that was typed kept, and the register in memory
    // and on disk stays as it was, to try again.
    void entryChecks_data()
    {
        QTest::addColumn<QString>("edits");  // typed over a valid entry
        QTest::addColumn<QString>("titles"); // the last box is answered No, any before it Yes
        QTest::addColumn<QString>("focus");  // afterwards
        const auto row = [](const char *name, const char *edits, const char *titles,
                            const char *focus) { QTest::newRow(name) << edits << titles << focus; };
        row("month 12.5", "txtMonth=12.5", "Need Month", "txtMonth");
        row("day 0", "txtDay=0", "Need Day", "txtDay");
        row("first failure only", "txtMonth=13 cmbPayee=", "Need Month", "txtMonth");
        row("check number empty", "cmbCheckNum=", "Need Check Number", "cmbCheckNum");
        row("payee empty", "cmbPayee=", "Need Payee", "cmbPayee");
        row("payee outside code page", "cmbPayee=Łódź", "Invalid Character", "cmbPayee");
        row("-1 and 100, Yes", "txtDollar=-1 txtCent=100", "Zero For Amount, Continue?", "cmdAdd");
        row("cents 100", "txtCent=100", "Invalid Amount", "txtDollar");
        row("largest amount, payee in code page", "txtDollar=21474836 txtCent=47 cmbPayee=café€",
            "Continue?", "cmdAdd");
        row("one cent more", "txtDollar=21474836 txtCent=48", "Invalid Amount", "txtDollar");
        row("register full", "", "Register Full", "cmdAdd");
        row("save failed", "", "Continue?, SAVE FAILED", "cmdAdd");
    }
    void entryChecks()
    {
        QFETCH(QString, edits);
        QFETCH(QString, titles);
        const QLatin1String tag(QTest::currentDataTag());
        MainWindow f;
        f.load(januaryDays(tag == QLatin1String("register full") ? MaxEntries : 1));
        const QByteArray before = f.file();
        typeInto(&f.window, ValidEntry + u' ' + edits);
        const QStringList typed = fieldTexts(f);
        f.show();
        f.fakes.prompter.answers.assign(titles.count(u','), QMessageBox::Yes);
        f.fakes.prompter.answers.push_back(QMessageBox::No);
        WITH_FILE_SIZE_LIMIT(tag == QLatin1String("save failed") ? 4096 : NoFileSizeLimit, [&] {
            QTest::mouseClick(f.get<QPushButton>("cmdAdd"), Qt::LeftButton);
        });

        QCOMPARE(f.fakes.prompter.titles().join(", "), titles);
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QCOMPARE(fieldTexts(f), typed);
        QCOMPARE(f.file(), before);
        // Free slots may keep what was placed there: only the entries count.
        Checkbook entries = f.document.book();
        std::fill(entries.slot.begin() + entries.entryCount + 1, entries.slot.end(), Entry{});
        QCOMPARE(formatDataFile(entries), before);
    }

    // The menu asks for a file named after the day, writes what the core writes for the type
    // chosen and says so, or says why not; the register file is untouched.
    void exportThroughTheWindow()
    {
        MainWindow f;
        f.load(registerOf("5/3W 5/4D 5/5N"));
        const QString missing = QDir::current().filePath("missing/out");
        const QString written = QDir::current().filePath("out.qif");
        FakePrompter &prompter = f.fakes.prompter;
        prompter.fileAnswers = {missing, QDir::current().filePath("out")};
        const QString qif = QLatin1String(ExportTypes[std::size_t(ExportFormat::Qif)].filter);
        prompter.filterAnswers = {qif, qif};
        prompter.answers = {QMessageBox::Ok, QMessageBox::Ok};
        f.get<QAction>("mnuExport")->trigger();
        f.get<QAction>("mnuExport")->trigger();

        QVERIFY(prompter.suggestedFiles.at(1).endsWith("/tallyra-2001-06-07.csv"));
        QCOMPARE(prompter.offeredFilters.at(1), saveFilters(ExportTypes));
        QCOMPARE(prompter.titles(), (QStringList{"Export", "Export"}));
        QCOMPARE(int(prompter.shown[0].icon), int(QMessageBox::Warning));
        QVERIFY(prompter.shown[0].text.startsWith("The register could not be exported to " +
                                                  missing + ".qif: "));
        QCOMPARE(int(prompter.shown[1].icon), int(QMessageBox::Information));
        QCOMPARE(prompter.shown[1].text,
                 QStringLiteral("3 entries were written to %1.").arg(written));
        QCOMPARE(fileBytes(written), exportBytes(f.document.book(), ExportFormat::Qif));
        QCOMPARE(filesHere(QDir::AllEntries), (QStringList{"default.dat", "out.qif"}));
    }

    // F3 before any Find asks, as Find does, and says when nothing matches. Ctrl+F from a line
    // goes on after it, round the end, and shows the entry found with its line focused; F3 goes
    // on from there; Enter on the entry found opens it for editing. The register never changes.
    void findAndEdit()
    {
        MainWindow f;
        Checkbook book = januaryDays(25); // the list shows 16 to 25
        book.slot[4].payee = QStringLiteral("CORNER STORE");
        book.slot[18].payee = QStringLiteral("Corner Bakery");
        f.load(book);
        f.show();
        f.fakes.prompter.textAnswers = {QStringLiteral("zebra"), QStringLiteral("CORNER")};
        f.fakes.prompter.answers = {QMessageBox::Ok};
        // The list's top line and the focused line button afterwards.
        const auto press = [&](const char *line, Qt::Key key, Qt::KeyboardModifiers keys = {}) {
            f.get<QWidget>(line)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key, keys);
            return QString::number(f.get<QScrollBar>("vsbList")->value()) + ' ' +
                   QApplication::focusWidget()->objectName();
        };
        QCOMPARE(press("cmd2", Qt::Key_F3), QStringLiteral("16 cmd2"));
        QCOMPARE(f.fakes.prompter.shown.at(0).title + ": " + f.fakes.prompter.shown.at(0).text,
                 QStringLiteral("Find: \"zebra\" was not found."));
        QCOMPARE(press("cmd3", Qt::Key_F, Qt::ControlModifier), QStringLiteral("4 cmd1"));
        QCOMPARE(press("cmd1", Qt::Key_F3), QStringLiteral("16 cmd3"));

        QString payeeShown;
        NextModal<QDialog> editor([&](QDialog *window) {
            payeeShown = child<QComboBox>(window, QStringLiteral("txtEditPayee"))->currentText();
            window->reject();
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(editor.handled());
        QCOMPARE(payeeShown, QStringLiteral("Corner Bakery"));
        QCOMPARE(f.file(), formatDataFile(book));
    }

    // Add through the window, remove through the edit window, then Ctrl+Z twice from the
    // month field, where nothing typed is left to undo: the file is byte for byte what it was.
    // Ctrl+Y and Ctrl+Shift+Z redo, and each step says in the status bar what it did.
    void undoAndRedoThroughTheWindow()
    {
        MainWindow f;
        f.load(registerOf("5/3W 5/4W"));
        const QByteArray before = f.file();
        f.show();
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Yes};
        typeInto(&f.window, "txtDay=5 txtYear=2001 cmbPayee=GAS txtDollar=5");
        // The month typed by hand: its typing is not what Ctrl+Z undoes once it is added.
        f.get<QComboBox>("txtMonth")->setFocus();
        QTest::keyClick(f.get<QComboBox>("txtMonth"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(f.get<QComboBox>("txtMonth"), "5");
        f.get<QPushButton>("cmdAdd")->click();
        NextModal<QDialog> editor([&](QDialog *window) {
            child<QPushButton>(window, QStringLiteral("cmdRemove"))->click();
        });
        f.window.openEditor(0);
        QVERIFY(editor.handled());
        // The offscreen platform gives the focus back to no window by itself.
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const auto key = [&](QKeyCombination keys) {
            QTest::keyClick(f.get<QComboBox>("txtMonth"), keys.key(), keys.keyboardModifiers());
            return f.window.statusBar()->currentMessage();
        };
        // tst_document follows the bytes of every step; here the keys reach the document.
        QCOMPARE(key(Qt::CTRL | Qt::Key_Z), QStringLiteral("Undone: remove 05/03/2001 E1 $1.00"));
        QCOMPARE(key(Qt::CTRL | Qt::Key_Z), QStringLiteral("Undone: add 05/05/2001 GAS $5.00"));
        QCOMPARE(f.file(), before);
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("2 / 1000"));
        QCOMPARE(key(Qt::CTRL | Qt::Key_Y), QStringLiteral("Redone: add 05/05/2001 GAS $5.00"));
        QCOMPARE(key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                 QStringLiteral("Redone: remove 05/03/2001 E1 $1.00"));
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("2 / 1000"));
        QCOMPARE(f.window.findChild<QAction *>("mnuUndo")->text(),
                 QStringLiteral("&Undo remove 05/03/2001 E1 $1.00"));
        // Typing in a field is undone there first, and the register stays.
        const QByteArray now = f.file();
        f.get<QComboBox>("cmbPayee")->setFocus();
        QTest::keyClicks(f.get<QComboBox>("cmbPayee"), "X");
        QTest::keyClick(f.get<QComboBox>("cmbPayee"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.get<QComboBox>("cmbPayee")->currentText(), QString());
        QCOMPARE(f.file(), now);
    }

    // A second start on a folder whose register another copy holds names the holder and asks;
    // read-only changes nothing and says so in the caption, Quit (or Esc) ends the program.
    void registerHeldByAnotherCopy_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Open Read-Only") << 0;
        QTest::newRow("Quit") << 1;
    }
    void registerHeldByAnotherCopy()
    {
        QFETCH(int, answer);
        MainWindow f;
        const QByteArray file = formatDataFile(registerOf("5/3W"));
        writeBytes(QLatin1String(DataFileName), file);
        RegisterDocument other;
        QCOMPARE(other.lock(), std::nullopt);
        f.fakes.prompter.chosen = {answer};
        f.load(QByteArray());
        // Asked once the window is up.
        QVERIFY(f.fakes.prompter.shown.empty());
        QTRY_COMPARE(f.fakes.prompter.titles(), QStringList{"Register In Use"});
        QVERIFY(f.fakes.prompter.shown[0].text.contains(
            QStringLiteral("(process %1 on ").arg(QCoreApplication::applicationPid())));
        QCOMPARE(f.fakes.prompter.shown[0].offered,
                 QStringLiteral("Open &Read-Only|&Quit, default Open &Read-Only, Esc &Quit"));
        QCOMPARE(f.fakes.programEnd.calls, answer);
        if (answer == 1)
            return;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Tallyra v1.3 (Read-Only)"));
        QVERIFY(!f.get<QPushButton>("cmdAdd")->isEnabled());
        for (const char *change : {"mnuNew", "mnuCarryForward", "mnuImport", "mnuReconcile",
                                   "mnuRestore", "mnuUndo", "mnuRedo"})
            QVERIFY(!f.window.findChild<QAction *>(change)->isEnabled());
        QCOMPARE(f.label("lblRecNum"), QStringLiteral("1 / 1000"));
        QCOMPARE(f.file(), file);
    }

    // The document outlives the window: with the window gone, a write over another program's
    // change is refused rather than asked about through a window that is no longer there.
    void outsideChangeQuestionGoesWithTheWindow()
    {
        TempWorkingFolder folder;
        FakePlatform fakes;
        RegisterDocument document;
        writeBytes(QLatin1String(DataFileName), formatDataFile(registerOf("5/3W")));
        {
            FrmMoney window(document, fakes.platform);
            window.Form_Load();
        }
        const QByteArray theirs = formatDataFile(registerOf("5/3W 5/4W"));
        writeBytes(QLatin1String(DataFileName), theirs);
        const ChangeResult result = document.replace(registerOf("5/5D"), "add");
        QCOMPARE(int(result.status), int(ChangeResult::Status::Refused));
        QVERIFY(fakes.prompter.shown.empty());
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), theirs);
    }

    // The wheel over a line or a line's button of the main window moves the list as over the
    // scroll bar: three lines a notch, no further than either end.
    void wheelScrollsTheList_data()
    {
        QTest::addColumn<QString>("over");
        QTest::addColumn<int>("notches"); // up; down when negative
        QTest::addColumn<int>("firstShown");
        QTest::newRow("payee") << "payee4" << 1 << 13;
        QTest::newRow("line button") << "cmd1" << 2 << 10;
        QTest::newRow("past the end") << "date9" << -1 << 16;
        QTest::newRow("past the top") << "total0" << 10 << 1;
    }
    void wheelScrollsTheList()
    {
        QFETCH(QString, over);
        QFETCH(int, notches);
        QFETCH(int, firstShown);
        MainWindow f;
        f.load(januaryDays(25)); // the list shows 16 to 25
        f.show();
        // Delivered as the window system delivers it, to the widget under the pointer.
        QWidget *target = f.get<QWidget>(over);
        const QPointF at = target->rect().center();
        for (int i = 0; i < qAbs(notches); ++i) {
            QWheelEvent wheel(at, target->mapToGlobal(at), {}, {0, notches > 0 ? 120 : -120},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&wheel);
            QApplication::instance()->notify(target, &wheel);
        }
        // The top line shows the entry of that day.
        QCOMPARE(f.label("date0"), QStringLiteral("1/%1/2001").arg(firstShown));
    }
};

QTEST_MAIN(TestApp)

#include "tst_app.moc"
