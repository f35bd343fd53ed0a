// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Prompter.h"
#include "register/RegisterDocument.h"

class QWidget;

namespace tallyra {

// Tells the user what became of a change that was not simply saved: a failed copy or save, a
// read-only register, another version taken instead. True when the change was saved.
bool reportChange(Prompter &prompter, QWidget *parent, const ChangeResult &result);

// From now on the document asks through these boxes which version stays when the data file
// has changed on disk since it was last read or written.
void askAboutOutsideChanges(RegisterDocument &document, Prompter &prompter, QWidget *parent);

} // namespace tallyra
