// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/AddEntry.h"

#include "entry/MoneyFormat.h"

#include <QCoreApplication>

#include <memory>

namespace tallyra {

Committed addEntryCommand(RegisterDocument &document, const EntryFields &fields, Prompter &prompter,
                          QWidget *parent)
{
    if (!validateEntryFields(fields, prompter) || !confirmEntry(fields, AddingHeading, prompter))
        return {};
    const auto after = std::make_unique<Checkbook>(document.book());
    const std::optional<int> slot = placeEntry(*after, entryTexts(fields), selectedType(fields));
    if (!slot)
        return {};
    const QString entry = entryDescription(after->slot[*slot]);
    //: An undo step, shown as "Undo add 05/05/2001 GAS $5.00"
    const QString what = QCoreApplication::translate("AddEntry", "add %1").arg(entry);
    const QString done = QCoreApplication::translate("AddEntry", "Added %1").arg(entry);
    return commitChange(document, prompter, parent, *after, document.companion(), what, done);
}

} // namespace tallyra
