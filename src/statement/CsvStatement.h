// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statement/Statement.h"
#include "statement/StatementText.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tallyra {

// A CSV file's cells. The separator is the comma, semicolon or tab that the first line uses
// most; quoted cells may hold separators, doubled quotes and line breaks.
struct CsvTable
{
    QChar separator = u',';
    QList<QStringList> rows;
    QString error; // why the file is no table; empty when it is one

    qsizetype columnCount() const;
    // The first row as one text: what a remembered mapping is found by.
    QString headerLine() const;
};

CsvTable readCsvTable(QByteArrayView bytes);

// Which column (0-based, -1 for none) holds what, and how the cells are written.
struct CsvMapping
{
    int date = -1;
    int payee = -1;
    int amount = -1; // money in above zero, money out below
    int withdrawal = -1;
    int deposit = -1;
    int checkNumber = -1;
    DateOrder order = DateOrder::Undecided; // Undecided: as the file's dates decide
    DecimalMark decimal = DecimalMark::Point;
    bool headerRow = true;

    friend bool operator==(const CsvMapping &, const CsvMapping &) = default;
};

// The decimal mark that the mapped amount cells use.
DecimalMark csvDecimalMark(const CsvTable &table, const CsvMapping &mapping);

// A first guess from the heading's words (Date; Payee, Description, Name; Amount;
// Withdrawal, Debit; Deposit, Credit; Check, Number), the decimal mark the amounts use, and
// whether the first row is a heading at all.
CsvMapping guessCsvMapping(const CsvTable &table);

// What is missing before the mapping can be used, in words for the user; empty when nothing.
QString csvMappingProblem(const CsvMapping &mapping, qsizetype columnCount);

// The mapping as a line of text for the settings, and back.
QString csvMappingText(const CsvMapping &mapping);
std::optional<CsvMapping> csvMappingFromText(const QString &text);

// The command line's form: the role of each column in order, e.g. "date,check,payee,
// withdrawal,deposit," (an empty role or "skip" for a column to leave alone). The decimal
// mark and the heading row are taken from the file. Nothing, with `error` set, when a role is
// unknown, given twice or missing.
std::optional<CsvMapping> csvMappingFromRoles(const QString &roles, const CsvTable &table,
                                              QString *error);
// The roles form of a mapping, for a hint on the command line.
QString csvRolesText(const CsvMapping &mapping, qsizetype columnCount);

StatementRead readCsvStatement(const CsvTable &table, const CsvMapping &mapping);

} // namespace tallyra
