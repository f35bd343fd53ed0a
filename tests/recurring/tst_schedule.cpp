// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/DueEntering.h"
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

// "6/1 RENT -100, ...": entries of 2001 by date, payee and whole dollars, each read as a
// schedule that comes back on that day of every month, or as a register entry of that date.
QList<RecurringEntry> parsed(const QString &list)
{
    QList<RecurringEntry> entries;
    for (const QString &text : list.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList parts = text.split(u' ');
        const QDate date = QDate::fromString(parts[0] + "/2001", "M/d/yyyy");
        RecurringEntry entry;
        entry.payee = parts[1];
        entry.cents = qAbs(parts[2].toInt()) * 100;
        entry.deposit = parts[2][0] == u'+';
        entry.rule.day = date.day();
        entry.next = date;
        entries.append(entry);
    }
    return entries;
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

    // The balance ahead from 6/7/2001 over 90 days (to 9/5): the register's balance on today,
    // its later entries and the schedules' (each monthly from its next date), merged by day;
    // "*" marks the first entry that takes the balance below zero.
    void balanceAhead_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("schedules");
        QTest::addColumn<QString>("ahead"); // the balance on today, then each entry's
        QTest::newRow("the register's later entries, none after the 90th day")
            << "6/1 PAY +500, 6/7 GAS -100, 6/10 RENT -300, 9/5 CAR -200, 9/6 TAX -900"
            << ""
            << "=400 6/10 RENT=100 9/5 CAR=-100*";
        QTest::newRow("a schedule due already counts on today, then monthly")
            << "6/1 PAY +200"
            << "6/1 RENT -100"
            << "=200 6/7 RENT=100 7/1 RENT=0 8/1 RENT=-100* 9/1 RENT=-200";
        QTest::newRow("what the register holds already is not counted twice")
            << "6/1 PAY +500, 6/1 RENT -100, 7/1 RENT -100"
            << "6/1 RENT -100"
            << "=400 7/1 RENT=300 8/1 RENT=200 9/1 RENT=100";
        QTest::newRow("one register entry stands for one schedule's entry")
            << "6/1 PAY +500, 8/1 RENT -100"
            << "8/1 RENT -100, 8/1 RENT -100"
            << "=500 8/1 RENT=400 8/1 RENT=300 9/1 RENT=200 9/1 RENT=100";
        QTest::newRow("a deposit does not stand for a withdrawal")
            << "6/1 RENT +100"
            << "6/1 RENT -100"
            << "=100 6/7 RENT=0 7/1 RENT=-100* 8/1 RENT=-200 9/1 RENT=-300";
        QTest::newRow("on one day the register's entry goes first")
            << "6/1 PAY +100, 6/15 CAR -150"
            << "6/15 PAY +100"
            << "=100 6/15 CAR=-50* 6/15 PAY=50 7/15 PAY=150 8/15 PAY=250";
        QTest::newRow("below zero on today already is no news, only going below again")
            << "6/1 RENT -100, 6/8 GAS -50, 6/9 PAY +200, 6/10 CAR -100"
            << ""
            << "=-100 6/8 GAS=-150 6/9 PAY=50 6/10 CAR=-50*";
        QTest::newRow("nothing ahead") << "6/1 PAY +100, 6/2 RENT -100"
                                       << ""
                                       << "=0";
    }
    void balanceAhead()
    {
        QFETCH(QString, entries);
        QFETCH(QString, schedules);
        Checkbook book;
        for (const RecurringEntry &entry : parsed(entries)) {
            Entry &slot = book.slot[++book.entryCount];
            slot.year = 2001;
            slot.month = qint16(entry.next.month());
            slot.day = qint16(entry.next.day());
            slot.payee = entry.payee;
            (entry.deposit ? slot.depositCents : slot.withdrawalCents) = entry.cents;
        }
        const Projection ahead = projectBalance(book, parsed(schedules), QDate(2001, 6, 7));
        QStringList shown{QStringLiteral("=%1").arg(ahead.opening / 100)};
        for (int i = 0; i < ahead.entries.size(); ++i) {
            const AheadEntry &entry = ahead.entries[i];
            shown << QStringLiteral("%1/%2 %3=%4%5")
                         .arg(entry.key / 100 % 100)
                         .arg(entry.key % 100)
                         .arg(entry.payee)
                         .arg(ahead.balances[i] / 100)
                         .arg(ahead.belowZero == i ? "*" : "");
        }
        QTEST(shown.join(u' '), "ahead");
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
        Checkbook book;
        book.slot[++book.entryCount] = {2027, 3, 10, "DEP", "SAVINGS", 0, 50000};
        const Projection ahead = projectBalance(
            book, {rentAfter, movedOn(pay, 5), movedOn(insurance, 1)}, QDate(2027, 3, 10), 30);
        QStringList balances;
        for (int i = 0; i < ahead.entries.size(); ++i)
            balances << QStringLiteral("%1/%2=%3")
                            .arg(ahead.entries[i].key / 100 % 100)
                            .arg(ahead.entries[i].key % 100)
                            .arg(ahead.balances[i]);
        QCOMPARE(balances, (QStringList{"3/19=140000", "3/31=20000", "4/2=110000"}));
        QVERIFY(!ahead.belowZero);
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

    // Counted texts: one in the singular, from the English plural forms, any other count in the
    // plural.
    void countedTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        RecurringEntry ends;
        ends.end = QDate(2027, 1, 31);
        ends.remaining = 1;
        QTest::newRow("until, once") << endText(ends) << "Until 1/31/2027, Once more";
        ends.remaining = 3;
        QTest::newRow("until, 3 times") << endText(ends) << "Until 1/31/2027, 3 more times";
        ends.end = QDate();
        QTest::newRow("3 times") << endText(ends) << "3 more times";
        QTest::newRow("enter 1") << dueChangeName(1, 0) << "enter 1 recurring entry";
        QTest::newRow("enter 2") << dueChangeName(2, 0) << "enter 2 recurring entries";
        QTest::newRow("skip 1") << dueChangeName(0, 1) << "skip 1 recurring";
        QTest::newRow("both") << dueChangeName(1, 2) << "enter 1, skip 2 recurring";
    }
    void countedTexts()
    {
        QFETCH(QString, text);
        QTEST(text, "expected");
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

QTEST_GUILESS_MAIN(TestSchedule)

#include "tst_schedule.moc"
