#include "register/DataFile.h"
#include "register/TextCodec.h"

#include <QTest>

using namespace tallyra;

namespace {

const QByteArray FreeLine = "0,0,0,\"\",\"\",0,0\r\n";

QByteArray oneRecord(const char *fields)
{
    return QByteArray("1\r\n") + fields + "\r\n";
}

// A register with something in every slot a reader might wrongly touch.
Checkbook filledBook()
{
    Checkbook book;
    book.entryCount = 2;
    for (int slot = 1; slot <= MaxEntries; ++slot)
        book.slot[slot] = Entry{1999, 12, 31, "OLD", QString::number(slot), slot, 0};
    return book;
}

} // namespace

class RegisterTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyFileIsExact()
    {
        QCOMPARE(emptyDataFile(), "0\r\n" + FreeLine.repeated(1000));
        QCOMPARE(formatDataFile(Checkbook{}), emptyDataFile());
    }

    void everySlotIsWrittenExactly()
    {
        Checkbook book;
        book.entryCount = 3;
        book.slot[1] = Entry{2000, 5, 18, "1042", "WATER COMPANY", 3150, 0};
        book.slot[2] = Entry{2000, 5, 19, "DEP", "PAY, MAY", 0, 2147483647};
        book.slot[3] = Entry{-32768, 12, 1, "TMP", "", -2147483647 - 1, 0};
        // Unstorable text the entry windows let through must not break the line.
        book.slot[4] = Entry{2001, 1, 1, "A\"B", QString::fromUtf8("X\r\nĀ"), 1, 0};
        book.slot[6] = Entry{1998, 1, 2, "ATM", "REMOVED LATER", 100, 0};
        const QByteArray expected = "3\r\n"
                                    "2000,5,18,\"1042\",\"WATER COMPANY\",3150,0\r\n"
                                    "2000,5,19,\"DEP\",\"PAY, MAY\",0,2147483647\r\n"
                                    "-32768,12,1,\"TMP\",\"\",-2147483648,0\r\n"
                                    "2001,1,1,\"A'B\",\"X  ?\",1,0\r\n" +
                                    FreeLine + "1998,1,2,\"ATM\",\"REMOVED LATER\",100,0\r\n" +
                                    FreeLine.repeated(994);
        QCOMPARE(formatDataFile(book), expected);
        QCOMPARE(recordLine(book.slot[4]), "2001,1,1,\"A'B\",\"X  ?\",1,0\r\n");
    }

    void readThenFormatIsByteIdentical()
    {
        const QByteArray file = "2\r\n"
                                "2000,1,2,\" LEAD, TRAIL \",\"CAF\xC9 \x80 \x81 \xFF\",-5,0\r\n"
                                "2000,1,3,\"1,2,3\",\"  \",0,7\r\n" +
                                FreeLine.repeated(998);
        Checkbook book;
        QVERIFY(!readDataFile(file, book));
        QCOMPARE(book.slot[1].payee, QString::fromUtf8("CAFÉ € \u0081 ÿ"));
        QCOMPARE(formatDataFile(book), file);
    }

    void everyByteDecodesAndEncodesBack()
    {
        QByteArray all(256, Qt::Uninitialized);
        for (int byte = 0; byte < 256; ++byte)
            all[byte] = char(byte);
        const QString text = decodeText(all);
        QCOMPARE(text.left(0x80) + text.mid(0xA0),
                 QString::fromLatin1(all.left(0x80) + all.mid(0xA0)));
        QCOMPARE(text.mid(0x80, 32), QString::fromUtf8("€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
                                                       "\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
        QCOMPARE(encodeText(text), std::optional<QByteArray>(all));
        QCOMPARE(encodeText(u"\u0080"), std::nullopt);
    }

    void acceptedForms_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<Entry>("first");
        const Entry water{2000, 5, 18, "1042", "WATER COMPANY", 3150, 0};
        const QByteArray waterLine = "2000,5,18,\"1042\",\"WATER COMPANY\",3150,0";
        QTest::newRow("CR LF") << oneRecord(waterLine) << 1 << water;
        QTest::newRow("LF only") << "1\n" + waterLine + "\n" << 1 << water;
        QTest::newRow("unquoted text")
            << oneRecord("2000,5,18,1042,WATER COMPANY,3150,0") << 1 << water;
        QTest::newRow("leading zeros")
            << QByteArray("01\n2000,05,018,\"1042\",\"WATER COMPANY\",03150,-0\n") << 1 << water;
        QTest::newRow("unquoted text keeps its blanks")
            << oneRecord("2000,5,18, 1042 ,  WATER COMPANY,3150,0") << 1
            << Entry{2000, 5, 18, " 1042 ", "  WATER COMPANY", 3150, 0};
        QTest::newRow("quote in unquoted text")
            << oneRecord("2000,5,18,1042,WATER \"COMPANY\",3150,0") << 1
            << Entry{2000, 5, 18, "1042", "WATER 'COMPANY'", 3150, 0};
        QTest::newRow("carriage returns in texts")
            << oneRecord("2000,5,18,\"10\r42\",WATER\rCOMPANY\r,3150,0") << 1
            << Entry{2000, 5, 18, "10 42", "WATER COMPANY ", 3150, 0};
        QTest::newRow("garbage after count") << oneRecord(waterLine) + "\"\xFF,,\n" << 1 << water;
        QTest::newRow("count 0") << QByteArray("0\r\nnot a record\r\n\"") << 0
                                 << filledBook().slot[1];
    }

    void acceptedForms()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        QFETCH(Entry, first);
        Checkbook book = filledBook();
        QVERIFY(!readDataFile(file, book));
        QCOMPARE(book.entryCount, count);
        QCOMPARE(book.slot[1], first);
        QCOMPARE(book.slot[2], filledBook().slot[2]);

        Checkbook again = filledBook();
        QVERIFY(!readDataFile(formatDataFile(book), again));
        QCOMPARE(again.entryCount, book.entryCount);
        QCOMPARE(again.slot[1], book.slot[1]);
    }

    void failuresLeaveTheRegisterUntouched_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("line");
        const QByteArray good = "2000,5,18,\"1042\",\"WATER\",3150,0\r\n";
        QTest::newRow("empty file") << QByteArray() << 1;
        QTest::newRow("count 1001") << "1001\r\n" + good << 1;
        QTest::newRow("count -1") << "-1\r\n" + good << 1;
        QTest::newRow("count abc") << "abc\r\n" + good << 1;
        QTest::newRow("file too short") << "3\r\n" + good + good << 4;
        QTest::newRow("last line cut") << "2\r\n" + good + good.chopped(2) << 3;
        QTest::newRow("bad second record") << "2\r\n" + good + "2000,5,18,\"1\",\"W\",x,0\r\n" << 3;
        QTest::newRow("year 40000") << oneRecord("40000,5,18,\"1\",\"W\",0,0") << 2;
        QTest::newRow("amount 2^31") << oneRecord("2000,5,18,\"1\",\"W\",2147483648,0") << 2;
        QTest::newRow("amount -2^31-1") << oneRecord("2000,5,18,\"1\",\"W\",0,-2147483649") << 2;
        QTest::newRow("plus sign") << oneRecord("2000,+5,18,\"1\",\"W\",0,0") << 2;
        QTest::newRow("blank in number") << oneRecord("2000,5, 18,\"1\",\"W\",0,0") << 2;
        QTest::newRow("empty number") << oneRecord("2000,,18,\"1\",\"W\",0,0") << 2;
        QTest::newRow("missing field") << oneRecord("2000,5,18,\"1\",\"W\",0") << 2;
        QTest::newRow("extra field") << oneRecord("2000,5,18,\"1\",\"W\",0,0,0") << 2;
        QTest::newRow("unterminated quote") << oneRecord("2000,5,18,\"1,\"W,0,0") << 2;
        QTest::newRow("text after quote") << oneRecord("2000,5,18,\"1\"X,\"W\",0,0") << 2;
    }

    void failuresLeaveTheRegisterUntouched()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, line);
        Checkbook book = filledBook();
        const auto failure = readDataFile(file, book);
        QVERIFY(failure);
        QCOMPARE(failure->lineNumber, line);
        QVERIFY(!failure->reason.isEmpty());
        QCOMPARE(book.entryCount, 2);
        QCOMPARE(formatDataFile(book), formatDataFile(filledBook()));
    }

    void allSlotsNeedsEveryRecordLine()
    {
        const QByteArray counted = oneRecord("1998,1,2,\"ATM\",\"GAS\",100,0");
        Checkbook book = filledBook();
        QCOMPARE(readDataFile(counted, book, ReadExtent::AllSlots)->lineNumber, 3);
        QCOMPARE(book.entryCount, 2);
        const QByteArray whole = counted + FreeLine.repeated(998) + "2000,1,1,\"X\",\"Y\",1,0\r\n";
        QVERIFY(!readDataFile(whole, book, ReadExtent::AllSlots));
        QCOMPARE(formatDataFile(book), whole);
    }

    void storedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("capitals");
        QTest::addColumn<int>("unstorable");
        const auto row = [](const char *name, const char *typed, const char *capitals, int at) {
            QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(capitals) << at;
        };
        row("ascii", "dep 12", "DEP 12", -1);
        row("accent", "café", "CAFÉ", -1);
        row("micro stays", "µ", "µ", -1);
        row("y diaeresis", "ÿ", "Ÿ", -1);
        row("sharp s stays", "straße", "STRAßE", -1);
        row("high row", "šœž€", "ŠŒŽ€", -1);
        row("quote", "say \"hi\"", "SAY \"HI\"", 4);
        row("line feed", "a\nb", "A\nB", 1);
        row("carriage return", "ab\r", "AB\r", 2);
        row("outside code page", "xā", "Xā", 1);
        row("C1 with a byte", "\u0081", "\u0081", -1);
        row("C1 without a byte", "\u0080", "\u0080", 0);
    }

    void storedText()
    {
        QFETCH(QString, typed);
        QFETCH(QString, capitals);
        QFETCH(int, unstorable);
        QCOMPARE(toStoredCapitals(typed), capitals);
        QCOMPARE(firstUnstorableChar(typed), unstorable);
    }
};

QTEST_GUILESS_MAIN(RegisterTest)
#include "tst_register.moc"
