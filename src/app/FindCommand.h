// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RegisterListView.h"
#include "platform/Prompter.h"
#include "register/Checkbook.h"

#include <QCoreApplication>
#include <QString>

namespace tallyra {

// Edit > Find and Find Next over the main window's list: asks for a text, then shows the next
// entry whose check number or payee contains it.
class FindCommand
{
    Q_DECLARE_TR_FUNCTIONS(FindCommand)

public:
    FindCommand(const Checkbook &book, RegisterListView &list, Prompter &prompter)
        : m_book(book), m_list(list), m_prompter(prompter)
    {
    }

    void find(QWidget *parent);
    // Looks for the text of the last Find again; asks for one when there is none yet.
    void findNext(QWidget *parent);

private:
    int searchStart() const;
    void findFrom(int afterSlot, QWidget *parent);

    const Checkbook &m_book;
    RegisterListView &m_list;
    Prompter &m_prompter;
    // What Find looked for last, for Find Next.
    QString m_text;
};

} // namespace tallyra
