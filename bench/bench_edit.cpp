// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/EditEntry.h"
#include "entry/PlaceEntry.h"

#include <benchmark/benchmark.h>

using namespace tallyra;

namespace {

// A full register of 1000 withdrawals, one a day from 1 January 1999 on (day 31 in every
// month, as the checks allow), so a change of the first entry's date moves every other one.
Checkbook fullRegister()
{
    Checkbook book;
    book.entryCount = MaxEntries;
    for (int i = 1; i <= MaxEntries; ++i) {
        const int month = (i - 1) / 31;
        book.slot[i] = Entry{qint16(1999 + month / 12),
                             qint16(1 + month % 12),
                             qint16(1 + (i - 1) % 31),
                             QString::number(1000 + i),
                             QStringLiteral("PAYEE %1").arg(i % 40),
                             100 + i,
                             0};
    }
    return book;
}

// Accept on the first of 1000 entries, dated after them all: the removal and the placement
// each move 999 entries, on a copy of the register that then replaces it.
void changeFirstToLast(benchmark::State &state)
{
    const Checkbook before = fullRegister();
    const EntryTexts texts{"2010", "1", "1", "1001", "PAYEE 1", "1", "01"};
    Checkbook book;
    for (auto _ : state) {
        state.PauseTiming();
        book = before;
        state.ResumeTiming();
        if (changeEntryAt(book, 1, texts, EntryType::Withdrawal) != MaxEntries)
            state.SkipWithError("the entry did not move to the end");
    }
}
BENCHMARK(changeFirstToLast)->Unit(benchmark::kMicrosecond);

// Remove on the first of 1000 entries: 999 move down one slot.
void removeFirst(benchmark::State &state)
{
    const Checkbook before = fullRegister();
    Checkbook book;
    for (auto _ : state) {
        state.PauseTiming();
        book = before;
        state.ResumeTiming();
        if (!removeEntryAt(book, 1))
            state.SkipWithError("nothing removed");
    }
}
BENCHMARK(removeFirst)->Unit(benchmark::kMicrosecond);

} // namespace
