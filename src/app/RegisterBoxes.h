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

} // namespace tallyra
