// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ChangeBoxes.h"
#include "platform/Platform.h"

namespace tallyra {

// Opens the edit window on the entry in `slot`. What the window changed or removed becomes
// the register as one change, named for the entry as it was.
Committed editEntryCommand(RegisterDocument &document, int slot, Platform &platform,
                           QWidget *parent);

} // namespace tallyra
