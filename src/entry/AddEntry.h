// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ChangeBoxes.h"
#include "entry/EntryFields.h"

namespace tallyra {

// Add: the fields checked and confirmed, then the entry placed in date order and saved as one
// change. The register stays as it was when a check or the question stops it.
Committed addEntryCommand(RegisterDocument &document, const EntryFields &fields, Prompter &prompter,
                          QWidget *parent);

} // namespace tallyra
