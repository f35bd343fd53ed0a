// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DataFile.h"
#include "register/DateText.h"
#include "register/FileStore.h"
#include "register/RegisterDocument.h"
#include "register/TextCodec.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tallyra;

const QByteArray FreeLine = "0,0,0,\"\",\"\",0,0\r\n";

class RegisterTest : public QObject
{
    Q_OBJECT

private slots:
    // Every slot is written, the free ones past the count too, and read back whole. A text
    // holds every byte but the quote and the line ends: Windows-1252, the five bytes it leaves
    // undefined read as the C1 code points of the same value. What a text cannot hold is
    // written as a stand-in that keeps the line readable.
    void everySlotIsWrittenAndReadBack()
    {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all += QByteArrayView("\"\r\n").contains(char(byte)) ? "" : QByteArray(1, char(byte));
        const qsizetype high = all.indexOf('\x80');
        const QString decoded = QString::fromLatin1(all.left(high)) +
                                QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
                                                  "\u0090‘’“”•–—˜™š›œ\u009DžŸ") +
                                QString::fromLatin1(all.mid(high + 32));
        Checkbook book;
        book.entryCount = 2;
        book.slot[1] = Entry{2000, 5, 18, " LEAD, TRAIL ", decoded, 3150, 0};
        book.slot[2] =
            Entry{-32768, 12, 1, "A\"B", QString::fromUtf8("X\r\nĀ"), -2147483647 - 1, 2147483647};
        book.slot[4] = Entry{1998, 1, 2, "ATM", "REMOVED LATER", 100, 0};
        const QByteArray file = "2\r\n2000,5,18,\" LEAD, TRAIL \",\"" + all + "\",3150,0\r\n" +
                                "-32768,12,1,\"A'B\",\"X  ?\",-2147483648,2147483647\r\n" +
                                FreeLine + "1998,1,2,\"ATM\",\"REMOVED LATER\",100,0\r\n" +
                                FreeLine.repeated(996);
        QCOMPARE(formatDataFile(book), file);

