// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/RepeatEntry.h"

#include "recurring/ScheduleForm.h"
#include "recurring/frmRecurring.h"

#include <QCoreApplication>
#include <QMenu>

namespace tallyra {

bool askRepeatFromLineMenu(QWidget *parent, QPoint at, bool repeatable)
{
    QMenu menu(parent);
    menu.setObjectName(QStringLiteral("mnuLine"));
    QAction *repeat =
        menu.addAction(QCoreApplication::translate("RepeatEntry", "&Repeat This Entry..."));
    repeat->setObjectName(QStringLiteral("mnuRepeatEntry"));
    repeat->setEnabled(repeatable);
    return menu.exec(at) == repeat;
}

Committed repeatEntryCommand(RegisterDocument &document, const Entry &entry, Platform &platform,
                             QWidget *parent)
{
    if (entry.withdrawalCents == 0 && entry.depositCents == 0) {
        platform.prompter.message(
            parent, QMessageBox::Information,
            QCoreApplication::translate("RepeatEntry", "Nothing to Repeat"),
            QCoreApplication::translate(
                "RepeatEntry", "This entry has no amount, so there is nothing to enter again."));
        return {};
    }
    FrmSchedule window(QCoreApplication::translate("RepeatEntry", "Repeat This Entry"),
                       repeatOf(entry), platform, parent);
    if (window.exec() != QDialog::Accepted)
        return {};
    Companion after = document.companion();
    after.schedules.append(window.schedule());
    const QString payee = window.schedule().payee;
    //: An undo step, shown as "Undo add recurring RENT"
    const QString what = QCoreApplication::translate("RepeatEntry", "add recurring %1").arg(payee);
    const QString done =
        QCoreApplication::translate("RepeatEntry", "Added recurring %1").arg(payee);
    return commitChange(document, platform.prompter, parent, document.book(), after, what, done);
}

} // namespace tallyra
