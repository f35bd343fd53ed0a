// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/FindEntry.h"

#include <algorithm>

namespace tallyra {

std::optional<int> findNextEntry(const Checkbook &book, const QString &text, int afterSlot)
{
    const int count = book.entryCount;
    if (text.isEmpty() || count <= 0)
        return std::nullopt;
    const int start = std::clamp(afterSlot, 0, count);
    for (int step = 1; step <= count; ++step) {
        const int slot = (start + step - 1) % count + 1;
        const Entry &entry = book.slot[slot];
        if (entry.checkNumber.contains(text, Qt::CaseInsensitive) ||
            entry.payee.contains(text, Qt::CaseInsensitive))
            return slot;
    }
    return std::nullopt;
}

ListPlace listPlaceFor(int slot, int entryCount, int firstShown, int lines)
{
    const int lastTop = std::max(1, entryCount - (lines - 1));
    const int top = std::clamp(firstShown, 1, lastTop);
    if (slot >= top && slot < top + lines)
        return {top, slot - top};
    const int newTop = std::clamp(slot, 1, lastTop);
    return {newTop, slot - newTop};
}

} // namespace tallyra
