// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/FindEntry.h"

#include <QPoint>
#include <QTest>

using namespace tallyra;

class FindTest : public QObject
{
    Q_OBJECT

private slots:
    // Slots 1 to 6 hold the entries below, the rest "GROCER" with check number 5000 + slot;
    // searches ignore case.
    // Slot 6 is free in the five-entry book but keeps what a removed entry left there.
    // The list, 10 lines from firstShown, keeps its page when the found entry is on it, else
    // shows it on the top line, as near as the last page allows.
    void findNext_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("found"); // 0: nothing
        QTest::addColumn<int>("firstShown");
        QTest::addColumn<QPoint>("place"); // first shown, line
        QTest::newRow("below: check number") << 5 << "100" << 3 << 5 << 1 << QPoint(1, 4);
        QTest::newRow("above from past the end") << 5 << "Water" << 7 << 1 << 1 << QPoint(1, 0);
        QTest::newRow("none; free slot not searched") << 5 << "ghost" << 0 << 0 << 1 << QPoint();
        QTest::newRow("full, round") << 1000 << "water" << 998 << 1 << 991 << QPoint(1, 0);
        QTest::newRow("full, off the page") << 1000 << "5510" << 6 << 510 << 500 << QPoint(510, 0);
        QTest::newRow("full, last page") << 1000 << "6000" << 6 << 1000 << 1 << QPoint(991, 9);
    }
    void findNext()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        QFETCH(int, after);
        QFETCH(int, found);
        QFETCH(int, firstShown);
        Checkbook book;
        book.entryCount = count;
        for (int slot = 1; slot <= MaxEntries; ++slot)
            book.slot[slot] = Entry{2026, 1, 1, QString::number(5000 + slot), "GROCER", 100, 0};
        book.slot[1] = Entry{2026, 1, 2, "1001", "WATER COMPANY", 100, 0};
        book.slot[5] = Entry{2026, 1, 6, "1003", QString::fromUtf8("CITY WATER CAFÉ"), 100, 0};
        book.slot[6] = Entry{2026, 1, 7, "1004", "GHOST", 100, 0};
        QCOMPARE(findNextEntry(book, text, after).value_or(0), found);
        const ListPlace place = listPlaceFor(found, count, firstShown, 10);
        if (found)
            QTEST(QPoint(place.firstShown, place.line), "place");
    }
};

QTEST_GUILESS_MAIN(FindTest)
#include "tst_find.moc"
