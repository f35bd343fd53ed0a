// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "edit/EditEntry.h"
#include "entry/PlaceEntry.h"
#include "register/Companion.h"
#include "register/DataFile.h"
#include "register/RegisterDocument.h"

#include <memory>

using namespace tallyra;
using namespace tallyra::test;

namespace {

const QString Data = QStringLiteral("default.dat");
const QString State = QStringLiteral("default.dat.state");

// A statement, one put off, and a schedule whose texts hold the file's separators.
const Companion OneStatement = [] {
    RecurringEntry rent;
    rent.checkNumber = QStringLiteral("ATM");
    rent.payee = QStringLiteral("RENT\tAPT \\4\r\n");
    rent.cents = 95000;
    rent.rule = {Frequency::TwiceAMonth, 31, 15, 1, WeekendRule::FridayBefore};
    rent.next = QDate(2001, 3, 15);
    rent.end = QDate(2002, 1, 1);
    rent.remaining = 12;
    rent.askFirst = false;
    return Companion{{{20010131, 12345}}, StatementBalance{20010228, -700}, {rent}};
}();

} // namespace

class TestCompanion : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // What is written reads back onto the same register as it was, entries alike in every
    // field included, and texts that hold the file's own separators.
    void marksReadBackOntoTheirEntries_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("payee"); // for every entry, when not empty
        QTest::newRow("mixed") << QStringLiteral("1/1W 1/3D 2/1W 2/5D") << "rcnr" << QString();
        QTest::newRow("twins keep as many marks")
            << QStringLiteral("1/1W 1/1W 1/1W") << "ccn"
            << QStringLiteral("Tab\there \\n back\\slash\r\n");
        QTest::newRow("none") << QStringLiteral("1/1W") << "n" << QString();
    }
    void marksReadBackOntoTheirEntries()
    {
        QFETCH(QString, entries);
        QFETCH(QString, marks);
        QFETCH(QString, payee);
        Checkbook book = registerOf(entries);
        for (int i = 1; !payee.isEmpty() && i <= book.entryCount; ++i)
            book.slot[i].payee = payee;
        mark(book, marks);
        const QByteArray bytes = formatCompanion(book, OneStatement);
        QVERIFY(bytes.startsWith("tallyra-state 1\n"));

        Checkbook read = book;
        mark(read, QString(marks.size(), u'r'), 20990101);
        Companion companion;
        const CompanionRead result = readCompanion(bytes, read, companion);
        QCOMPARE(result.result, CompanionRead::Result::Read);
        QCOMPARE(result.unmatched, 0);
        QCOMPARE(marksOf(read), marks);
        for (int i = 1; i <= book.entryCount; ++i)
            QCOMPARE(read.slot[i], book.slot[i]);
        QCOMPARE(companion, OneStatement);
        QCOMPARE(formatCompanion(read, companion), bytes);
    }

    // A file that does not read changes nothing at all; a newer one is told apart. A schedule
    // line reads only whole. A mark for an entry the register no longer holds is dropped and
    // counted; the rest read.
    void filesReadWholeOrNotAtAll_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<CompanionRead::Result>("result");
        QTest::addColumn<QString>("marks"); // after reading
        QTest::addColumn<int>("unmatched");
        using R = CompanionRead::Result;
        const QByteArray good = "tallyra-state 1\nstatement\t2001-01-31\t100\n"
                                "cleared\t\t2001-01-01\t100\t0\tATM\tE1\n";
        const auto damaged = [](const char *name, const QByteArray &bytes) {
            QTest::newRow(name) << bytes << R::Damaged << "nr" << 0;
        };
        damaged("cut short", good.chopped(1));
        damaged("empty", QByteArray());
        damaged("no version line", good.mid(16));
        damaged("not a number", QByteArray(good).replace("state 1", "state x"));
        damaged("bad statement date", QByteArray(good).replace("2001-01-31", "2001-02-30"));
        damaged("bad amount", QByteArray(good).replace("\t100\n", "\t1x\n"));
        damaged("unknown line", good + "pending\t\tx\n");
        damaged("cleared with a date",
                QByteArray(good).replace("cleared\t\t", "cleared\t2001-01-31\t"));
        damaged("mark, a field short", QByteArray(good).replace("\tATM\tE1", "\tATM"));
        damaged("mark, no such statement date",
                good + "reconciled\t2001-02-30\t2001-01-01\t100\t0\tATM\tE1\n");
        const QByteArray schedule = good + "schedule\t2001-02-01\t\t\tmonthly\t31\t15\t1\tkeep\task"
                                           "\t5000\twithdrawal\tATM\tR\\tENT\n";
        QTest::newRow("schedule reads") << schedule << R::Read << "cn" << 0;
        damaged("schedule, unknown rule", QByteArray(schedule).replace("monthly", "daily"));
        damaged("schedule, day 32", QByteArray(schedule).replace("\t31\t", "\t32\t"));
        damaged("schedule, unknown escape", QByteArray(schedule).replace("R\\tENT", "R\\xENT"));
        damaged("schedule, a field short", QByteArray(schedule).replace("\tkeep", ""));
        QTest::newRow("later version")
            << QByteArray(good).replace("state 1", "state 2") << R::Newer << "nr" << 0;
        QTest::newRow("marks naming no entry")
            << good + "cleared\t\t2001-01-01\t100\t0\tATM\tE1\n"
                      "reconciled\t2001-01-31\t2001-01-09\t0\t100\tATM\tE2\n"
            << R::Read << "cn" << 2;
    }
    void filesReadWholeOrNotAtAll()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(CompanionRead::Result, result);
        Checkbook book = registerOf("1/1W 1/3D");
        mark(book, "nr");
        Companion companion = OneStatement;
        const CompanionRead read = readCompanion(bytes, book, companion);
        QCOMPARE(read.result, result);
        QTEST(marksOf(book), "marks");
        QTEST(read.unmatched, "unmatched");
        if (result != CompanionRead::Result::Read) {
            QVERIFY(!read.reason.isEmpty());
            QCOMPARE(companion, OneStatement);
        } else if (bytes.contains("schedule")) {
            QCOMPARE(companion.schedules.size(), 1);
            QCOMPARE(companion.schedules[0].payee, QStringLiteral("R\tENT"));
            QVERIFY(
                formatCompanion(book, companion).contains(bytes.mid(bytes.indexOf("schedule"))));
        }
    }

    // Through the document: a register never marked has no companion file; marks follow
    // their entries through a change, and undo and redo give back both files' bytes.
    void marksFollowEveryChange()
    {
        TempWorkingFolder folder;
        writeBytes(Data, formatDataFile(registerOf("1/1W 1/3D 2/1W")));
        RegisterDocument document(Data);
        QCOMPARE(document.load(), RegisterDocument::LoadResult::Loaded);
        Checkbook plain = document.book();
        removeEntryAt(plain, 3);
        QVERIFY(document.replace(plain, "remove").saved());
        QVERIFY(!QFileInfo::exists(State));

        auto marked = std::make_unique<Checkbook>(document.book());
        mark(*marked, "rc");
        QVERIFY(document.replace(*marked, OneStatement, "reconcile").saved());
        const QByteArray dataAfterMarks = fileBytes(Data);
        const QByteArray stateAfterMarks = fileBytes(State);
        QCOMPARE(dataAfterMarks, formatDataFile(plain));
        QCOMPARE(stateAfterMarks, formatCompanion(*marked, OneStatement));

        // Edited to a later date, the reconciled entry moves past the other with its mark (in
        // the file: tst_edit); undone, the marks' bytes are as they were.
        auto edited = std::make_unique<Checkbook>(document.book());
        QVERIFY(changeEntryAt(*edited, 1, {"2001", "1", "5", "ATM", "E1", "1", "00"},
                              EntryType::Withdrawal));
        QVERIFY(document.replace(*edited, "edit").saved());

        QVERIFY(document.undo().saved());
        QCOMPARE(fileBytes(State), stateAfterMarks);
        QVERIFY(document.undo().saved());
        QCOMPARE(marksOf(document.book()), QStringLiteral("nn"));
        QVERIFY(document.companion().reconciled.isEmpty());
        QCOMPARE(fileBytes(Data), dataAfterMarks);
        QVERIFY(document.redo().saved());
        QCOMPARE(fileBytes(State), stateAfterMarks);
        QVERIFY(!document.changedOnDisk());

        // An entry added before the marked ones takes none of their marks.
        Checkbook added = document.book();
        QCOMPARE(
            placeEntry(added, {"2000", "12", "30", "ATM", "E0", "1", "00"}, EntryType::Withdrawal),
            std::optional<int>(1));
        QCOMPARE(marksOf(added), QStringLiteral("nrc"));
        QCOMPARE(added.slot[1].reconciledOn, 0);
        // And a full register takes none, whatever window asks.
        Checkbook full = januaryDays(MaxEntries);
        QCOMPARE(placeEntry(full, {"2001", "1", "2", "ATM", "E0", "1", "00"}, EntryType::Deposit),
                 std::nullopt);
    }

    // A companion file that does not read never stops the register from loading: it is kept
    // aside under a name saying why, unless the copy is read-only, and the notice says so.
    void unusableFilesAreKeptAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("aside");
        const QByteArray damaged = "not a state file\n";
        const QByteArray newer = "tallyra-state 9\nwhatever comes\n";
        QTest::newRow("damaged") << damaged << false << "default.dat.state.damaged";
        QTest::newRow("newer") << newer << false << "default.dat.state.newer-version";
        QTest::newRow("read-only leaves it") << damaged << true << QString();
    }
    void unusableFilesAreKeptAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readOnly);
        QFETCH(QString, aside);
        TempWorkingFolder folder;
        const QByteArray data = formatDataFile(registerOf("1/1W"));
        writeBytes(Data, data);
        writeBytes(State, bytes);
        RegisterDocument document(Data);
        document.setReadOnly(readOnly);
        QCOMPARE(document.load(), RegisterDocument::LoadResult::Loaded);
        QCOMPARE(document.book().entryCount, 1);
        QVERIFY(!document.companionNotice().isEmpty());
        if (readOnly) {
            QCOMPARE(fileBytes(State), bytes);
            return;
        }
        QCOMPARE(fileBytes(aside), bytes);
        QVERIFY(document.companionNotice().contains(aside));
        QVERIFY(!QFileInfo::exists(State));
        // The next change starts a new one, and the register is as it was.
        auto marked = std::make_unique<Checkbook>(document.book());
        mark(*marked, "c");
        QVERIFY(document.replace(*marked, "clear").saved());
        QCOMPARE(fileBytes(Data), data);
        QCOMPARE(fileBytes(State), formatCompanion(*marked, {}));
    }

    // Another program's change of the companion file alone is an outside change too.
    void outsideChangesOfTheMarksAreNoticed()
    {
        TempWorkingFolder folder;
        Checkbook book = registerOf("1/1W 1/3D");
        writeBytes(Data, formatDataFile(book));
        mark(book, "cn");
        writeBytes(State, formatCompanion(book, {}));
        RegisterDocument document(Data);
        QCOMPARE(document.load(), RegisterDocument::LoadResult::Loaded);
        QVERIFY(!document.changedOnDisk());
        mark(book, "cc");
        writeBytes(State, formatCompanion(book, {}));
        QVERIFY(document.changedOnDisk());
        // Without a question to ask, nothing is written over it.
        QCOMPARE(document.replace(registerOf("1/1W"), "remove").status,
                 ChangeResult::Status::Refused);
        QCOMPARE(fileBytes(State), formatCompanion(book, {}));
        QVERIFY(document.takeOutsideChange().result ==
                RegisterDocument::OutsideReload::Result::Reloaded);
        QCOMPARE(marksOf(document.book()), QStringLiteral("cc"));
    }
};

QTEST_MAIN(TestCompanion)
#include "tst_companion.moc"
