// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/StatementPreview.h"

#include "entry/MoneyFormat.h"
#include "register/TextCodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>

namespace tallyra {

namespace {

// Matching allows this many days between the statement's date and the register's.
constexpr qint64 MatchDays = 4;

std::optional<qint64> dayNumber(const Entry &entry)
{
    // The entry checks let a register hold 2-31; it counts as the days after 2-1.
    if (entry.month < 1 || entry.month > 12 || entry.day < 1 || entry.day > 31 || entry.year < 1)
        return std::nullopt;
    return QDate(entry.year, entry.month, 1).toJulianDay() + entry.day - 1;
}

// A check number is a number: 001042 is check 1042. ATM, DEP and the like are no check.
QString checkNumberKey(const QString &text)
{
    const QString trimmed = text.trimmed();
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (trimmed.isEmpty() || trimmed.size() > 18 ||
        !std::all_of(trimmed.begin(), trimmed.end(), digit))
        return QString();
    qsizetype first = 0;
    while (first + 1 < trimmed.size() && trimmed[first] == u'0')
        ++first;
    return trimmed.mid(first);
}

} // namespace

QList<int> matchStatement(const Checkbook &book, const Statement &statement)
{
    const QList<StatementTransaction> &transactions = statement.transactions;
    QList<int> matched(transactions.size(), 0);
    QList<bool> taken(book.entryCount + 1, false);
    QHash<qint64, QList<int>> slotsByAmount;
    for (int slot = 1; slot <= book.entryCount; ++slot)
        slotsByAmount[netCents(book.slot[slot])].append(slot);

    QList<QString> checkKeys(transactions.size());
    for (qsizetype i = 0; i < transactions.size(); ++i) {
        const StatementTransaction &t = transactions[i];
        if (!t.problem.isEmpty())
            continue;
        checkKeys[i] = checkNumberKey(t.checkNumber);
        if (checkKeys[i].isEmpty())
            continue;
        for (int slot : slotsByAmount.value(t.amountCents)) {
            if (!taken[slot] && checkNumberKey(book.slot[slot].checkNumber) == checkKeys[i]) {
                taken[slot] = true;
                matched[i] = slot;
                break;
            }
        }
    }

    // The nearest pairs first, so that a withdrawal on the 3rd takes the register's entry of
    // the 3rd and leaves the one of the 6th for the statement's withdrawal of the 6th.
    std::vector<std::tuple<qint64, qsizetype, int>> pairs;
    for (qsizetype i = 0; i < transactions.size(); ++i) {
        const StatementTransaction &t = transactions[i];
        if (matched[i] || !t.problem.isEmpty())
            continue;
        const qint64 day = t.date.toJulianDay();
        for (int slot : slotsByAmount.value(t.amountCents)) {
            const std::optional<qint64> entryDay = dayNumber(book.slot[slot]);
            if (taken[slot] || !entryDay || qAbs(*entryDay - day) > MatchDays)
                continue;
            const QString entryCheck = checkNumberKey(book.slot[slot].checkNumber);
            if (!checkKeys[i].isEmpty() && !entryCheck.isEmpty() && entryCheck != checkKeys[i])
                continue;
            pairs.emplace_back(qAbs(*entryDay - day), i, slot);
        }
    }
    std::sort(pairs.begin(), pairs.end());
    for (const auto &[distance, i, slot] : pairs) {
        if (matched[i] || taken[slot])
            continue;
        matched[i] = slot;
        taken[slot] = true;
    }
    return matched;
}

namespace {

QString kindWord(const StatementTransaction &t)
{
    if (t.type == u"XFER")
        return QStringLiteral("TXFR");
    if (t.amountCents > 0)
        return QStringLiteral("DEP");
    return QStringLiteral("ATM");
}

// The text in capitals with what the data file cannot hold replaced: a double quote by an
// apostrophe, a line break or tab by a blank, anything outside the code page by a question
// mark. `changed` collects each replacement once, for the user to see.
QString storable(const QString &text, QList<ProblemText> &changed)
{
    const QString capitals = toStoredCapitals(text);
    QString stored;
    stored.reserve(capitals.size());
    for (qsizetype i = 0; i < capitals.size(); ++i) {
        const QChar c = capitals[i];
        if (c == u'\t' || c == u'\r' || c == u'\n') {
            stored += u' ';
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < capitals.size() ? 2 : 1;
        const QString original = capitals.mid(i, length);
        if (firstUnstorableChar(original) < 0) {
            stored += c;
            continue;
        }
        const QChar replacement = c == u'"' ? u'\'' : u'?';
        const ProblemText note =
            problemText(QT_TRANSLATE_NOOP("StatementProblem", "%1 shown as %2"), original,
                        QString(replacement));
        if (std::none_of(changed.cbegin(), changed.cend(),
                         [&note](const ProblemText &seen) { return seen.english == note.english; }))
            changed << note;
        stored += replacement;
        i += length - 1;
    }
    return stored;
}

ProblemText refusal(const FailedCheck &failed, const PreviewRow &row)
{
    switch (failed.field) {
    case EntryField::Year:
        return problemText(
            QT_TRANSLATE_NOOP("StatementProblem", "the year %1 is not between 1900 and 9999"),
            QString::number(row.date.year()));
    case EntryField::Dollars:
        return problemText(
            QT_TRANSLATE_NOOP("StatementProblem", "the amount %1 is more than an entry can hold"),
            formatMoney(qAbs(row.amountCents)));
    case EntryField::CheckNumber:
        return problemText(
            QT_TRANSLATE_NOOP("StatementProblem", "the check number is longer than %1 characters"),
            QString::number(MaxTextLength));
    case EntryField::Payee:
        return problemText(
            QT_TRANSLATE_NOOP("StatementProblem", "the payee is longer than %1 characters"),
            QString::number(MaxTextLength));
    default:
        // The date's month and day and the amount's digits come from a date and a number
        // already read, so they pass.
        return {failed.text, failed.text};
    }
}

PreviewRow previewRow(const StatementTransaction &t)
{
    PreviewRow row;
    row.date = t.date;
    row.amountCents = t.amountCents;
    QList<ProblemText> changed;
    row.checkNumber = t.checkNumber.isEmpty() ? kindWord(t) : storable(t.checkNumber, changed);
    const QString name = !t.payee.isEmpty()  ? t.payee
                         : !t.memo.isEmpty() ? t.memo
                         : !t.type.isEmpty() ? t.type
                                             : kindWord(t);
    row.payee = storable(name, changed);
    for (const ProblemText &note : std::as_const(changed)) {
        const QString comma = row.changed.isEmpty() ? QString() : QStringLiteral(", ");
        row.changed.english += comma + note.english;
        row.changed.shown += comma + note.shown;
    }
    if (!t.problem.isEmpty()) {
        row.disposition = Disposition::CannotAdd;
        row.reason = t.problem;
        return row;
    }

    const quint64 magnitude =
        t.amountCents < 0 ? 0 - quint64(t.amountCents) : quint64(t.amountCents);
    row.texts = {QString::number(t.date.year()),
                 QString::number(t.date.month()),
                 QString::number(t.date.day()),
                 row.checkNumber,
                 row.payee,
                 QString::number(magnitude / 100),
                 QString::number(magnitude % 100)};
    row.type = t.amountCents > 0   ? EntryType::Deposit
               : t.amountCents < 0 ? EntryType::Withdrawal
                                   : EntryType::Neither;
    // The same checks as typing it in; a zero amount is a line that records no money, as
    // the user may type one too.
    const std::optional<FailedCheck> failed = firstFailedCheck(row.texts, MainYearMessage);
    if (failed && !failed->zeroAmountQuestion) {
        row.disposition = Disposition::CannotAdd;
        row.reason = refusal(*failed, row);
    }
    return row;
}

} // namespace

QList<PreviewRow> previewStatement(const Checkbook &book, const Statement &statement)
{
    const QList<int> matched = matchStatement(book, statement);
    QList<PreviewRow> rows;
    rows.reserve(statement.transactions.size());
    for (qsizetype i = 0; i < statement.transactions.size(); ++i) {
        PreviewRow row = previewRow(statement.transactions[i]);
        if (row.disposition == Disposition::New && matched[i]) {
            row.disposition = Disposition::AlreadyThere;
            row.matchedSlot = matched[i];
        }
        rows.append(row);
    }
    return rows;
}

QString dispositionText(const PreviewRow &row)
{
    QString text;
    switch (row.disposition) {
    case Disposition::New:
        text = QCoreApplication::translate("StatementPreview", "New");
        break;
    case Disposition::AlreadyThere:
        text = QCoreApplication::translate("StatementPreview", "Already in the register");
        break;
    case Disposition::CannotAdd:
        text = QCoreApplication::translate("StatementPreview", "Cannot be added: %1")
                   .arg(row.reason.shown);
        break;
    }
    // What would be stored differently matters only for what is about to be stored.
    if (row.disposition == Disposition::New && !row.changed.isEmpty())
        text += QStringLiteral(" (%1)").arg(row.changed.shown);
    return text;
}

ImportPlan planImport(const Checkbook &book, const QList<PreviewRow> &rows,
                      const QList<bool> &ticked)
{
    // Date order; within a date deposits last-first, since each one placed goes before the
    // entries of its date: so they end up in the statement's order, as the others do.
    std::vector<std::tuple<qint64, int, qsizetype>> order;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (i >= ticked.size() || !ticked[i] || rows[i].disposition != Disposition::New)
            continue;
        const bool deposit = rows[i].type == EntryType::Deposit;
        order.emplace_back(rows[i].date.toJulianDay(), deposit ? 0 : 1, deposit ? -i : i);
    }
    std::sort(order.begin(), order.end());

