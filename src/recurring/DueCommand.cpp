// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/DueCommand.h"

#include "entry/MoneyFormat.h"
#include "recurring/DueEntering.h"
#include "register/DateText.h"
#include "register/FileStore.h"
#include "register/RegisterDocument.h"

#include <QCoreApplication>
#include <QDir>

namespace tallyra {

namespace {

// What goes to standard error is for people and translated; the lines on standard output are
// read by scripts and stay as they are.
struct DueCommand
{
    Q_DECLARE_TR_FUNCTIONS(DueCommand)
};

DueOutcome refuse(int status, const QString &why)
{
    return {status, {}, QStringLiteral("tallyra: %1\n").arg(why)};
}

// As --import lists a transaction: what, date, check number, signed amount, payee.
QString lineOf(const QString &what, const DueEntry &due, const RecurringEntry &schedule)
{
    return QStringLiteral("%1 %2 %3 %4 %5\n")
        .arg(what, -9)
        .arg(isoDate(due.date.entered))
        .arg(schedule.checkNumber, -6)
        .arg(formatMoney(schedule.deposit ? schedule.cents : -qint64(schedule.cents)), 14)
        .arg(schedule.payee);
}

} // namespace

DueOutcome runDue(bool enter, QDate today, RegisterDocument &document)
{
    const QString shown = QDir::current().relativeFilePath(document.path());
    if (!enter) {
        document.setReadOnly(true);
    } else if (const std::optional<LockHolder> holder = document.lock()) {
        return refuse(DueRegisterHeld,
                      //: %1 is the data file, %2 the program holding it, %4 its computer.
                      DueCommand::tr("%1 is open in %2 (process %3 on %4); nothing was entered")
                          .arg(shown, holder->application)
                          .arg(holder->pid)
                          .arg(holder->host));
    }
    QString reason;
    switch (document.load(&reason)) {
    case RegisterDocument::LoadResult::Loaded:
        break;
    case RegisterDocument::LoadResult::Missing:
        return {DueDone, QStringLiteral("%1 does not exist yet: nothing is due.\n").arg(shown), {}};
    case RegisterDocument::LoadResult::Unreadable:
        return refuse(
            DueNotEntered,
            DueCommand::tr("%1 cannot be read (%2); nothing was entered").arg(shown, reason));
    }
    DueOutcome outcome;
    if (!document.companionNotice().isEmpty())
        outcome.error += QStringLiteral("tallyra: %1\n").arg(document.companionNotice());
    const Companion &companion = document.companion();
    const QList<DueEntry> due = dueEntries(companion.schedules, today);
    for (const DueEntry &entry : due)
        outcome.output += lineOf(enter ? QStringLiteral("entered") : QStringLiteral("due"), entry,
                                 companion.schedules[entry.schedule]);
    const QString until = slashDate(today);
    if (due.isEmpty()) {
        outcome.output += QStringLiteral("Nothing is due up to %1.\n").arg(until);
        return outcome;
    }
    const QString count =
        QStringLiteral("%1 recurring %2")
            .arg(due.size())
            .arg(due.size() == 1 ? QStringLiteral("entry is") : QStringLiteral("entries are"));
    if (!enter) {
        outcome.output += QStringLiteral("%1 due up to %2: nothing changed.\n").arg(count, until);
        return outcome;
    }
    const DueEntering taken =
        takeDueEntries(document.book(), companion, due, QList<bool>(due.size(), true));
    if (taken.result == DueEntering::Result::TooMany) {
        outcome.output.clear();
        outcome.status = DueNotEntered;
        outcome.error += QStringLiteral("tallyra: %1\n")
                             .arg(DueCommand::tr("only %1 of the %2 due entries fit in the "
                                                 "register's free slots; nothing was entered")
                                      .arg(taken.fit)
                                      .arg(due.size()));
        return outcome;
    }
    if (taken.result == DueEntering::Result::Refused) {
        outcome.output.clear();
        outcome.status = DueNotEntered;
        outcome.error += QStringLiteral("tallyra: %1\n")
                             .arg(DueCommand::tr("%1; nothing was entered").arg(taken.problem));
        return outcome;
    }
    const QString keptAs = document.book().entryCount > 0
                               ? freeCopyName(document.path() + u'.' + DueKeepSuffix)
                               : QString();
    const ChangeResult result = document.replace(*taken.book, taken.companion,
                                                 dueChangeName(taken.entered, 0), DueKeepSuffix);
    if (!result.saved()) {
        outcome.output.clear();
        outcome.status = DueNotEntered;
        outcome.error += QStringLiteral("tallyra: %1\n")
                             .arg(DueCommand::tr("%1 could not be saved (%2); nothing was entered")
                                      .arg(shown, result.error));
        return outcome;
    }
    outcome.output +=
        QStringLiteral("%1 entered in %2%3.\n")
            .arg(QStringLiteral("%1 recurring %2")
                     .arg(taken.entered)
                     .arg(taken.entered == 1 ? QStringLiteral("entry") : QStringLiteral("entries")),
                 shown,
                 keptAs.isEmpty() ? QString()
                                  : QStringLiteral(" (as it was before: %1)")
                                        .arg(QDir::current().relativeFilePath(keptAs)));
    return outcome;
}

} // namespace tallyra
