// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace tallyra {

// A statement larger than this is refused unread: a year of a busy account is a few hundred
// kilobytes in any of the formats, and the register holds 1000 entries at most.
inline constexpr qint64 StatementSizeLimit = 10 * 1024 * 1024;

// How a statement writes a date whose first two numbers could each be the day or the month.
// Year-first dates (2026-01-05, 20260105) are always year, month, day.
enum class DateOrder { Undecided, MonthFirst, DayFirst };

// Why a transaction cannot be used, in both the forms it is needed in: English for the lines of
// `--import`, which programs read, and in the user's language for the import window.
struct ProblemText
{
    QString english;
    QString shown;
    bool isEmpty() const { return english.isEmpty(); }
};

// The problem `source` (marked QT_TRANSLATE_NOOP("StatementProblem", ...)) with its `%1`...
// filled in from `args`.
template <typename... Args> ProblemText problemText(const char *source, const Args &...args)
{
    const QString english = QString::fromUtf8(source);
    const QString shown = QCoreApplication::translate("StatementProblem", source);
    if constexpr (sizeof...(Args) == 0)
        return {english, shown};
    else
        return {english.arg(args...), shown.arg(args...)};
}

// One transaction as the bank's file gives it.
struct StatementTransaction
{
    QDate date;
    qint64 amountCents = 0; // money in above zero, money out below
    QString checkNumber;    // the statement's own, as written; empty when it has none
    QString payee;
    QString memo;
    QString type; // the statement's word for the kind of transaction (OFX's TRNTYPE)
    // Why the transaction cannot be read (a date or an amount that is no date or amount);
    // empty when it can.
    ProblemText problem;
};

struct Statement
{
    QString format; // "OFX", "QIF" or "CSV"
    QList<StatementTransaction> transactions;
    // The bank's ending balance (OFX's LEDGERBAL), when the file gives one.
    std::optional<qint64> endingBalanceCents;
    // The period the statement covers, when the file says; else the transactions' own span.
    QDate startDate;
    QDate endDate;
};

// What reading a statement file came to.
struct StatementRead
{
    enum class Status {
        Read,
        NotAStatement,  // `error` says why; nothing in it can be used
        NeedsDateOrder, // every date reads both ways: ask, then read again with the answer
    };
    Status status = Status::Read;
    Statement statement;
    QString error;
    QString ambiguousDate; // one of the dates that read both ways, for the question
};

// The period: the file's own when it gives one, else the first and last transaction dates.
void fillPeriod(Statement &statement);

} // namespace tallyra
