// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "app/RegisterStatus.h"
#include "carryforward/frmCarryForward.h"

#include <QAction>
#include <QPushButton>

#include <memory>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// Entries written "YYYY-MM-DD" and an amount in cents after its type: + a deposit, - a
// withdrawal, = Neither; ~ a withdrawal of a negative amount, as only a hand-edited file
// holds. Then " c" when cleared, " R" and the statement's date when reconciled. Paid to P1,
// P2, ... in order.
std::unique_ptr<Checkbook> bookOf(const QStringList &entries)
{
    auto book = std::make_unique<Checkbook>();
    for (const QString &text : entries) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        const QChar type = text.at(10);
        const qint32 cents = text.mid(11).section(u' ', 0, 0).toInt();
        const QString mark = text.section(u' ', 1);
        Entry &e = book->slot[++book->entryCount];
        e = {qint16(date.year()), qint16(date.month()), qint16(date.day()), "101", {}, 0, 0};
        e.payee = QStringLiteral("P%1").arg(book->entryCount);
        (type == u'+' ? e.depositCents : e.withdrawalCents) = type == u'='   ? 0
                                                              : type == u'~' ? -cents
                                                                             : cents;
        if (mark == u'c')
            e.clearing = Clearing::Cleared;
        if (mark.startsWith(u'R')) {
            const QDate on = QDate::fromString(mark.mid(1), Qt::ISODate);
            e.clearing = Clearing::Reconciled;
            e.reconciledOn = dateKey(on.year(), on.month(), on.day());
        }
    }
    return book;
}

// Years of a household account from 2019 on, an entry every other day: pay in, shopping out,
// a void now and then.
QStringList yearsOfEntries(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << QDate(2019, 1, 1).addDays(2 * i).toString(Qt::ISODate) +
                       (i % 10 == 0  ? QStringLiteral("+250000")
                        : i % 7 == 0 ? QStringLiteral("=0")
                                     : QStringLiteral("-%1").arg(1234 + 37 * i));
    return entries;
}

FrmCarryForward *openCarryForward(MainWindow &f, const QString &edits)
{
    auto *window = new FrmCarryForward(f.document, f.fakes.platform, &f.window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    typeInto(window, edits);
    return window;
}

} // namespace