        Checkbook again;
        const auto cut = readDataFile(file.chopped(FreeLine.size()), again, ReadExtent::AllSlots);
        QCOMPARE(cut.value_or(ReadFailure{}).lineNumber, 1001);
        QVERIFY(!readDataFile(file, again, ReadExtent::AllSlots));
        QCOMPARE(formatDataFile(again), file);
        QCOMPARE(emptyDataFile(), "0\r\n" + FreeLine.repeated(1000));
    }

    // A date is written as stored, however impossible; the year's sign goes before its zeros.
    void dateTexts_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("texts"); // slash, dash, ISO
        // Ordinary dates: the list line and the summary (tst_app), the exports (tst_export).
        QTest::newRow("impossible") << 99 << 13 << 0 << "13/0/99 13-0-99 0099-13-00";
        QTest::newRow("negative") << -5 << -1 << 2 << "-1/2/-5 -1-2--5 -0005--01-02";
    }
    void dateTexts()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QTEST(QStringList({slashDate(month, day, year), dashDate(month, day, year),
                           isoDate(year, month, day)})
                  .join(u' '),
              "texts");
    }

    // A file reads into the register, or fails at the line given and leaves it untouched.
    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("failsAt"); // 0: reads
        QTest::addColumn<Entry>("first");
        const auto one = [](const char *fields) { return "1\r\n" + QByteArray(fields) + "\r\n"; };
        const QByteArray good = "2000,5,18,\"1042\",\"WATER COMPANY\",3150,0\r\n";
        QTest::newRow("LF only, leading zeros, carriage return in quotes")
            << QByteArray("01\n2000,05,018,\"10\r42\",\"WATER COMPANY\",03150,-0\n") << 0
            << Entry{2000, 5, 18, "10 42", "WATER COMPANY", 3150, 0};
        QTest::newRow("unquoted texts keep blanks; quote, carriage returns")
            << one("2000,5,18, 10\"4\r2 ,  WATER\rCOMPANY\r,3150,0") << 0
            << Entry{2000, 5, 18, " 10'4 2 ", "  WATER COMPANY ", 3150, 0};
        QTest::newRow("empty file") << QByteArray() << 1 << Entry();
        QTest::newRow("count 1001") << "1001\r\n" + good << 1 << Entry();
        QTest::newRow("file too short") << "3\r\n" + good + good << 4 << Entry();
        QTest::newRow("last line cut") << "2\r\n" + good + good.chopped(2) << 3 << Entry();
        QTest::newRow("year 40000") << one("40000,5,18,\"1\",\"W\",0,0") << 2 << Entry();
        QTest::newRow("amount 2^31") << one("2000,5,18,\"1\",\"W\",2147483648,0") << 2 << Entry();
        QTest::newRow("amount -2^31-1")
            << one("2000,5,18,\"1\",\"W\",0,-2147483649") << 2 << Entry();
        QTest::newRow("missing field") << one("2000,5,18,\"1\",\"W\",0") << 2 << Entry();
        QTest::newRow("unterminated quote") << one("2000,5,18,\"1,W,0,0") << 2 << Entry();
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, failsAt);
        QFETCH(Entry, first);
        // Something in every slot a reader might wrongly touch.
        Checkbook book;
        book.entryCount = 2;
        for (int slot = 1; slot <= MaxEntries; ++slot)
            book.slot[slot] = Entry{1999, 12, 31, "OLD", QString::number(slot), slot, 0};
        Checkbook expected = book;
        const auto failure = readDataFile(file, book);
        QCOMPARE(failure.value_or(ReadFailure{}).lineNumber, failsAt);
        if (!failure)
            expected.entryCount = 1, expected.slot[1] = first;
        QCOMPARE(book.slot[1], expected.slot[1]);
        QCOMPARE(formatDataFile(book), formatDataFile(expected));
    }

    // No register, not even one of 1000 entries with both texts as long as a field takes, is
    // larger than the size beyond which a file is refused unread; a 64 GB file is refused at
    // once, as the data file that then cannot be read.
    void filesLargerThanAnyRegister()
    {
        auto widest = std::make_unique<Checkbook>();
        widest->entryCount = MaxEntries;
        const QString longest(MaxTextLength, u'\xFF');
        for (int slot = 1; slot <= MaxEntries; ++slot)
            widest->slot[slot] =
                Entry{-32768, -32768, -32768, longest, longest, -2147483647 - 1, -2147483647 - 1};
        const qint64 largest = formatDataFile(*widest).size();
        QVERIFY2(largest <= MaxDataFileSize && MaxDataFileSize - largest <= 2 << 20,
                 qPrintable(QString::number(MaxDataFileSize - largest)));

        QTemporaryDir folder;
        const QString path = folder.filePath(DataFileName);
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(64) << 30));
        huge.close();
        // The reason in full: tst_backup, where a backup as large is refused.
        QString why;
        RegisterDocument document(path);
        QCOMPARE(document.load(&why), RegisterDocument::LoadResult::Unreadable);
        QVERIFY(why.contains(QLatin1String("larger than any register")));

        // The limit itself is read, a byte more is not.
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write("0123456789") == 10);
        huge.close();
        QCOMPARE(readWholeFile(path, &why, 10), QByteArray("0123456789"));
        QVERIFY(!readWholeFile(path, &why, 9));
    }

    void storedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("capitals");
        QTest::addColumn<int>("unstorable");
        const auto row = [](const char *name, const char *typed, const char *capitals, int at) {
            QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(capitals) << at;
        };
        row("capitals in the code page and not", "café ÿšœž€ µß 12", "CAFÉ ŸŠŒŽ€ µß 12", -1);
        row("quote", "say \"hi\"", "SAY \"HI\"", 4);
        row("line feed", "a\nb", "A\nB", 1);
        row("C1 with a byte", "\u0081\u0080", "\u0081\u0080", 0);
        row("escape", "a\x1b", "A\x1b", 1);
    }

    void storedText()
    {
        QFETCH(QString, typed);
        QTEST(toStoredCapitals(typed), "capitals");
        QTEST(int(firstUnstorableChar(typed)), "unstorable");
    }
};

QTEST_GUILESS_MAIN(RegisterTest)
#include "tst_register.moc"
