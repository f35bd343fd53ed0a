// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/EditCommand.h"

#include "edit/frmEdit.h"
#include "entry/MoneyFormat.h"

#include <QCoreApplication>

namespace tallyra {

Committed editEntryCommand(RegisterDocument &document, int slot, Platform &platform,
                           QWidget *parent)
{
    const QString entry = entryDescription(document.book().slot[slot]);
    FrmEdit window(document, slot, platform, parent);
    window.exec();
    const Checkbook *changed = window.changedRegister();
    if (!changed)
        return {};
    // The first text of each pair names the step in Edit > Undo and Redo.
    QString what;
    QString done;
    if (window.outcome() == EditOutcome::Removed) {
        //: An undo step, shown as "Undo remove 05/03/2001 E1 $1.00"
        what = QCoreApplication::translate("EditCommand", "remove %1").arg(entry);
        done = QCoreApplication::translate("EditCommand", "Removed %1").arg(entry);
    } else {
        //: An undo step, shown as "Undo change 05/03/2001 E1 $1.00"
        what = QCoreApplication::translate("EditCommand", "change %1").arg(entry);
        done = QCoreApplication::translate("EditCommand", "Changed %1").arg(entry);
    }
    return commitChange(document, platform.prompter, parent, *changed, document.companion(), what,
                        done);
}

} // namespace tallyra
