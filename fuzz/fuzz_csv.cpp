// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, read as a CSV statement by the guessed columns and by fixed ones: a table or a
// reason, never a crash, and what reads can be previewed and added.

#include "fuzz_statement_checks.h"
#include "statement/CsvStatement.h"

#include <cstdint>

using namespace tallyra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const CsvTable table = readCsvTable(QByteArrayView(data, qsizetype(size)));
    if (!table.error.isEmpty())
        return 0;
    fuzz::require(!table.rows.isEmpty() && table.columnCount() >= 2, "a table with no columns");
    const CsvMapping guess = guessCsvMapping(table);
    if (csvMappingProblem(guess, table.columnCount()).isEmpty())
        fuzz::checkStatement(readCsvStatement(table, guess));
    QString error;
    for (const char *roles : {"date,payee,amount", "check,date,withdrawal,deposit,payee"}) {
        if (const std::optional<CsvMapping> mapping =
                csvMappingFromRoles(QLatin1String(roles), table, &error))
            fuzz::checkStatement(readCsvStatement(table, *mapping));
    }
    // A remembered mapping may be anything a settings file holds.
    if (const std::optional<CsvMapping> remembered = csvMappingFromText(table.headerLine());
        remembered && csvMappingProblem(*remembered, table.columnCount()).isEmpty())
        fuzz::checkStatement(readCsvStatement(table, *remembered));
    return 0;
}
