// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/DueEntering.h"

#include "entry/MoneyFormat.h"
#include "entry/PlaceEntry.h"
#include "register/DateText.h"

#include <QCoreApplication>

namespace tallyra {

namespace {

// A message box's sentence, to go inside another one.
QString withoutFullStop(QString text)
{
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace

EntryTexts dueEntryTexts(const RecurringEntry &schedule, QDate date)
{
    return {QString::number(date.year()),
            QString::number(date.month()),
            QString::number(date.day()),
            schedule.checkNumber,
            schedule.payee,
            dollarsFieldText(schedule.cents),
            centsFieldText(schedule.cents)};
}

DueEntering takeDueEntries(const Checkbook &book, const Companion &companion,
                           const QList<DueEntry> &due, const QList<bool> &enter)
{
    DueEntering taken;
    const int free = MaxEntries - book.entryCount;
    const int ticked = int(std::count(enter.begin(), enter.end(), true));
    if (ticked > free) {
        taken.result = DueEntering::Result::TooMany;
        taken.fit = free;
        return taken;
    }
    auto after = std::make_unique<Checkbook>(book);
    QList<int> moves(companion.schedules.size(), 0);
    for (qsizetype i = 0; i < due.size(); ++i) {
        const RecurringEntry &schedule = companion.schedules[due[i].schedule];
        ++moves[due[i].schedule];
        if (!enter.value(i)) {
            ++taken.skipped;
            continue;
        }
        const EntryTexts texts = dueEntryTexts(schedule, due[i].date.entered);
        const std::optional<FailedCheck> failed = firstFailedCheck(texts, MainYearMessage);
        // A zero amount was accepted when the schedule was made.
        const bool fails = failed && !failed->zeroAmountQuestion;
        if (fails || !placeEntry(*after, texts,
                                 schedule.deposit ? EntryType::Deposit : EntryType::Withdrawal)) {
            taken.result = DueEntering::Result::Refused;
            taken.problem =
                //: %1 is the payee, %2 the date, %3 what is wrong with the entry.
                QCoreApplication::translate("DueEntering", "%1 on %2: %3")
                    .arg(schedule.payee, slashDate(due[i].date.entered),
                         fails ? withoutFullStop(failed->text)
                               : QCoreApplication::translate(
                                     "DueEntering", "the entry does not fit the register"));
            return taken;
        }
        ++taken.entered;
    }
    computeBalances(*after);
    taken.book = std::move(after);
    taken.companion = companion;
    for (qsizetype s = 0; s < moves.size(); ++s)
        taken.companion.schedules[s] = movedOn(companion.schedules[s], moves[s]);
    return taken;
}

QString dueChangeName(int entered, int skipped)
{
    //: The name of a change, shown after "Undo" and "Redo": short, in lower case.
    if (skipped == 0)
        return QCoreApplication::translate("DueEntering", "enter %n recurring entries", nullptr,
                                           entered);
    //: The name of a change, shown after "Undo" and "Redo": short, in lower case.
    if (entered == 0)
        return QCoreApplication::translate("DueEntering", "skip %n recurring", nullptr, skipped);
    //: The name of a change, shown after "Undo" and "Redo": short, in lower case. %1 entered,
    //: %2 skipped.
    return QCoreApplication::translate("DueEntering", "enter %1, skip %2 recurring")
        .arg(entered)
        .arg(skipped);
}

} // namespace tallyra
