// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/ScheduleForm.h"

#include "entry/EntryChecks.h"
#include "entry/MoneyFormat.h"
#include "register/DateText.h"
#include "register/TextCodec.h"

#include <QCoreApplication>

namespace tallyra {

namespace {

struct ScheduleForm
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleForm)
};

ScheduleField fieldOf(EntryField field)
{
    switch (field) {
    case EntryField::CheckNumber:
        return ScheduleField::CheckNumber;
    case EntryField::Payee:
        return ScheduleField::Payee;
    case EntryField::Dollars:
        return ScheduleField::Dollars;
    default:
        return ScheduleField::NextDate;
    }
}

} // namespace

bool isNominalDate(const DateRule &rule, QDate date)
{
    switch (rule.frequency) {
    case Frequency::TwiceAMonth:
        return date == dayInMonth(date, rule.day) || date == dayInMonth(date, rule.secondDay);
    case Frequency::MonthlyOnDay:
        return date == dayInMonth(date, rule.day);
    case Frequency::MonthlyLastDay:
        return date.day() == date.daysInMonth();
    default:
        // A week and a year count from the date itself.
        return true;
    }
}

QDate firstNominalFrom(const DateRule &rule, QDate date)
{
    if (isNominalDate(rule, date))
        return date;
    switch (rule.frequency) {
    case Frequency::TwiceAMonth:
        return nextNominalDate(rule, date);
    case Frequency::MonthlyOnDay: {
        const QDate inMonth = dayInMonth(date, rule.day);
        return inMonth > date
                   ? inMonth
                   : dayInMonth(QDate(date.year(), date.month(), 1).addMonths(1), rule.day);
    }
    default:
        return dayInMonth(date, 31);
    }
}

std::optional<ScheduleProblem> firstScheduleProblem(const ScheduleInput &input)
{
    const EntryTexts texts{QString::number(input.next.year()),
                           QString::number(input.next.month()),
                           QString::number(input.next.day()),
                           input.checkNumber,
                           input.payee,
                           input.dollars,
                           input.cents};
    if (const std::optional<FailedCheck> failed = firstFailedCheck(texts, MainYearMessage)) {
        if (failed->zeroAmountQuestion)
            return ScheduleProblem{
                ScheduleField::Dollars, ScheduleForm::tr("Need Amount"),
                ScheduleForm::tr("A recurring entry needs an amount: enter one in the "
                                 "amount field.")};
        return ScheduleProblem{fieldOf(failed->field), failed->title, failed->text,
                               failed->badCharAt, failed->badCharLength};
    }
    const DateRule &rule = input.rule;
    if (rule.frequency == Frequency::TwiceAMonth && rule.day == rule.secondDay)
        return ScheduleProblem{
            ScheduleField::SecondDay, ScheduleForm::tr("Need Second Day"),
            ScheduleForm::tr("Twice a month needs two different days of the month.")};
    if (!isNominalDate(rule, input.next))
        return ScheduleProblem{
            ScheduleField::NextDate, ScheduleForm::tr("Need Next Date"),
            ScheduleForm::tr(
                "The next date, %1, is not a day this entry comes due. The first one from then "
                "is %2.")
                .arg(slashDate(input.next), slashDate(firstNominalFrom(rule, input.next)))};
    return std::nullopt;
}

RecurringEntry scheduleOf(const ScheduleInput &input)
{
    RecurringEntry schedule;
    schedule.checkNumber = toStoredCapitals(input.checkNumber);
    schedule.payee = toStoredCapitals(input.payee);
    const EntryTexts amount{{}, {}, {}, {}, {}, input.dollars, input.cents};
    schedule.cents = storableCents(amount).value_or(0);
    schedule.deposit = input.deposit;
    schedule.rule = input.rule;
    // A yearly schedule comes back on its first date's day.
    if (schedule.rule.frequency == Frequency::Yearly)
        schedule.rule.day = input.next.day();
    schedule.next = input.next;
    if (input.ends == ScheduleEnd::OnDate)
        schedule.end = input.end;
    if (input.ends == ScheduleEnd::AfterTimes)
        schedule.remaining = input.times;
    schedule.askFirst = input.askFirst;
    return schedule;
}

ScheduleInput inputOf(const RecurringEntry &schedule)
{
    ScheduleInput input;
    input.checkNumber = schedule.checkNumber;
    input.payee = schedule.payee;
    input.dollars = dollarsFieldText(schedule.cents);
    input.cents = centsFieldText(schedule.cents);
    input.deposit = schedule.deposit;
    input.rule = schedule.rule;
    input.next = schedule.next;
    input.ends = schedule.end.isValid()    ? ScheduleEnd::OnDate
                 : schedule.remaining >= 0 ? ScheduleEnd::AfterTimes
                                           : ScheduleEnd::Never;
    input.end = schedule.end;
    input.times = schedule.remaining;
    input.askFirst = schedule.askFirst;
    return input;
}

RecurringEntry repeatOf(const Entry &entry)
{
    RecurringEntry schedule;
    schedule.checkNumber = entry.checkNumber;
    schedule.payee = entry.payee;
    schedule.deposit = entry.depositCents > 0;
    schedule.cents = schedule.deposit ? entry.depositCents : entry.withdrawalCents;
    schedule.rule.frequency = Frequency::MonthlyOnDay;
    schedule.rule.day = entry.day;
    schedule.next = dayInMonth(QDate(entry.year, entry.month, 1).addMonths(1), entry.day);
    return schedule;
}

} // namespace tallyra
