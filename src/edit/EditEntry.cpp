// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/EditEntry.h"

#include "entry/MoneyFormat.h"

#include <algorithm>
#include <memory>

namespace tallyra {

namespace {

void showAmount(EntryShown &shown, qint32 cents, EntryType type)
{
    shown.texts.dollars = dollarsFieldText(cents);
    shown.texts.cents = centsFieldText(cents);
    shown.type = type;
}

} // namespace

EntryShown entryShown(const Entry &entry)
{
    EntryShown shown{EntryTexts{QString::number(entry.year), QString::number(entry.month),
                                QString::number(entry.day), entry.checkNumber, entry.payee,
                                QString(), QString()}};
    if (entry.depositCents > 0)
        showAmount(shown, entry.depositCents, EntryType::Deposit);
    else if (entry.withdrawalCents > 0)
        showAmount(shown, entry.withdrawalCents, EntryType::Withdrawal);
    else if (entry.depositCents == 0 && entry.withdrawalCents == 0)
        showAmount(shown, 0, EntryType::Deposit);
    return shown;
}

bool removeEntryAt(Checkbook &book, int slot)
{
    if (slot < 1 || slot > book.entryCount)
        return false;
    const auto end = book.slot.begin() + book.entryCount + 1;
    std::move(book.slot.begin() + slot + 1, end, book.slot.begin() + slot);
    book.slot[book.entryCount] = Entry{};
    --book.entryCount;
    return true;
}

std::optional<int> changeEntryAt(Checkbook &book, int slot, const EntryTexts &texts, EntryType type)
{
    // Worked on a copy, so that a refused placement leaves the removed entry where it was.
    auto changed = std::make_unique<Checkbook>(book);
    if (!removeEntryAt(*changed, slot))
        return std::nullopt;
    const std::optional<int> placed = placeEntry(*changed, texts, type);
    if (!placed)
        return std::nullopt;
    // What the bank has shown of the entry stays with it.
    changed->slot[*placed].clearing = book.slot[slot].clearing;
    changed->slot[*placed].reconciledOn = book.slot[slot].reconciledOn;
    book = std::move(*changed);
    return placed;
}

} // namespace tallyra
