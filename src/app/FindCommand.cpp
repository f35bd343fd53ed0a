// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FindCommand.h"

#include "register/FindEntry.h"

namespace tallyra {

// The search starts after the line the user is on, or, from anywhere else, at the top of
// what the list shows: both are in sight, where a slot remembered from an earlier search
// would not be once the user has scrolled or edited.
int FindCommand::searchStart() const
{
    return m_list.focusedSlot().value_or(m_list.firstShown() - 1);
}

void FindCommand::find(QWidget *parent)
{
    const int after = searchStart();
    const QString text =
        m_prompter.askText(parent, tr("Find"), tr("Find the check number or payee containing:"))
            .value_or(QString());
    if (text.isEmpty())
        return;
    m_text = text;
    findFrom(after, parent);
}

void FindCommand::findNext(QWidget *parent)
{
    if (m_text.isEmpty())
        find(parent);
    else
        findFrom(searchStart(), parent);
}

void FindCommand::findFrom(int afterSlot, QWidget *parent)
{
    const std::optional<int> found = findNextEntry(m_book, m_text, afterSlot);
    if (!found) {
        m_prompter.message(parent, QMessageBox::Information, tr("Find"),
                           tr("\"%1\" was not found.").arg(m_text));
        return;
    }
    m_list.showSlot(*found);
}

} // namespace tallyra
