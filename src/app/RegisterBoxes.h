// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "register/RegisterDocument.h"

class QWidget;

namespace tallyra {

// Another copy of the program holding the register may write it at any moment, so this one
// may only read it, or end: true to open it read-only.
bool askOpenReadOnly(Prompter &prompter, QWidget *parent, const QString &path,
                     const LockHolder &holder);

// The data file is missing or cannot be read: offers a new, empty register. An unreadable
// file is kept under a name of its own first, so that nothing is lost. False when the program
// is to end instead.
bool startNewAfterFailedLoad(RegisterDocument &document, Platform &platform, QWidget *parent,
                             bool fileExists);

// File > New Record's question: true when the user wants the register deleted.
bool askDeleteRegister(Prompter &prompter, QWidget *parent);
// Add with the register at its limit.
void tellRegisterFull(Prompter &prompter, QWidget *parent);
// An empty line of the list was pressed.
void tellNothingToEdit(Prompter &prompter, QWidget *parent);

} // namespace tallyra
