// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/CsvStatement.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>

namespace tallyra {

namespace {

// More columns than any bank writes; a file with more is no statement.
constexpr qsizetype MaxColumns = 64;

QChar separatorOf(QStringView text)
{
    std::array<qsizetype, 3> counts{};
    constexpr std::array<char16_t, 3> candidates{u',', u';', u'\t'};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        for (size_t i = 0; i < candidates.size(); ++i)
            counts[i] += !quoted && c == candidates[i];
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most == 0 ? u',' : candidates[size_t(most - counts.begin())];
}

bool blankRow(const QStringList &row)
{
    return std::all_of(row.begin(), row.end(),
                       [](const QString &cell) { return cell.trimmed().isEmpty(); });
}

QString cellOf(const QStringList &row, int column)
{
    return column >= 0 && column < row.size() ? row[column].trimmed() : QString();
}

bool readsAsDate(const QString &text)
{
    const StatementDates read = readStatementDates({text}, DateOrder::MonthFirst);
    return read.dates.first().isValid() ||
           readStatementDates({text}, DateOrder::DayFirst).dates.first().isValid();
}

int columnNamed(const QStringList &heading, std::initializer_list<const char *> words,
                std::initializer_list<const char *> unless = {})
{
    for (int i = 0; i < heading.size(); ++i) {
        const QString name = heading[i].trimmed().toLower();
        const auto has = [&name](const char *word) { return name.contains(QLatin1String(word)); };
        if (std::any_of(words.begin(), words.end(), has) &&
            std::none_of(unless.begin(), unless.end(), has))
            return i;
    }
    return -1;
}

struct Role
{
    const char *name;
    int CsvMapping::*column;
};

constexpr std::array<Role, 6> Roles{{{"date", &CsvMapping::date},
                                     {"payee", &CsvMapping::payee},
                                     {"amount", &CsvMapping::amount},
                                     {"withdrawal", &CsvMapping::withdrawal},
                                     {"deposit", &CsvMapping::deposit},
                                     {"check", &CsvMapping::checkNumber}}};

QStringList amountCells(const CsvTable &table, const CsvMapping &mapping)
{
    QStringList cells;
    for (qsizetype r = mapping.headerRow ? 1 : 0; r < table.rows.size(); ++r) {
        for (int column : {mapping.amount, mapping.withdrawal, mapping.deposit})
            cells << cellOf(table.rows[r], column);
    }
    return cells;
}

bool firstRowIsHeading(const CsvTable &table, int dateColumn)
{
    if (table.rows.isEmpty())
        return false;
    const QStringList &first = table.rows.first();
    if (dateColumn >= 0)
        return !readsAsDate(cellOf(first, dateColumn));
    return std::none_of(first.begin(), first.end(), readsAsDate);
}

} // namespace

qsizetype CsvTable::columnCount() const
{
    qsizetype most = 0;
    for (const QStringList &row : rows)
        most = std::max(most, row.size());
    return most;
}

QString CsvTable::headerLine() const
{
    return rows.isEmpty() ? QString() : rows.first().join(separator);
}

CsvTable readCsvTable(QByteArrayView bytes)
{
    const QString text = decodeStatementText(bytes);
    CsvTable table;
    table.separator = separatorOf(text);
    QStringList row;
    QString cell;
    bool quoted = false;
    bool cellStart = true;
    const auto endCell = [&] {
        row.append(cell);
        cell.clear();
        cellStart = true;
    };
    const auto endRow = [&] {
        endCell();
        if (!blankRow(row))
            table.rows.append(row);
        row.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                cell += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                cell += text[++i];
            else
                quoted = false;
        } else if (c == u'"' && cellStart) {
            quoted = true;
            cellStart = false;
        } else if (c == table.separator) {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else {
            cell += c;
            cellStart = false;
        }
        if (row.size() > MaxColumns) {
            table.error =
                QCoreApplication::translate("CsvStatement", "a row has more than %1 columns")
                    .arg(MaxColumns);
            return table;
        }
    }
    if (quoted) {
        table.error = QCoreApplication::translate(
            "CsvStatement", "a quoted cell is never closed, so the file may have been cut "
                            "short");
        return table;
    }
    if (!cell.isEmpty() || !row.isEmpty())
        endRow();
    if (table.rows.isEmpty())
        table.error = QCoreApplication::translate("CsvStatement", "it holds no rows");
    else if (table.columnCount() < 2)
        table.error = QCoreApplication::translate("CsvStatement", "its rows have only one column");
    return table;
}

CsvMapping guessCsvMapping(const CsvTable &table)
{
    CsvMapping mapping;
    const QStringList heading = table.rows.isEmpty() ? QStringList() : table.rows.first();
    mapping.date = columnNamed(heading, {"date", "posted", "booked"});
    mapping.headerRow = firstRowIsHeading(table, mapping.date);
    if (mapping.headerRow) {
        mapping.payee = columnNamed(
            heading, {"payee", "description", "name", "merchant", "details", "narrative", "text"});
        mapping.withdrawal =
            columnNamed(heading, {"withdrawal", "debit", "paid out", "money out", "outflow"});
        mapping.deposit =
            columnNamed(heading, {"deposit", "credit", "paid in", "money in", "inflow"});
        if (mapping.withdrawal < 0 || mapping.deposit < 0) {
            mapping.withdrawal = mapping.deposit = -1;
            mapping.amount = columnNamed(heading, {"amount", "value", "sum"}, {"balance"});
        }
        mapping.checkNumber =
            columnNamed(heading, {"check", "cheque", "chk", "num"}, {"date", "balance"});
    } else {
        for (int i = 0; i < heading.size() && mapping.date < 0; ++i) {
            if (readsAsDate(heading[i]))
                mapping.date = i;
        }
    }
    mapping.decimal = csvDecimalMark(table, mapping);
    return mapping;
}

DecimalMark csvDecimalMark(const CsvTable &table, const CsvMapping &mapping)
{
    return decimalMarkOf(amountCells(table, mapping));
}

QString csvMappingProblem(const CsvMapping &mapping, qsizetype columnCount)
{
    QList<int> used;
    for (const Role &role : Roles) {
        const int column = mapping.*role.column;
        if (column < 0)
            continue;
        if (column >= columnCount)
            return QCoreApplication::translate("CsvStatement", "The file has only %1 columns.")
                .arg(columnCount);
        if (used.contains(column))
            return QCoreApplication::translate(
                       "CsvStatement", "Column %1 is chosen twice: each column can hold only one "
                                       "thing.")
                .arg(column + 1);
        used << column;
    }
    if (mapping.date < 0)
        return QCoreApplication::translate("CsvStatement",
                                           "Choose the column that holds the date.");
    const bool pair = mapping.withdrawal >= 0 && mapping.deposit >= 0;
    if ((mapping.amount >= 0) == pair)
        return QCoreApplication::translate(
            "CsvStatement", "Choose either the amount column or both the withdrawal and the "
                            "deposit columns.");
    return QString();
}

QString csvMappingText(const CsvMapping &mapping)
{
    QStringList parts;
    for (const Role &role : Roles)
        parts << QStringLiteral("%1=%2").arg(QLatin1String(role.name)).arg(mapping.*role.column);
    const char *order = mapping.order == DateOrder::MonthFirst ? "mdy"
                        : mapping.order == DateOrder::DayFirst ? "dmy"
                                                               : "auto";
    parts << QStringLiteral("order=%1").arg(QLatin1String(order));
    parts << QStringLiteral("decimal=%1")
                 .arg(mapping.decimal == DecimalMark::Comma ? QStringLiteral("comma")
                                                            : QStringLiteral("point"));
    parts << QStringLiteral("header=%1").arg(mapping.headerRow ? 1 : 0);
    return parts.join(u';');
}

std::optional<CsvMapping> csvMappingFromText(const QString &text)
{
    QHash<QString, QString> values;
    for (const QString &part : text.split(u';', Qt::SkipEmptyParts))
        values.insert(part.section(u'=', 0, 0), part.section(u'=', 1));
    CsvMapping mapping;
    for (const Role &role : Roles) {
        bool ok = false;
        const int column = values.value(QLatin1String(role.name)).toInt(&ok);
        if (!ok || column < -1 || column >= MaxColumns)
            return std::nullopt;
        mapping.*role.column = column;
    }
    const QString order = values.value(QStringLiteral("order"));
    mapping.order = order == u"mdy"   ? DateOrder::MonthFirst
                    : order == u"dmy" ? DateOrder::DayFirst
                                      : DateOrder::Undecided;
    mapping.decimal = values.value(QStringLiteral("decimal")) == u"comma" ? DecimalMark::Comma
                                                                          : DecimalMark::Point;
    mapping.headerRow = values.value(QStringLiteral("header")) != u"0";
    return mapping;
}

std::optional<CsvMapping> csvMappingFromRoles(const QString &roles, const CsvTable &table,
                                              QString *error)
{
    CsvMapping mapping;
    const QStringList names = roles.split(u',');
    for (int column = 0; column < names.size(); ++column) {
        const QString name = names[column].trimmed().toLower();
        if (name.isEmpty() || name == u"skip")
            continue;
        const auto role = std::find_if(Roles.begin(), Roles.end(), [&name](const Role &r) {
            return name == QLatin1String(r.name);
        });
        if (role == Roles.end()) {
            *error =
                QCoreApplication::translate(
                    "CsvStatement", "unknown column '%1' in --csv-columns (use date, payee, "
                                    "amount, withdrawal, deposit, check, or nothing to skip one)")
                    .arg(name);
            return std::nullopt;
        }
        if (mapping.*role->column >= 0) {
            *error =
                QCoreApplication::translate("CsvStatement", "'%1' is given twice in --csv-columns")
                    .arg(name);
            return std::nullopt;
        }
        mapping.*role->column = column;
    }
    mapping.headerRow = firstRowIsHeading(table, mapping.date);
    mapping.decimal = csvDecimalMark(table, mapping);
    const QString problem = csvMappingProblem(mapping, std::max(table.columnCount(), names.size()));
    if (!problem.isEmpty()) {
        *error = QStringLiteral("--csv-columns: ") + problem;
        return std::nullopt;
    }
    return mapping;
}

QString csvRolesText(const CsvMapping &mapping, qsizetype columnCount)
{
    QStringList names(columnCount);
    for (const Role &role : Roles) {
        const int column = mapping.*role.column;
        if (column >= 0 && column < columnCount)
            names[column] = QLatin1String(role.name);
    }
    while (!names.isEmpty() && names.last().isEmpty())
        names.removeLast();
    return names.join(u',');
}

StatementRead readCsvStatement(const CsvTable &table, const CsvMapping &mapping)
{
    const qsizetype first = mapping.headerRow ? 1 : 0;
    QStringList dates;
    for (qsizetype r = first; r < table.rows.size(); ++r)
        dates << cellOf(table.rows[r], mapping.date);
    const StatementDates read = readStatementDates(dates, mapping.order);
    StatementRead result;
    if (read.needsOrder) {
        result.status = StatementRead::Status::NeedsDateOrder;
        result.ambiguousDate = read.ambiguous;
        return result;
    }
    result.statement.format = QStringLiteral("CSV");
    const auto amountOf = [&mapping](const QString &text, ProblemText &problem) -> qint64 {
        if (text.isEmpty())
            return 0;
        const std::optional<qint64> cents = parseAmount(text, mapping.decimal);
        if (!cents && problem.isEmpty())
            problem = unreadableAmount(text);
        return cents.value_or(0);
    };
    for (qsizetype r = first; r < table.rows.size(); ++r) {
        const QStringList &row = table.rows[r];
        StatementTransaction t;
        t.date = read.dates[r - first];
        t.problem = read.problems[r - first];
        if (dates[r - first].isEmpty())
            t.problem = problemText(QT_TRANSLATE_NOOP("StatementProblem", "it has no date"));
        if (mapping.amount >= 0) {
            const QString amount = cellOf(row, mapping.amount);
            if (amount.isEmpty() && t.problem.isEmpty())
                t.problem = problemText(QT_TRANSLATE_NOOP("StatementProblem", "it has no amount"));
            t.amountCents = amountOf(amount, t.problem);
        } else {
            const qint64 out = amountOf(cellOf(row, mapping.withdrawal), t.problem);
            t.amountCents = amountOf(cellOf(row, mapping.deposit), t.problem) - qAbs(out);
        }
        t.checkNumber = cellOf(row, mapping.checkNumber);
        t.payee = cellOf(row, mapping.payee);
        result.statement.transactions.append(t);
    }
    fillPeriod(result.statement);
    return result;
}

} // namespace tallyra