    ImportPlan plan;
    plan.ticked = int(order.size());
    plan.fits = std::max(0, MaxEntries - book.entryCount);
    if (plan.ticked > plan.fits)
        return plan;
    plan.after = std::make_unique<Checkbook>(book);
    // The found entries first, by the slots the rows name; the entries placed after them
    // move them down with their marks.
    for (const PreviewRow &row : rows) {
        if (row.disposition != Disposition::AlreadyThere)
            continue;
        Entry &found = plan.after->slot[row.matchedSlot];
        if (found.clearing == Clearing::NotCleared) {
            found.clearing = Clearing::Cleared;
            ++plan.marked;
        }
    }
    for (const auto &[day, kind, key] : order) {
        const PreviewRow &row = rows[key < 0 ? -key : key];
        if (const std::optional<int> slot = placeEntry(*plan.after, row.texts, row.type)) {
            plan.after->slot[*slot].clearing = Clearing::Cleared;
            ++plan.added;
            ++plan.marked;
        }
    }
    return plan;
}

Reconciliation reconcileImport(const Checkbook &after, const Companion &companion, qint32 endDate,
                               std::optional<qint64> endingBalance)
{
    return reconcile(after, companion, endDate, clearedTicks(after), endingBalance);
}

bool canFinishImport(const Reconciliation &figures, const Companion &companion, qint32 endDate)
{
    return figures.balanced() &&
           (companion.reconciled.isEmpty() || endDate > companion.reconciled.back().endDate);
}

void finishImport(Checkbook &after, Companion &companion, qint32 endDate, qint64 endingBalance)
{
    finishReconciliation(after, companion, endDate, endingBalance, clearedTicks(after));
}

QString importChangeName(int added, int marked, const QString &path)
{
    // A statement all of whose transactions were there already only marks them.
    if (added == 0 && marked > 0)
        return QCoreApplication::translate("StatementPreview", "mark %1 cleared from %2")
            .arg(marked)
            .arg(QFileInfo(path).fileName());
    const QString name = QCoreApplication::translate(
                             "StatementPreview", "import %n transaction(s) from %1", nullptr, added)
                             .arg(QFileInfo(path).fileName());
    if (marked == 0)
        return name;
    return QCoreApplication::translate("StatementPreview", "%1, mark %2 cleared")
        .arg(name)
        .arg(marked);
}

} // namespace tallyra
