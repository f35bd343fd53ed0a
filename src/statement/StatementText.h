// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statement/Statement.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tallyra {

// A statement's text: UTF-8 (a byte-order mark is dropped) when the bytes are valid UTF-8,
// else Windows-1252, which every byte decodes in.
QString decodeStatementText(QByteArrayView bytes);

// Bytes that no text file holds: a NUL, or many control characters.
bool looksBinary(QByteArrayView bytes);

// The dates of one statement, read together: whether 03/04/2026 is March or April is decided
// by the other dates of the file (a 13/04 or a 04/13 settles it), or by `order` when given.
struct StatementDates
{
    QList<QDate> dates;          // null where the text is no date
    QList<ProblemText> problems; // why, where a date is null
    bool needsOrder = false;     // every day-or-month date reads both ways: nothing decided
    QString ambiguous;           // one such date, as written
};

// Reads 1/5/26, 1/5'26, 01/05/2026, 1-5-2026, 05.01.2026, and year first 2026-01-05,
// 2026/01/05, 2026'01'05, 20260105, each perhaps followed by a time. A two-digit year is 2000 to
// 2069 or 1970 to 1999; after an apostrophe it is always 2000 on.
StatementDates readStatementDates(const QStringList &texts, DateOrder order);

enum class DecimalMark { Point, Comma };

// The decimal mark that the amounts of one file use: a comma when one is followed by one or
// two digits at the end of an amount and no point is, else a point.
DecimalMark decimalMarkOf(const QStringList &amounts);

// An amount in cents: an optional sign (leading or trailing minus, or parentheses), currency
// signs and blanks ignored, thousands grouped by the other mark, a blank or an apostrophe,
// at most two decimals (more only when they are zeros). Nothing when it is no amount.
std::optional<qint64> parseAmount(QStringView text, DecimalMark mark);

// The reason a transaction with this amount text is refused.
ProblemText unreadableAmount(const QString &text);

} // namespace tallyra
