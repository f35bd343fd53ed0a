// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "reconcile/Reconcile.h"

using namespace tallyra;
using namespace tallyra::test;

namespace {

Ticks ticksOf(const Checkbook &book, const QList<int> &shown)
{
    Ticks ticked(book.entryCount + 1, false);
    for (int slot : shown)
        ticked[slot] = true;
    return ticked;
}

Companion reconciledTo(qint64 cents)
{
    return Companion{{{20010131, cents}}, std::nullopt, {}};
}

} // namespace

class TestReconcile : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Entries are 1 dollar each (W out, D in) in 2001.
    void arithmetic_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<Companion>("companion");
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<qint32>("end");
        QTest::addColumn<qint64>("ending");
        QTest::addColumn<qint64>("cleared");
        QTest::addColumn<QList<int>>("outstanding");
        QTest::addColumn<qint64>("difference");

        const QString book = "1/1D 1/25W 2/10D 2/20D 3/5W";
        // The first statement, which starts at nothing: tst_statementwindow.
        QTest::newRow("paid two statements later")
            << book << "rnrrn" << reconciledTo(300) << QList<int>{2} << 20010331 << qint64(200)
            << qint64(200) << QList<int>{5} << qint64(0);
        // A check of an earlier period still outstanding, and a fee the register lacks.
        QTest::newRow("a fee on the statement the register lacks")
            << book << "rnnnn" << reconciledTo(100) << QList<int>{3, 4} << 20010228 << qint64(295)
            << qint64(300) << QList<int>{2} << qint64(-5);
        QTest::newRow("ticked past the end date counts for nothing")
            << book << "rnnnn" << reconciledTo(100) << QList<int>{3, 5} << 20010228 << qint64(200)
            << qint64(200) << QList<int>{2, 4} << qint64(0);
        QTest::newRow("below zero") << "1/1W 1/2W"
                                    << "nn" << reconciledTo(-1000) << QList<int>{1, 2} << 20010228
                                    << qint64(-1200) << qint64(-1200) << QList<int>{} << qint64(0);
    }
    void arithmetic()
    {
        QFETCH(QString, entries);
        QFETCH(QString, marks);
        QFETCH(Companion, companion);
        QFETCH(QList<int>, ticked);
        QFETCH(qint32, end);
        QFETCH(qint64, ending);
        QFETCH(qint64, difference);
        Checkbook book = registerOf(entries);
        mark(book, marks);
        const Reconciliation result =
            reconcile(book, companion, end, ticksOf(book, ticked), ending);
        QTEST(result.clearedCents, "cleared");
        QTEST(result.outstandingSlots, "outstanding");
        QCOMPARE(result.difference, std::optional<qint64>(difference));
        qint64 deposits = 0;
        qint64 withdrawals = 0;
        for (int slot : result.outstandingSlots) {
            deposits += book.slot[slot].depositCents;
            withdrawals += book.slot[slot].withdrawalCents;
        }
        QCOMPARE(result.outstandingDeposits, deposits);
        QCOMPARE(result.outstandingWithdrawals, withdrawals);
        QVERIFY(!reconcile(book, companion, end, {}, std::nullopt).difference);
    }

    // Later keeps the ticks as cleared and the figures for next time, which Finish then
    // drops. Unticked open entries are no longer cleared either way; entries past the end and
    // those of earlier statements keep their marks. With no statement yet, today is offered.
    void finishAndLater()
    {
        Checkbook book = registerOf("1/1D 1/25W 2/10D 2/20D 3/5W");
        mark(book, "rccnc");
        Companion companion = reconciledTo(100);
        QCOMPARE(suggestedEndDate({}, {2001, 6, 1}), QDate(2001, 6, 1));
        QCOMPARE(clearedTicks(book), (Ticks{false, false, true, true, false, true}));

        putOffReconciliation(book, companion, 20010228, 250, ticksOf(book, {3, 4}));
        QCOMPARE(marksOf(book), QStringLiteral("rnccc"));
        QCOMPARE(companion.later, (StatementBalance{20010228, 250}));

        finishReconciliation(book, companion, 20010228, 300, ticksOf(book, {3, 4}));
        QCOMPARE(marksOf(book), QStringLiteral("rnrrc"));
        QCOMPARE(book.slot[1].reconciledOn, 20010131);
        QVERIFY(!companion.later);
    }
};

QTEST_MAIN(TestReconcile)
#include "tst_reconcile.moc"