class TestCarryForward : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // The entries before 1/1/2025 become one entry dated the day before; every remaining
    // entry, in date order and with its mark, and the total after every entry from the date on
    // stay. Once a statement has been reconciled, only the reconciled entries before the date
    // are carried, and their balance forward entry is reconciled on the latest of their
    // statements. `kept`: the slots of the register after, as the slots they were in before,
    // "BAL" for the balance forward entry (an entry of bookOf); empty when refused, and then
    // `balanceForward` is empty when nothing lies before the date.
    void entriesCarried_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("reconciled");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QString>("balanceForward");
        const auto row = [](const char *tag, QStringList entries, QStringList kept,
                            QString balanceForward, bool reconciled = false) {
            QTest::newRow(tag) << entries << reconciled << kept << balanceForward;
        };
        const QStringList balAnd3{"BAL", "3"};
        // Cleared marks do not matter before any reconciliation.
        row("withdrawals and deposits",
            {"2024-03-01+100000 c", "2024-05-02-2550", "2025-01-02-9 c"}, balAnd3,
            "2024-12-31+97450");
        row("negative net: a withdrawal", {"2024-06-01-5000", "2024-07-01+1000", "2025-02-01+1"},
            balAnd3, "2024-12-31-4000");
        row("zero net: Neither", {"2024-06-01+50", "2024-07-01-50", "2024-08-01=0", "2025-03-01+1"},
            {"BAL", "4"}, "2024-12-31=0");
        // Entries of the chosen day itself stay, whatever their type and order.
        row("entries on the date stay", {"2024-12-31+7", "2025-01-01+1", "2025-01-01-2"},
            {"BAL", "2", "3"}, "2024-12-31+7");
        row("every entry before", {"2023-01-01+5", "2024-01-01-6"}, {"BAL"}, "2024-12-31-1");
        row("hand-edited negative withdrawal", {"2024-01-01~300", "2024-02-01-100"}, {"BAL"},
            "2024-12-31+200");
        row("at the 32-bit limit", {"2024-01-01-2147483000", "2024-01-02-647"}, {"BAL"},
            "2024-12-31-2147483647");
        // Nothing before the date, and deposits beyond 32 bits, are refused in carryForward.
        // A withdrawal of 2147483648 cents has no 32-bit amount either.
        row("withdrawals one cent beyond", {"2024-01-01-2147483647", "2024-01-02-1"}, {},
            "too large");
        // The check of March 2024 is still outstanding; the one of 2024-03-15 cleared only on
        // the June statement, the latest carried.
        row("an old check outstanding",
            {"2024-03-01-5000", "2024-03-15-700 R2024-06-30", "2024-04-01+100000 R2024-04-30",
             "2024-07-01-300 c", "2024-12-31-40", "2025-01-02-9 R2025-01-31", "2025-02-01+20"},
            {"1", "4", "5", "BAL", "6", "7"}, "2024-12-31+99300 R2024-06-30", true);
        row("nothing reconciled before the date", {"2024-03-01-5000 c", "2025-01-02-9 R2025-01-31"},
            {}, "", true);
    }
    void entriesCarried()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, reconciled);
        QFETCH(QStringList, kept);
        QFETCH(QString, balanceForward);
        const auto book = bookOf(entries);
        Companion companion;
        if (reconciled)
            companion.reconciled = {{20240430, 100000}, {20240630, 99300}};
        const EntriesBefore before = entriesBefore(*book, companion, QDate(2025, 1, 1));
        const std::optional<CarryRefusal> refusal = carryRefusal(before);
        QCOMPARE(refusal.has_value(), kept.isEmpty());
        if (refusal) {
            QCOMPARE(*refusal == CarryRefusal::NoEntries, balanceForward.isEmpty());
            return;
        }

        const auto after = carriedForward(*book, before);
        Entry bal = bookOf({balanceForward})->slot[1];
        bal.checkNumber = QStringLiteral("BAL");
        bal.payee = QStringLiteral("BALANCE FORWARD");
        computeBalances(*book);
        computeBalances(*after);
        QCOMPARE(after->entryCount, kept.size());
        bool fromTheDate = false;
        for (int i = 1; i <= after->entryCount; ++i) {
            const QString &was = kept[i - 1];
            QCOMPARE(after->slot[i], was == "BAL" ? bal : book->slot[was.toInt()]);
            if (i > 1)
                QVERIFY(dateKey(after->slot[i - 1]) <= dateKey(after->slot[i]));
            // Before the balance forward entry, an entry kept has fewer before it than it had.
            fromTheDate = fromTheDate || was == "BAL";
            if (fromTheDate && was != "BAL")
                QCOMPARE(after->balanceCents[i], book->balanceCents[was.toInt()]);
        }
        QCOMPARE(after->totalCents, book->totalCents);
        // Nothing of the moved entries lingers in the free slots of the file.
        QCOMPARE(after->slot[after->entryCount + 1], Entry{});
    }

    // The window counts and names what moves once a statement is reconciled, and what stays.
    // The archive's marks and the statements go beside it, as a backup's do, and read back onto
    // its entries; the register's marks and statements change with it as one undo step.
    void marksGoWithTheArchive()
    {
        MainWindow f;
        const auto book = bookOf({"2024-03-01-5000", "2024-03-15-700 R2024-06-30",
                                  "2024-04-01+100000 R2024-04-30", "2025-01-02-9 c"});
        const Companion companion{
            {{20240430, 100000}, {20240630, 99300}}, StatementBalance{20250131, 0}, {}};
        writeBytes("default.dat.state", formatCompanion(*book, companion));
        f.load(*book);
        FrmCarryForward *window = openCarryForward(f, "txtCarryYear=2025");
        QCOMPARE(child<QLabel>(window, "lblCount")->text(), "2");
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        child<QPushButton>(window, "cmdCarry")->click();
        window->close();
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Carry Forward", "Carried Forward"}));
        QCOMPARE(f.fakes.prompter.shown.at(0).text,
                 "Move the 2 entries before 1/1/2025 to an archive in the backup folder " +
                     f.fakes.drive.root() +
                     ", and put one BALANCE FORWARD entry of $993.00 dated 12/31/2024 in their "
                     "place?\r\nEntries before it left where they are, not yet reconciled: "
                     "1.\r\nDo you wish to continue?");

        Checkbook archive;
        QVERIFY(!readDataFile(fileBytes(f.fakes.drive.filePath("before-2025-01-01.bak")), archive));
        Companion archived;
        const QByteArray marks = fileBytes(f.fakes.drive.filePath("before-2025-01-01.bak.state"));
        QCOMPARE(readCompanion(marks, archive, archived).result, CompanionRead::Result::Read);
        QCOMPARE(archive.entryCount, 2);
        QCOMPARE(archive.slot[1], book->slot[2]);
        QCOMPARE(archive.slot[2], book->slot[3]);
        QCOMPARE(archived, (Companion{companion.reconciled, std::nullopt, {}}));

        QCOMPARE(f.document.book().slot[2].clearing, Clearing::Reconciled);
        QCOMPARE(f.document.companion(), companion);
        QVERIFY(f.document.undo().saved());
        for (int i = 1; i <= book->entryCount; ++i)
            QCOMPARE(f.document.book().slot[i], book->slot[i]);
    }

    // One question, then one change: the archive first, a kept copy, one save and one undo
    // step (whose bytes tst_document checks for every change). Whatever is refused or fails
    // changes nothing: not the register, not its file, not the backup folder.
    void carryForward_data()
    {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("titles");
        const QString ask = QStringLiteral("Carry Forward");
        const auto row = [](const char *tag, QString edits, QString setup, QStringList titles) {
            QTest::newRow(tag) << edits << setup << titles;
        };
        row("carried", "", "", {ask, "Carried Forward"});
        row("archive's name taken", "", "taken", {ask, "Carried Forward"});
        // Marks beside the archive's name that no archive had are not restored with this one.
        row("marks of no archive", "", "stale marks", {ask, "Carried Forward"});
        row("answered No", "", "", {ask});
        row("not a date", "txtCarryMonth=2 txtCarryDay=30", "", {"Need Date"});
        row("nothing before", "txtCarryYear=2000", "", {"Nothing To Carry"});
        row("net beyond 32 bits", "txtCarryYear=2002", "", {"Amount Too Large"});
        row("archive cut off", "", "cut off", {ask, "ARCHIVE FAILED"});
        row("backup folder missing", "", "no folder", {ask, "DISK NOT READY", "ARCHIVE FAILED"});
        row("read-only", "", "read-only", {"Not Changed"});
        // Reload takes the other program's version and keeps the change as a copy: its
        // archive stays, as the copy needs it. With nobody to ask, the archive goes again.
        row("changed meanwhile, reloaded", "", "outside change",
            {ask, "Changed By Another Program", "Archive Kept"});
        row("changed meanwhile, refused", "", "outside change, refused", {ask, "Not Changed"});
    }
    void carryForward()
    {
        QFETCH(QString, edits);
        QFETCH(QString, setup);
        QFETCH(QStringList, titles);
        const QString ask = QStringLiteral("Carry Forward");
        MainWindow f;
        const auto book = bookOf({"2000-03-01+1000", "2000-05-01-2250", "2000-12-31=0",
                                  "2001-01-01+2147483647", "2001-02-01+2147483647"});
        // An old entry in the last free slot: the file is not quite what the register would
        // be written as, and the kept copy must hold these bytes.
        book->slot[MaxEntries] = Entry{1999, 1, 1, "OLD", "GONE", 7, 0};
        const QByteArray before = formatDataFile(*book);
        const QByteArray theirs = formatDataFile(*bookOf({"2000-01-01+5"}));
        f.load(before);
        QMap<QString, QByteArray> drive; // what the backup folder is to hold at the end
        if (setup == "taken")
            writeBytes(f.fakes.drive.filePath("before-2001-01-01.bak"),
                       drive["before-2001-01-01.bak"] = "an earlier archive");
        if (setup == "stale marks")
            writeBytes(f.fakes.drive.filePath("before-2001-01-01.bak.state"), "tallyra-state 1\n");
        if (setup == "no folder")
            QDir(f.fakes.drive.root()).removeRecursively();
        f.document.setReadOnly(setup == "read-only");
        if (setup.endsWith("refused"))
            f.document.setOutsideChangeQuestion(nullptr);
        f.fakes.prompter.whileShown = [&](const QString &title) {
            if (setup.startsWith("outside change") && title == ask)
                writeBytes(QLatin1String(DataFileName), theirs);
        };
        // Yes to the question unless it is the only box; Cancel to the retry; OK to the rest.
        using enum QMessageBox::StandardButton;
        for (const QString &title : titles)
            if (title != "Changed By Another Program")
                f.fakes.prompter.answers.push_back(title == ask ? titles.size() > 1 ? Yes : No
                                                   : title == "DISK NOT READY" ? Cancel
                                                                               : Ok);
        f.fakes.prompter.chosen = {0}; // Reload

        FrmCarryForward *window = openCarryForward(f, edits);
        WITH_FILE_SIZE_LIMIT(setup == "cut off" ? 4096 : NoFileSizeLimit,
                             [&] { child<QPushButton>(window, "cmdCarry")->click(); });
        QCOMPARE(f.fakes.prompter.titles(), titles);
        const bool carried = titles.contains("Carried Forward");
        QCOMPARE(window->isVisible(), !carried);
        window->close();

        const EntriesBefore moved = entriesBefore(*book, Companion(), QDate(2001, 1, 1));
        const QByteArray after = formatDataFile(*carriedForward(*book, moved));
        QMap<QString, QByteArray> here{{"default.dat", before}};
        if (carried) {
            drive[setup == "taken" ? "before-2001-01-01-2.bak" : "before-2001-01-01.bak"] =
                archiveFile(*book, moved);
            here = {{"default.dat", after}, {"default.dat.before-carry-forward", before}};
        } else if (setup.startsWith("outside change")) {
            here = {{"default.dat", theirs}, {"default.dat.before-carry-forward", theirs}};
            if (titles.contains("Archive Kept")) {
                here["default.dat.unsaved-change"] = after;
                drive["before-2001-01-01.bak"] = archiveFile(*book, moved);
            }
        }
        if (setup != "no folder")
            QCOMPARE(filesIn(f.fakes.drive.root()), drive);
        QCOMPARE(filesIn(QDir::currentPath()), here);
        QCOMPARE(f.document.history().count(), carried ? 1 : 0);
    }

    // As a user would: a register that filled up over six years, carried forward before
    // 2023. The final total stays, the status bar no longer asks for room, and the archive
    // holds the older entries.
    void fullRegisterCarriedForward()
    {
        MainWindow f;
        const auto book = bookOf(yearsOfEntries(MaxEntries));
        f.load(*book);
        f.show();
        const QString total = f.label("lblTotal");
        QVERIFY(nearLimitStatus(f.document.book()).contains("File > Carry Forward"));

        // Opened as File > Carry Forward... opens it. The clock says 7 June 2001: the window
        // starts at 1 January of that year.
        QStringList seen;
        NextModal<FrmCarryForward> carry([&](FrmCarryForward *window) {
            seen << (window->focusWidget() ? window->focusWidget()->objectName() : "no focus");
            for (const char *name : {"txtCarryMonth", "txtCarryDay", "txtCarryYear"})
                seen << child<QComboBox>(window, name)->currentText();
            seen << child<QLabel>(window, "lblCount")->text();
            typeInto(window, "txtCarryYear=2023");
            seen << child<QLabel>(window, "lblCount")->text()
                 << child<QLabel>(window, "lblNet")->text();
            QTest::keyClick(child<QComboBox>(window, "txtCarryYear"), Qt::Key_Return);
        });
        f.fakes.prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        QCOMPARE(FrmCarryForward(f.document, f.fakes.platform, &f.window).exec(),
                 QDialog::Accepted);
        QCOMPARE(seen, (QStringList{"txtCarryMonth", "1", "1", "2001", "0", "731", "$102,041.63"}));
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"Carry Forward", "Carried Forward"}));
        QCOMPARE(f.label("lblRecNum"), "270 / 1000");
        QCOMPARE(f.label("lblTotal"), total);
        QCOMPARE(nearLimitStatus(f.document.book()), QString());

        // The archive is a backup the register could be restored from.
        Checkbook archive;
        QVERIFY(!readDataFile(fileBytes(f.fakes.drive.filePath("before-2023-01-01.bak")), archive));
        QCOMPARE(archive.entryCount, 731);
        for (int i = 1; i <= MaxEntries; ++i)
            QCOMPARE(archive.slot[i], i <= 731 ? book->slot[i] : Entry{});
    }
};

QTEST_MAIN(TestCarryForward)
#include "tst_carryforward.moc"
