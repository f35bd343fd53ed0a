// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/Recurring.h"
#include "recurring/ScheduleForm.h"
#include "recurring/ScheduleText.h"

#include <QTest>

using namespace tallyra;

Q_DECLARE_METATYPE(tallyra::DateRule)

namespace {

// The entered dates as "M/d" (with "/yy" when the year is not 2027), a space between.
QString shown(const QList<DueDate> &due)
{
    QStringList dates;
    for (const DueDate &date : due)
        dates << date.entered.toString(date.entered.year() == 2027 ? "M/d" : "M/d/yy");
    return dates.join(u' ');
}

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
    // Every date a schedule comes due from its next date up to a day, by each rule.
    void dueDates_data()
    {
        QTest::addColumn<DateRule>("rule");
        QTest::addColumn<QDate>("next");
        QTest::addColumn<QDate>("until");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<QString>("dates");
        using enum Frequency;
        using enum WeekendRule;
        const QDate none;
        QTest::newRow("the 31st in short months")
            << DateRule{MonthlyOnDay, 31} << QDate(2027, 1, 31) << QDate(2027, 5, 31) << none << -1
            << "1/31 2/28 3/31 4/30 5/31";
        QTest::newRow("the 29th in a leap February")
            << DateRule{MonthlyOnDay, 29} << QDate(2028, 1, 29) << QDate(2028, 3, 29) << none << -1
            << "1/29/28 2/29/28 3/29/28";
        QTest::newRow("last day of the month")
            << DateRule{MonthlyLastDay} << QDate(2027, 1, 31) << QDate(2027, 4, 30) << none << -1
            << "1/31 2/28 3/31 4/30";
        QTest::newRow("twice a month, the 15th and the last")
            << DateRule{TwiceAMonth, 15, 31} << QDate(2027, 1, 15) << QDate(2027, 3, 1) << none
            << -1 << "1/15 1/31 2/15 2/28";
        QTest::newRow("every 2 weeks across a year end")
            << DateRule{EveryTwoWeeks} << QDate(2026, 12, 18) << QDate(2027, 1, 29) << none << -1
            << "12/18/26 1/1 1/15 1/29";
        QTest::newRow("every 3 months on the 31st")
            << DateRule{MonthlyOnDay, 31, 15, 3} << QDate(2026, 12, 31) << QDate(2027, 12, 31)
            << none << -1 << "12/31/26 3/31 6/30 9/30 12/31";
        QTest::newRow("yearly from a leap day")
            << DateRule{Yearly, 29} << QDate(2028, 2, 29) << QDate(2032, 3, 1) << none << -1
            << "2/29/28 2/28/29 2/28/30 2/28/31 2/29/32";
        // 2027-05-01 is a Saturday, 2027-08-01 a Sunday; so is 2027-01-31, kept above.
        QTest::newRow("weekend to the Friday before")
            << DateRule{MonthlyOnDay, 1, 15, 1, FridayBefore} << QDate(2027, 5, 1)
            << QDate(2027, 8, 1) << none << -1 << "4/30 6/1 7/1 7/30";
        QTest::newRow("weekend to the Monday after, not due on Sunday")
            << DateRule{MonthlyOnDay, 1, 15, 1, MondayAfter} << QDate(2027, 5, 1)
            << QDate(2027, 8, 1) << none << -1 << "5/3 6/1 7/1";
        QTest::newRow("an end date") << DateRule{Weekly} << QDate(2027, 1, 1) << QDate(2027, 12, 31)
                                     << QDate(2027, 1, 22) << -1 << "1/1 1/8 1/15 1/22";
        QTest::newRow("a number of times") << DateRule{Weekly} << QDate(2027, 1, 1)
                                           << QDate(2027, 12, 31) << none << 2 << "1/1 1/8";
        QTest::newRow("none left")
            << DateRule{Weekly} << QDate(2027, 1, 1) << QDate(2027, 12, 31) << none << 0 << "";
        QTest::newRow("not yet due")
            << DateRule{Weekly} << QDate(2027, 1, 8) << QDate(2027, 1, 7) << none << -1 << "";
    }
    void dueDates()
    {
        QFETCH(DateRule, rule);
        QFETCH(QDate, next);
        QFETCH(QDate, until);
        QFETCH(QDate, end);
        QFETCH(int, remaining);
        QTEST(shown(tallyra::dueDates(rule, next, until, end, remaining)), "dates");
    }

