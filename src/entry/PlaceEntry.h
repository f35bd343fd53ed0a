// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryChecks.h"
#include "register/Checkbook.h"

#include <optional>

namespace tallyra {

// Which of a window's three type options is selected. The edit window can show none, for an
// entry whose stored amount is below zero.
enum class EntryType { Withdrawal, Deposit, Neither, NoneSelected };

// Adds the entry that checked field texts describe to the register at its place in date
// order: a deposit before the entries of its date, anything else after them. Texts are stored
// in capitals; the date is rounded down for the first entry of a register and to the nearest
// whole number (a half to even) otherwise. Returns the slot it went to, or nothing, with the
// register unchanged, when the register is full, no type is selected (the amount would be
// unknown) or a value does not fit an entry.
std::optional<int> placeEntry(Checkbook &book, const EntryTexts &texts, EntryType type);

} // namespace tallyra
