// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Prompter.h"
#include "register/RegisterDocument.h"

class QWidget;

namespace tallyra {

// Tells the user what became of a change that was not simply saved: a failed copy or save, a
// read-only register, another version taken instead. True when the change was saved.
bool reportChange(Prompter &prompter, QWidget *parent, const ChangeResult &result);

// What became of a change written as one step of the history: whether it was saved, and the
// words for the status bar, in order (another program's version taken instead, then the
// change done).
struct Committed
{
    bool saved = false;
    QStringList told;
};

// Every change a window makes of the register ends here: written at once as one step named
// `what`, with a box for whatever went wrong. `done` is the status bar's word once it is saved.
Committed commitChange(RegisterDocument &document, Prompter &prompter, QWidget *parent,
                       const Checkbook &after, const Companion &companionAfter, const QString &what,
                       const QString &done, const QString &keepSuffix = QString());

// From now on the document asks through these boxes which version stays when the data file
// has changed on disk since it was last read or written, until `parent` is destroyed.
void askAboutOutsideChanges(RegisterDocument &document, Prompter &prompter, QWidget *parent);

} // namespace tallyra
