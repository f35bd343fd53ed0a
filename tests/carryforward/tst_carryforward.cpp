// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "app/RegisterStatus.h"
#include "backup/BackupCopy.h"
#include "carryforward/CarryForward.h"

#include <limits>
#include <memory>

using namespace tallyra;
using namespace tallyra::test;

namespace {

constexpr qint32 Most = std::numeric_limits<qint32>::max();

// Entries written "YYYY-MM-DD" and an amount in cents after its type: + a deposit, - a
// withdrawal, = Neither; ~ a withdrawal of a negative amount, as only a hand-edited file
// holds. Paid to P1, P2, ... in order.
std::unique_ptr<Checkbook> bookOf(const QStringList &entries)
{
    auto book = std::make_unique<Checkbook>();
    for (const QString &text : entries) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        const QChar type = text.at(10);
        const qint32 cents = text.mid(11).toInt();
        Entry &e = book->slot[++book->entryCount];
        e = {qint16(date.year()),
             qint16(date.month()),
             qint16(date.day()),
             "101",
             QStringLiteral("P%1").arg(book->entryCount),
             0,
             0};
        if (type == u'+')
            e.depositCents = cents;
        else if (type == u'-')
            e.withdrawalCents = cents;
        else if (type == u'~')
            e.withdrawalCents = -cents;
    }
    return book;
}

// Some years of a household account: pay in, rent and shopping out, a void now and then.
QStringList yearsOfEntries(int count)
{
    QStringList entries;
    QDate date(2019, 1, 1);
    for (int i = 0; i < count; ++i, date = date.addDays(2)) {
        const QString day = date.toString(Qt::ISODate);
        entries << day + (i % 10 == 0  ? QStringLiteral("+250000")
                          : i % 7 == 0 ? QStringLiteral("=0")
                                       : QStringLiteral("-%1").arg(1234 + 37 * i));
    }
    return entries;
}

} // namespace

