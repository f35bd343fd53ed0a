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
        QTest::newRow("first statement starts at nothing")
            << book << "nnnnn" << Companion{} << QList<int>{1} << 20010131 << qint64(100)
            << qint64(100) << QList<int>{2} << qint64(0);
        QTest::newRow("a check of an earlier period still outstanding")
            << book << "rnnnn" << reconciledTo(100) << QList<int>{3, 4} << 20010228 << qint64(300)
            << qint64(300) << QList<int>{2} << qint64(0);
        QTest::newRow("paid two statements later")
            << book << "rnrrn" << reconciledTo(300) << QList<int>{2} << 20010331 << qint64(200)
            << qint64(200) << QList<int>{5} << qint64(0);
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

    // Finish settles the ticked entries on the statement and starts the next from it; Later
    // keeps the ticks as cleared and the figures for next time. Unticked open entries are no
    // longer cleared either way; entries past the end keep their marks.
    void finishAndLater()
    {
        Checkbook book = registerOf("1/1D 1/25W 2/10D 2/20D 3/5W");
        mark(book, "rccnc");
        Companion companion = reconciledTo(100);
        QCOMPARE(suggestedEndDate(companion, {2001, 6, 1}), QDate(2001, 2, 28));
        QCOMPARE(suggestedEndDate({}, {2001, 6, 1}), QDate(2001, 6, 1));
        QCOMPARE(clearedTicks(book), (Ticks{false, false, true, true, false, true}));

        Checkbook later = book;
        Companion laterCompanion = companion;
        putOffReconciliation(later, laterCompanion, 20010228, 250, ticksOf(book, {3, 4}));
        QCOMPARE(marksOf(later), QStringLiteral("rnccc"));
        QCOMPARE(laterCompanion.later, (StatementBalance{20010228, 250}));
        QCOMPARE(suggestedEndDate(laterCompanion, {2001, 6, 1}), QDate(2001, 2, 28));

        finishReconciliation(later, laterCompanion, 20010228, 300, ticksOf(book, {3, 4}));
        QCOMPARE(marksOf(later), QStringLiteral("rnrrc"));
        QCOMPARE(later.slot[3].reconciledOn, 20010228);
        QCOMPARE(later.slot[1].reconciledOn, 20010131);
        QVERIFY(!laterCompanion.later);
        QCOMPARE(laterCompanion.reconciled.back(), (StatementBalance{20010228, 300}));
        QCOMPARE(lastReconciledCents(laterCompanion), 300);
        QCOMPARE(suggestedEndDate(laterCompanion, {2001, 6, 1}), QDate(2001, 3, 28));
        QCOMPARE(openSlots(later, 20010331), (QList<int>{2, 5}));
    }
};

QTEST_MAIN(TestReconcile)
#include "tst_reconcile.moc"
