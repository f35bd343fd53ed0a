// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, read as a data file both ways the program reads one: either a register or a read
// failure. A failure leaves the register as it was; a read touches no slot past those it
// covers; and what reads is saved and read again to the same register and the same bytes.

#include "register/DataFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace tallyra;

namespace {

// Something in every slot, so that a slot the reader should have left alone shows any change.
const Checkbook &markedBook()
{
    static const auto book = [] {
        auto marked = std::make_unique<Checkbook>();
        marked->entryCount = 7;
        for (int slot = 1; slot <= MaxEntries; ++slot)
            marked->slot[slot] = Entry{1999, 12, 31, "MARK", QString::number(slot), slot, -slot};
        return marked;
    }();
    return *book;
}

void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

bool sameSlots(const Checkbook &a, const Checkbook &b, int first, int last)
{
    for (int slot = first; slot <= last; ++slot) {
        if (a.slot[slot] != b.slot[slot])
            return false;
    }
    return true;
}

void check(QByteArrayView bytes, ReadExtent extent)
{
    const Checkbook &marked = markedBook();
    auto book = std::make_unique<Checkbook>(marked);
    if (readDataFile(bytes, *book, extent)) {
        require(book->entryCount == marked.entryCount && sameSlots(*book, marked, 1, MaxEntries),
                "a failed read changed the register");
        return;
    }
    require(book->entryCount >= 0 && book->entryCount <= MaxEntries, "count out of range");
    const int read = extent == ReadExtent::AllSlots ? MaxEntries : book->entryCount;
    require(sameSlots(*book, marked, read + 1, MaxEntries),
            "a read touched slots it does not cover");

    const QByteArray saved = formatDataFile(*book);
    auto again = std::make_unique<Checkbook>(marked);
    require(!readDataFile(saved, *again, extent), "a saved register does not read back");
    require(again->entryCount == book->entryCount, "the count changed on the way round");
    require(sameSlots(*again, *book, 1, read), "an entry changed on the way round");
    require(formatDataFile(*again) == saved, "saving again gave other bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    check(bytes, ReadExtent::CountedEntries);
    check(bytes, ReadExtent::AllSlots);
    return 0;
}
