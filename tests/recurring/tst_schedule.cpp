// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/DueEntering.h"
#include "recurring/Recurring.h"
#include "recurring/ScheduleForm.h"
#include "recurring/ScheduleText.h"

#include <QTest>

using namespace tallyra;

Q_DECLARE_METATYPE(tallyra::DateRule)

namespace {

// A date as shown() writes it: "M/d" in 2027, "M/d/yy" in another year of this century.
QDate on(const QString &text)
{
    const QStringList mdy = (text + QStringLiteral("/27")).split(u'/');
    return QDate(2000 + mdy[2].toInt(), mdy[0].toInt(), mdy[1].toInt());
}

// The entered dates as on() reads them, a space between.
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

// The balance on today as "=dollars", then each entry ahead as "M/d PAYEE=dollars", with "*"
// on the one that takes the balance below zero.
QString aheadText(const Projection &ahead)
{
    QStringList shown{QStringLiteral("=%1").arg(ahead.opening / 100.0)};
    for (int i = 0; i < ahead.entries.size(); ++i) {
        const AheadEntry &entry = ahead.entries[i];
        shown << QStringLiteral("%1/%2 %3=%4%5")
                     .arg(entry.key / 100 % 100)
                     .arg(entry.key % 100)
                     .arg(entry.payee)
                     .arg(ahead.balances[i] / 100.0)
                     .arg(ahead.belowZero == i ? "*" : "");
    }
    return shown.join(u' ');
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
        const auto row = [](const char *tag, DateRule rule, const char *next, const char *until,
                            const char *dates, const char *end = nullptr, int remaining = -1) {
            QTest::newRow(tag) << rule << on(next) << on(until) << (end ? on(end) : QDate())
                               << remaining << QString(dates);
        };
        using enum Frequency;
        using enum WeekendRule;
        row("the 31st in short months", {MonthlyOnDay, 31}, "1/31", "5/31",
            "1/31 2/28 3/31 4/30 5/31");
        row("the 29th in a leap February", {MonthlyOnDay, 29}, "1/29/28", "3/29/28",
            "1/29/28 2/29/28 3/29/28");
        row("last day of the month", {MonthlyLastDay}, "1/31", "4/30", "1/31 2/28 3/31 4/30");
        row("twice a month, the 15th and the last", {TwiceAMonth, 15, 31}, "1/15", "3/1",
            "1/15 1/31 2/15 2/28");
        row("every 2 weeks across a year end", {EveryTwoWeeks}, "12/18/26", "1/29",
            "12/18/26 1/1 1/15 1/29");
        row("every 3 months on the 31st", {MonthlyOnDay, 31, 15, 3}, "12/31/26", "12/31",
            "12/31/26 3/31 6/30 9/30 12/31");
        row("yearly from a leap day", {Yearly, 29}, "2/29/28", "3/1/32",
            "2/29/28 2/28/29 2/28/30 2/28/31 2/29/32");
        // 2027-05-01 is a Saturday, 2027-08-01 a Sunday; so is 2027-01-31, kept above.
        row("weekend to the Friday before", {MonthlyOnDay, 1, 15, 1, FridayBefore}, "5/1", "8/1",
            "4/30 6/1 7/1 7/30");
        row("weekend to the Monday after, not due on Sunday", {MonthlyOnDay, 1, 15, 1, MondayAfter},
            "5/1", "8/1", "5/3 6/1 7/1");
        row("an end date", {Weekly}, "1/1", "12/31", "1/1 1/8 1/15 1/22", "1/22");
        row("a number of times", {Weekly}, "1/1", "12/31", "1/1 1/8", nullptr, 2);
        row("none left", {Weekly}, "1/1", "12/31", "", nullptr, 0);
        row("not yet due", {Weekly}, "1/8", "1/7", "");
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
        const auto row = [](const char *tag, const char *entries, const char *schedules,
                            const char *ahead) {
            QTest::newRow(tag) << QString(entries) << QString(schedules) << QString(ahead);
        };
        row("the register's later entries, none after the 90th day",
            "6/1 PAY +500, 6/7 GAS -100, 6/10 RENT -300, 9/5 CAR -200, 9/6 TAX -900", "",
            "=400 6/10 RENT=100 9/5 CAR=-100*");
        row("a schedule due already counts on today, then monthly", "6/1 PAY +200", "6/1 RENT -100",
            "=200 6/7 RENT=100 7/1 RENT=0 8/1 RENT=-100* 9/1 RENT=-200");
        row("what the register holds already is not counted twice",
            "6/1 PAY +500, 6/1 RENT -100, 7/1 RENT -100", "6/1 RENT -100",
            "=400 7/1 RENT=300 8/1 RENT=200 9/1 RENT=100");
        row("one register entry stands for one schedule's entry", "6/1 PAY +500, 8/1 RENT -100",
            "8/1 RENT -100, 8/1 RENT -100",
            "=500 8/1 RENT=400 8/1 RENT=300 9/1 RENT=200 9/1 RENT=100");
        row("a deposit does not stand for a withdrawal", "6/1 RENT +100", "6/1 RENT -100",
            "=100 6/7 RENT=0 7/1 RENT=-100* 8/1 RENT=-200 9/1 RENT=-300");
        row("on one day the register's entry goes first", "6/1 PAY +100, 6/15 CAR -150",
            "6/15 PAY +100", "=100 6/15 CAR=-50* 6/15 PAY=50 7/15 PAY=150 8/15 PAY=250");
        row("below zero on today already is no news, only going below again",
            "6/1 RENT -100, 6/8 GAS -50, 6/9 PAY +200, 6/10 CAR -100", "",
            "=-100 6/8 GAS=-150 6/9 PAY=50 6/10 CAR=-50*");
        row("nothing ahead", "6/1 PAY +100, 6/2 RENT -100", "", "=0");
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
        QTEST(aheadText(projectBalance(book, parsed(schedules), QDate(2001, 6, 7))), "ahead");
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
        QCOMPARE(aheadText(ahead), "=500 3/19 PAY=1400 3/31 RENT=200 4/2 PAY=1100");
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
        const auto row = [](const char *tag, DateRule rule, const char *typed, const char *first) {
            QTest::newRow(tag) << rule << on(typed) << on(first);
        };
        using enum Frequency;
        row("the 31st in April", {MonthlyOnDay, 31}, "4/30", "4/30");
        row("before the day", {MonthlyOnDay, 15}, "3/5", "3/15");
        row("after the day, into a short month", {MonthlyOnDay, 31}, "1/30", "1/31");
        row("after the day, next year", {MonthlyOnDay, 5}, "12/20", "1/5/28");
        row("not yet the last day", {MonthlyLastDay}, "2/28/28", "2/29/28");
        row("between the two days", {TwiceAMonth, 1, 15}, "1/20", "2/1");
        row("any day of the week", {Weekly}, "1/20", "1/20");
    }
    void nextDateOfTheRule()
    {
        QFETCH(DateRule, rule);
        QFETCH(QDate, typed);
        QFETCH(QDate, first);
        QCOMPARE(firstNominalFrom(rule, typed), first);
        const ScheduleInput input{"ATM", "RENT", "5", {}, false, rule, typed, {}, {}};
        const std::optional<ScheduleProblem> problem = firstScheduleProblem(input);
        QCOMPARE(problem.has_value(), first != typed);
        if (problem)
            QVERIFY(problem->text.contains(first.toString("M/d/yyyy")));
    }
};

QTEST_GUILESS_MAIN(TestSchedule)

#include "tst_schedule.moc"