    // Tallyra not started for two months: every missed date of every schedule, oldest first,
    // and each schedule moved on past them; the balance ahead says when it goes below zero.
    void missedMonthsAndTheBalanceAhead()
    {
        using enum Frequency;
        const RecurringEntry rent{"ATM",         "RENT", 120000, false, {MonthlyOnDay, 31},
                                  {2027, 1, 31}, {}};
        const RecurringEntry pay{"DEP", "PAY", 90000, true, {EveryTwoWeeks}, {2027, 1, 8}, {}};
        const RecurringEntry insurance{"ATM",        "INSURANCE",   50000, false,
                                       {Yearly, 15}, {2027, 2, 15}, {},    1};
        const QList<RecurringEntry> schedules{rent, pay, insurance};
        const QList<DueEntry> due = dueEntries(schedules, QDate(2027, 3, 10));
        QStringList listed;
        for (const DueEntry &entry : due)
            listed << schedules[entry.schedule].payee + entry.date.entered.toString(" M/d");
        QCOMPARE(listed, (QStringList{"PAY 1/8", "PAY 1/22", "RENT 1/31", "PAY 2/5",
                                      "INSURANCE 2/15", "PAY 2/19", "RENT 2/28", "PAY 3/5"}));

        const RecurringEntry rentAfter = movedOn(rent, 2);
        QCOMPARE(rentAfter.next, QDate(2027, 3, 31));
        QCOMPARE(movedOn(insurance, 1).remaining, 0);
        QCOMPARE(movedOn(insurance, 2).next, QDate(2028, 2, 15));

        // $500 on 3/10, with the rent, the pay and no more insurance ahead.
        const Projection ahead = projectBalance({rentAfter, movedOn(pay, 5), movedOn(insurance, 1)},
                                                50000, QDate(2027, 3, 10), 30);
        QStringList balances;
        for (int i = 0; i < ahead.entries.size(); ++i)
            balances << ahead.entries[i].date.entered.toString("M/d=") +
                            QString::number(ahead.balances[i]);
        QCOMPARE(balances, (QStringList{"3/19=140000", "3/31=20000", "4/2=110000"}));
        QVERIFY(!ahead.belowZero);
        const Projection short_ = projectBalance({rentAfter}, 50000, QDate(2027, 3, 10), 30);
        QCOMPARE(short_.belowZero, std::optional<int>(0));
    }

    // How the recurring window words each rule, with the days' endings (11th to 13th too).
    void howOftenText_data()
    {
        QTest::addColumn<DateRule>("rule");
        QTest::addColumn<QString>("words");
        using enum Frequency;
        QTest::newRow("weekly") << DateRule{Weekly} << "Every week";
        QTest::newRow("2 weeks") << DateRule{EveryTwoWeeks} << "Every 2 weeks";
        QTest::newRow("month, 31st") << DateRule{MonthlyOnDay, 31} << "Every month on the 31st";
        QTest::newRow("month, 12th") << DateRule{MonthlyOnDay, 12} << "Every month on the 12th";
        QTest::newRow("2 months, 22nd")
            << DateRule{MonthlyOnDay, 22, 15, 2} << "Every 2 months on the 22nd";
        QTest::newRow("twice, days given late first")
            << DateRule{TwiceAMonth, 15, 1} << "Twice a month on the 1st and 15th";
        QTest::newRow("twice, 3rd and 13th")
            << DateRule{TwiceAMonth, 3, 13} << "Twice a month on the 3rd and 13th";
        QTest::newRow("twice, 11th and 23rd")
            << DateRule{TwiceAMonth, 11, 23} << "Twice a month on the 11th and 23rd";
        QTest::newRow("3 months, last day")
            << DateRule{MonthlyLastDay, 1, 15, 3} << "Every 3 months on the last day";
        QTest::newRow("month, last day")
            << DateRule{MonthlyLastDay} << "Every month on the last day";
        QTest::newRow("yearly") << DateRule{Yearly, 29} << "Every year";
    }
    void howOftenText()
    {
        QFETCH(DateRule, rule);
        QTEST(tallyra::howOftenText(rule), "words");
    }

    // A next date the rule never comes due on is refused, naming the first one that it does.
    void nextDateOfTheRule_data()
    {
        QTest::addColumn<DateRule>("rule");
        QTest::addColumn<QDate>("typed");
        QTest::addColumn<QDate>("first");
        using enum Frequency;
        QTest::newRow("the 31st in April")
            << DateRule{MonthlyOnDay, 31} << QDate(2027, 4, 30) << QDate(2027, 4, 30);
        QTest::newRow("before the day")
            << DateRule{MonthlyOnDay, 15} << QDate(2027, 3, 5) << QDate(2027, 3, 15);
        QTest::newRow("after the day, into a short month")
            << DateRule{MonthlyOnDay, 31} << QDate(2027, 1, 31).addDays(-1) << QDate(2027, 1, 31);
        QTest::newRow("after the day, next year")
            << DateRule{MonthlyOnDay, 5} << QDate(2027, 12, 20) << QDate(2028, 1, 5);
        QTest::newRow("not yet the last day")
            << DateRule{MonthlyLastDay} << QDate(2028, 2, 28) << QDate(2028, 2, 29);
        QTest::newRow("between the two days")
            << DateRule{TwiceAMonth, 1, 15} << QDate(2027, 1, 20) << QDate(2027, 2, 1);
        QTest::newRow("any day of the week")
            << DateRule{Weekly} << QDate(2027, 1, 20) << QDate(2027, 1, 20);
    }
    void nextDateOfTheRule()
    {
        QFETCH(DateRule, rule);
        QFETCH(QDate, typed);
        QFETCH(QDate, first);
        QCOMPARE(firstNominalFrom(rule, typed), first);
        ScheduleInput input;
        input.checkNumber = "ATM";
        input.payee = "RENT";
        input.dollars = "5";
        input.rule = rule;
        input.next = typed;
        const std::optional<ScheduleProblem> problem = firstScheduleProblem(input);
        QCOMPARE(problem.has_value(), first != typed);
        if (problem)
            QVERIFY(problem->text.contains(first.toString("M/d/yyyy")));
    }
};

QTEST_APPLESS_MAIN(TestSchedule)

#include "tst_schedule.moc"
