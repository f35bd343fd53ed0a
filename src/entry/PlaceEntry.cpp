// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/PlaceEntry.h"

#include "entry/FieldValue.h"
#include "register/TextCodec.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tallyra {

namespace {

struct DateValues
{
    double year;
    double month;
    double day;
};

bool fitsDatePart(double value)
{
    return value >= std::numeric_limits<qint16>::min() &&
           value <= std::numeric_limits<qint16>::max();
}

// Both roundings of every value must fit, or neither the search nor the entry can use them.
bool fitsEntry(const DateValues &date)
{
    for (double value : {date.year, date.month, date.day}) {
        if (!fitsDatePart(std::floor(value)) || !fitsDatePart(std::nearbyint(value)))
            return false;
    }
    return true;
}

// The slot the new entry takes: before the first entry of its date or later for a deposit,
// after the last entry of its date or earlier for anything else.
int positionFor(const Checkbook &book, qint32 key, EntryType type)
{
    const auto first = book.slot.begin() + 1;
    const auto last = first + book.entryCount;
    if (type == EntryType::Deposit)
        return 1 +
               int(std::find_if(first, last, [key](const Entry &e) { return dateKey(e) >= key; }) -
                   first);
    const auto after =
        std::find_if(std::make_reverse_iterator(last), std::make_reverse_iterator(first),
                     [key](const Entry &e) { return dateKey(e) <= key; });
    return 1 + int(after.base() - first);
}

} // namespace

std::optional<int> placeEntry(Checkbook &book, const EntryTexts &texts, EntryType type)
{
    if (book.entryCount >= MaxEntries || type == EntryType::NoneSelected)
        return std::nullopt;
    const DateValues date{fieldValue(texts.year), fieldValue(texts.month), fieldValue(texts.day)};
    const std::optional<qint32> cents = storableCents(texts);
    if (!cents || !fitsEntry(date))
        return std::nullopt;

    const bool firstEntry = book.entryCount == 0;
    const qint32 key = dateKey(qint32(std::floor(date.year)), qint32(std::floor(date.month)),
                               qint32(std::floor(date.day)));
    const int position = positionFor(book, key, type);
    ++book.entryCount;
    std::move_backward(book.slot.begin() + position, book.slot.begin() + book.entryCount,
                       book.slot.begin() + book.entryCount + 1);

    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    const auto stored = [firstEntry](double value) {
        return qint16(firstEntry ? std::floor(value) : std::nearbyint(value));
    };
    Entry &entry = book.slot[position];
    entry.year = stored(date.year);
    entry.month = stored(date.month);
    entry.day = stored(date.day);
    entry.checkNumber = toStoredCapitals(texts.checkNumber);
    entry.payee = toStoredCapitals(texts.payee);
    entry.withdrawalCents = type == EntryType::Withdrawal ? *cents : 0;
    entry.depositCents = type == EntryType::Deposit ? *cents : 0;
    // The slot held the entry now moved up; its mark is not the new entry's.
    entry.clearing = Clearing::NotCleared;
    entry.reconciledOn = 0;
    return position;
}

} // namespace tallyra
