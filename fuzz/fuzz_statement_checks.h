// SPDX-License-Identifier: GPL-3.0-or-later
// What every statement read from any bytes must hold, whatever the reader.
#pragma once

#include "entry/EntryChecks.h"
#include "statement/StatementPreview.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace tallyra::fuzz {

inline void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// A read statement: every transaction has its date or says why not; what the preview calls
// new passes the entry checks; adding everything that fits gives a register in date order.
inline void checkStatement(const StatementRead &read)
{
    if (read.status != StatementRead::Status::Read) {
        require(read.status == StatementRead::Status::NeedsDateOrder || !read.error.isEmpty(),
                "a refused statement without a reason");
        return;
    }
    for (const StatementTransaction &t : read.statement.transactions)
        require(t.date.isValid() || !t.problem.isEmpty(), "a transaction without a date");

    auto book = std::make_unique<Checkbook>();
    book->slot[1] = {2026, 1, 5, "ATM", "CASH", 4000, 0};
    book->slot[2] = {2026, 1, 6, "1042", "WATER", 3150, 0};
    book->entryCount = 2;
    const QList<PreviewRow> rows = previewStatement(*book, read.statement);
    require(rows.size() == read.statement.transactions.size(), "a row per transaction");
    for (const PreviewRow &row : rows) {
        if (row.disposition != Disposition::New)
            continue;
        const std::optional<FailedCheck> failed = firstFailedCheck(row.texts, MainYearMessage);
        require(!failed || failed->zeroAmountQuestion, "a new row the entry checks refuse");
    }
    const ImportPlan plan = planImport(*book, rows, QList<bool>(rows.size(), true));
    if (!plan.after)
        return;
    for (int slot = 2; slot <= plan.after->entryCount; ++slot)
        require(dateKey(plan.after->slot[slot - 1]) <= dateKey(plan.after->slot[slot]),
                "the register out of date order");
}

} // namespace tallyra::fuzz
