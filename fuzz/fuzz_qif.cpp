// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, read as a QIF statement in each date order: a statement or a reason, never a
// crash, and what reads can be previewed and added.

#include "fuzz_statement_checks.h"
#include "statement/QifStatement.h"

#include <cstdint>

using namespace tallyra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    for (DateOrder order : {DateOrder::Undecided, DateOrder::MonthFirst, DateOrder::DayFirst})
        fuzz::checkStatement(readQifStatement(bytes, order));
    return 0;
}
