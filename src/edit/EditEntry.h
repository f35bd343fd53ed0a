// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryChecks.h"
#include "entry/PlaceEntry.h"
#include "register/Checkbook.h"

#include <optional>

namespace tallyra {

// How the edit window's fields and options show one stored entry.
struct EntryShown
{
    EntryTexts texts;
    EntryType type = EntryType::NoneSelected;
};

// The date as plain numbers, the texts as stored, and the amount of the deposit, else of the
// withdrawal, as whole dollars and two-digit cents. An entry without an amount shows as a
// deposit of "0" and "00". An amount below zero, which only a hand-edited file can hold,
// shows empty amounts and no type at all.
EntryShown entryShown(const Entry &entry);

// Deletes the entry at a 1-based slot: the later entries move down one slot in their order
// and the slot freed at the end is cleared. False, with nothing changed, for a slot that
// holds no entry.
bool removeEntryAt(Checkbook &book, int slot);

// Replaces the entry at a slot by the one that checked field texts describe, placed afresh in
// date order. Returns the slot it went to, or nothing, with the register unchanged, when the
// texts cannot be placed: the old entry is never lost without the new one taking its place.
// The entry keeps its clearing.
std::optional<int> changeEntryAt(Checkbook &book, int slot, const EntryTexts &texts,
                                 EntryType type);

} // namespace tallyra
