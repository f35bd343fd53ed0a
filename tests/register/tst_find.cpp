// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/FindEntry.h"

#include <QTest>

using namespace tallyra;

namespace {

Checkbook smallBook()
{
    Checkbook book;
    book.entryCount = 5;
    book.slot[1] = Entry{2026, 1, 2, "1001", "WATER COMPANY", 100, 0};
    book.slot[2] = Entry{2026, 1, 3, "DEP", "PAYROLL", 0, 100};
    book.slot[3] = Entry{2026, 1, 4, "1002", QString::fromUtf8("CAFÉ WATERFRONT"), 100, 0};
    book.slot[4] = Entry{2026, 1, 5, "ATM", "CASH", 100, 0};
    book.slot[5] = Entry{2026, 1, 6, "1003", "CITY WATER", 100, 0};
    // A free slot past the count keeps what a removed entry left there.
    book.slot[6] = Entry{2026, 1, 7, "1004", "GHOST", 100, 0};
    return book;
}

// 1000 entries, the text "NEEDLE" in slots 3 and 998 only.
Checkbook fullBook()
{
    Checkbook book;
    book.entryCount = MaxEntries;
    for (int slot = 1; slot <= MaxEntries; ++slot)
        book.slot[slot] = Entry{2026, 1, 1, QString::number(5000 + slot), "GROCER", 100, 0};
    book.slot[3].payee = QStringLiteral("NEEDLE & CO");
    book.slot[998].payee = QStringLiteral("THE NEEDLE");
    return book;
}

} // namespace

class FindTest : public QObject
{
    Q_OBJECT

private slots:
    void findNext_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("found"); // 0: nothing

        QTest::newRow("below, ignoring case") << false << "water" << 1 << 3;
        // Past the last entry counts as the last, so the search goes round to the first.
        QTest::newRow("above, going round from past the end") << false << "Water" << 7 << 1;
        QTest::newRow("from before the first") << false << "water" << 0 << 1;
        QTest::newRow("the only match is the current one") << false << "company" << 1 << 1;
        QTest::newRow("check number") << false << "100" << 3 << 5;
        QTest::newRow("none") << false << "rent" << 2 << 0;
        QTest::newRow("free slot is not searched") << false << "ghost" << 0 << 0;
        QTest::newRow("empty text") << false << "" << 0 << 0;

        QTest::newRow("full: near the end") << true << "needle" << 990 << 998;
        QTest::newRow("full: going round") << true << "needle" << 998 << 3;
        QTest::newRow("full: the last slot") << true << "6000" << 3 << 1000;
    }
    void findNext()
    {
        QFETCH(bool, full);
        QFETCH(QString, text);
        QFETCH(int, after);
        QFETCH(int, found);
        const Checkbook book = full ? fullBook() : smallBook();
        QCOMPARE(findNextEntry(book, text, after).value_or(0), found);
    }

    // The list keeps its page when the found entry is on it, else shows it on the top line,
    // as near as the last page allows.
    void listPlace_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstShown");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("line");
        QTest::newRow("one page") << 4 << 5 << 1 << 1 << 3;
        QTest::newRow("bottom line of the page") << 509 << 1000 << 500 << 500 << 9;
        QTest::newRow("top line of the page") << 500 << 1000 << 500 << 500 << 0;
        QTest::newRow("just below the page") << 510 << 1000 << 500 << 510 << 0;
        QTest::newRow("just above the page") << 499 << 1000 << 500 << 499 << 0;
        QTest::newRow("near the end") << 998 << 1000 << 1 << 991 << 7;
        QTest::newRow("page past the end") << 12 << 20 << 50 << 11 << 1;
    }
    void listPlace()
    {
        QFETCH(int, slot);
        QFETCH(int, count);
        QFETCH(int, firstShown);
        const ListPlace place = listPlaceFor(slot, count, firstShown, 10);
        QTEST(place.firstShown, "top");
        QTEST(place.line, "line");
    }
};

QTEST_GUILESS_MAIN(FindTest)
#include "tst_find.moc"
