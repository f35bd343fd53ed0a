// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"

#include <QString>

#include <optional>

namespace tallyra {

// The first slot after `afterSlot` whose check number or payee contains `text`, ignoring
// case, going round from the last entry to the first once; `afterSlot` itself comes last, so
// a single match is found again. Slots are 1-based; 0 starts at the first entry. An empty
// text finds nothing.
std::optional<int> findNextEntry(const Checkbook &book, const QString &text, int afterSlot);

// Where the list shows a slot: its top line's slot and the line (0-based) that holds it.
struct ListPlace
{
    int firstShown = 1;
    int line = 0;
};

// The list's place to show `slot` of `entryCount` in a list of `lines` lines now showing
// from `firstShown`: the same page when the slot is on it already, so the list does not jump;
// otherwise the slot on the top line, or as near it as the end of the register allows.
ListPlace listPlaceFor(int slot, int entryCount, int firstShown, int lines);

} // namespace tallyra