class TestCarryForward : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // The entries before the date become one entry dated the day before; the running total
    // after every remaining entry, and the entries themselves, stay as they were.
    void totalsUnchanged_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("moved");
        QTest::addColumn<QString>("balanceForward"); // as an entry of bookOf
        const QDate newYear(2025, 1, 1);
        QTest::newRow("withdrawals and deposits")
            << QStringList{"2024-03-01+100000", "2024-05-02-2550", "2024-12-31-1", "2025-01-02-9"}
            << newYear << 3 << "2024-12-31+97449";
        QTest::newRow("negative net is a withdrawal")
            << QStringList{"2024-06-01-5000", "2024-07-01+1000", "2025-02-01+10"} << newYear << 2
            << "2024-12-31-4000";
        QTest::newRow("zero net is Neither")
            << QStringList{"2024-06-01+5000", "2024-07-01-5000", "2024-08-01=0", "2025-01-01+1"}
            << newYear << 3 << "2024-12-31=0";
        // Entries of the chosen day itself stay, whatever their type and order.
        QTest::newRow("entries on the date stay")
            << QStringList{"2024-12-30+700", "2025-01-01+1", "2025-01-01-2", "2025-01-01=0"}
            << newYear << 1 << "2024-12-31+700";
        QTest::newRow("every entry before")
            << QStringList{"2023-01-01+5", "2024-01-01-6"} << newYear << 2 << "2024-12-31-1";
        QTest::newRow("the day before a leap day's morrow")
            << QStringList{"2024-02-29-300", "2024-03-01+1"} << QDate(2024, 3, 1) << 1
            << "2024-02-29-300";
        QTest::newRow("hand-edited negative withdrawal")
            << QStringList{"2024-01-01~300", "2024-02-01-100", "2025-03-01-1"} << newYear << 2
            << "2024-12-31+200";
        QTest::newRow("at the 32-bit limit")
            << QStringList{"2024-01-01+2147483000", "2024-01-02+647", "2025-03-01-1"} << newYear
            << 2 << "2024-12-31+2147483647";
        QTest::newRow("full register, six years")
            << yearsOfEntries(MaxEntries) << QDate(2023, 1, 1) << 731 << "2022-12-31+10204163";
    }
    void totalsUnchanged()
    {
        QFETCH(QStringList, entries);
        QFETCH(QDate, date);
        QFETCH(int, moved);
        QFETCH(QString, balanceForward);
        const auto book = bookOf(entries);
        const EntriesBefore before = entriesBefore(*book, date);
        QCOMPARE(before.count, moved);
        QCOMPARE(carryRefusal(before), std::nullopt);

        const auto after = carriedForward(*book, before);
        QCOMPARE(after->entryCount, book->entryCount - moved + 1);
        Entry expected = bookOf({balanceForward})->slot[1];
        expected.checkNumber = QStringLiteral("BAL");
        expected.payee = QStringLiteral("BALANCE FORWARD");
        QCOMPARE(after->slot[1], expected);
        computeBalances(*book);
        computeBalances(*after);
        QCOMPARE(after->totalCents, book->totalCents);
        for (int i = 2; i <= after->entryCount; ++i) {
            QCOMPARE(after->slot[i], book->slot[moved + i - 1]);
            QCOMPARE(after->balanceCents[i], book->balanceCents[moved + i - 1]);
        }
        // The register stays in date order, so a later add still finds its place.
        for (int i = 2; i <= after->entryCount; ++i)
            QVERIFY(dateKey(after->slot[i - 1]) <= dateKey(after->slot[i]));
        // Nothing of the moved entries lingers in the free slots of the file.
        QCOMPARE(after->slot[after->entryCount + 1], Entry{});
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("refusal"); // -1: none
        const int none = int(CarryRefusal::NoEntries);
        const int tooLarge = int(CarryRefusal::NetTooLarge);
        QTest::newRow("empty register") << QStringList{} << none;
        QTest::newRow("only on and after the date")
            << QStringList{"2025-01-01+5", "2026-01-01+5"} << none;
        QTest::newRow("deposits beyond 32 bits")
            << QStringList{"2024-01-01+2147483647", "2024-01-02+1", "2025-01-01+1"} << tooLarge;
        // A withdrawal of 2147483648 cents has no 32-bit amount either.
        QTest::newRow("withdrawals one cent beyond")
            << QStringList{"2024-01-01-2147483647", "2024-01-02-1"} << tooLarge;
        QTest::newRow("withdrawals at the limit")
            << QStringList{"2024-01-01-2147483000", "2024-01-02-647"} << -1;
    }
    void refusals()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, refusal);
        const EntriesBefore before = entriesBefore(*bookOf(entries), QDate(2025, 1, 1));
        QCOMPARE(carryRefusal(before).has_value(), refusal >= 0);
        if (refusal >= 0)
            QCOMPARE(*carryRefusal(before), CarryRefusal(refusal));
        else
            QCOMPARE(balanceForward(before).withdrawalCents, Most);
    }

    void typedDates_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QDate>("date"); // null: not a date
        QTest::newRow("new year") << "1"
                                  << "1"
                                  << "2026" << QDate(2026, 1, 1);
        QTest::newRow("blanks and zeros") << " 02"
                                          << "29 "
                                          << "2024" << QDate(2024, 2, 29);
        QTest::newRow("no leap day") << "2"
                                     << "29"
                                     << "2025" << QDate();
        QTest::newRow("31 April") << "4"
                                  << "31"
                                  << "2025" << QDate();
        QTest::newRow("month 13") << "13"
                                  << "1"
                                  << "2025" << QDate();
        QTest::newRow("half a month") << "1.5"
                                      << "1"
                                      << "2025" << QDate();
        QTest::newRow("empty day") << "1"
                                   << ""
                                   << "2025" << QDate();
        QTest::newRow("year 1899") << "12"
                                   << "31"
                                   << "1899" << QDate();
        QTest::newRow("year 1900") << "1"
                                   << "1"
                                   << "1900" << QDate(1900, 1, 1);
    }
    void typedDates()
    {
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, year);
        QFETCH(QDate, date);
        QCOMPARE(typedDate(month, day, year).value_or(QDate()), date);
    }

    void archiveNames_data()
    {
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("name");
        QTest::newRow("free") << QStringList{"MAY.bak"} << "before-2026-01-01.bak";
        QTest::newRow("taken") << QStringList{"before-2026-01-01.bak"} << "before-2026-01-01-2.bak";
        QTest::newRow("taken in capitals")
            << QStringList{"BEFORE-2026-01-01.BAK", "before-2026-01-01-2.bak"}
            << "before-2026-01-01-3.bak";
    }
    void archiveNames()
    {
        QFETCH(QStringList, taken);
        QFETCH(QString, name);
        QCOMPARE(archiveName(QDate(2026, 1, 1), taken), name);
    }

    // The archive is a backup of exactly the moved entries: restored, the register is them.
    void archiveRestoresTheMovedEntries()
    {
        TempWorkingFolder folder;
        FakePlatform fakes;
        const auto book = bookOf(yearsOfEntries(40));
        const EntriesBefore before = entriesBefore(*book, QDate(2019, 2, 1));
        QCOMPARE(before.count, 16);
        QCOMPARE(fakes.drive.createFile("before-2019-02-01.bak", archiveFile(*book, before)),
                 std::nullopt);

        Checkbook restored;
        QCOMPARE(
            restoreBackup(restored, fakes.drive, "before-2019-02-01.bak", [] { return false; }),
            std::nullopt);
        QCOMPARE(restored.entryCount, 16);
        for (int i = 1; i <= MaxEntries; ++i)
            QCOMPARE(restored.slot[i], i <= 16 ? book->slot[i] : Entry{});
        QCOMPARE(fileBytes(DataFileName), fileBytes(fakes.drive.filePath("before-2019-02-01.bak")));
    }

    // A new file only: one already there keeps its bytes, and a write that fails half-way
    // leaves nothing behind, under the name or beside it.
    void createFileNeverReplaces_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("cutOff");
        QTest::newRow("new") << false << false;
        QTest::newRow("already there") << true << false;
        QTest::newRow("cut off half-way") << false << true;
    }
    void createFileNeverReplaces()
    {
        QFETCH(bool, existing);
        QFETCH(bool, cutOff);
        QTemporaryDir root;
        Drive drive(root.path());
        const QString name = QStringLiteral("before-2026-01-01.bak");
        if (existing)
            writeBytes(drive.filePath(name), "earlier");
        const QByteArray bytes = emptyDataFile();
        std::optional<DriveError> error;
        withFileSizeLimit(cutOff ? 4096 : RLIM_INFINITY,
                          [&] { error = drive.createFile(name, bytes); });
        QCOMPARE(error.has_value(), existing || cutOff);
        const QStringList left = QDir(root.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, cutOff ? QStringList{} : QStringList{name});
        if (!cutOff)
            QCOMPARE(fileBytes(drive.filePath(name)), existing ? QByteArray("earlier") : bytes);
    }

    // The status bar speaks of making room exactly while the warning label warns.
    void nearLimitStatusFollowsTheWarning_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("970") << 970;
        QTest::newRow("971") << 971;
        QTest::newRow("1000") << 1000;
    }
    void nearLimitStatusFollowsTheWarning()
    {
        QFETCH(int, count);
        Checkbook book;
        book.entryCount = qint16(count);
        const QString status = nearLimitStatus(book);
        QCOMPARE(status.contains(QLatin1String("File > Carry Forward")),
                 statusTexts(book).nearLimit);
        QCOMPARE(status.isEmpty(), count < WarningThreshold);
    }
};

QTEST_MAIN(TestCarryForward)
#include "tst_carryforward.moc"
