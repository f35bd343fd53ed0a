// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/Companion.h"

#include "register/DateText.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDate>
#include <QHash>

#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace tallyra {

namespace {

constexpr int FormatVersion = 1;
constexpr QByteArrayView VersionWord = "tallyra-state";

// A text as one field: UTF-8, with the backslash and the line and field breaks escaped.
void appendEscaped(QByteArray &out, const QString &text)
{
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
}

QByteArray escaped(const QString &text)
{
    QByteArray out;
    appendEscaped(out, text);
    return out;
}

// The text `appendEscaped` wrote; nothing for a lone backslash or an escape it never writes.
std::optional<QString> unescaped(QByteArrayView field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

QByteArray dateField(qint32 key)
{
    return isoDate(dateOfKey(key)).toLatin1();
}

// How a mark names its entry: every field of it, as the register holds it.
QByteArray entryKey(const Entry &entry)
{
    QByteArray key;
    key.reserve(48 + 3 * (entry.checkNumber.size() + entry.payee.size()));
    appendIsoDate(key, entry.year, entry.month, entry.day);
    key += '\t';
    key += QByteArray::number(entry.withdrawalCents);
    key += '\t';
    key += QByteArray::number(entry.depositCents);
    key += '\t';
    appendEscaped(key, entry.checkNumber);
    key += '\t';
    appendEscaped(key, entry.payee);
    return key;
}

std::optional<qint32> readDate(const QByteArray &field)
{
    const QDate date = QDate::fromString(QString::fromLatin1(field), Qt::ISODate);
    if (!date.isValid() || field.size() != 10)
        return std::nullopt;
    return dateKey(date.year(), date.month(), date.day());
}

std::optional<StatementBalance> readStatement(const QList<QByteArray> &fields)
{
    if (fields.size() != 3)
        return std::nullopt;
    const std::optional<qint32> end = readDate(fields[1]);
    bool ok = false;
    const qint64 cents = fields[2].toLongLong(&ok);
    if (!end || !ok)
        return std::nullopt;
    return StatementBalance{*end, cents};
}

// The words a schedule line uses, in the order of their enumerations.
constexpr std::array<QByteArrayView, 6> FrequencyWords = {
    "weekly", "every-2-weeks", "twice-a-month", "monthly", "monthly-last-day", "yearly"};
constexpr std::array<QByteArrayView, 3> WeekendWords = {"keep", "friday-before", "monday-after"};

template <std::size_t N>
std::optional<int> wordIndex(const std::array<QByteArrayView, N> &words, QByteArrayView word)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == word)
            return int(i);
    }
    return std::nullopt;
}

QByteArray isoField(QDate date)
{
    return date.isValid() ? isoDate(date).toLatin1() : QByteArray();
}

// schedule, next date, end date or nothing, times left or nothing, how often, day, second
// day, every N months, weekend rule, ask or auto, cents, deposit or withdrawal, check
// number, payee.
QByteArray scheduleLine(const RecurringEntry &entry, const QByteArray &word = "schedule")
{
    const DateRule &rule = entry.rule;
    const QList<QByteArray> fields{word,
                                   isoField(entry.next),
                                   isoField(entry.end),
                                   entry.remaining < 0 ? QByteArray()
                                                       : QByteArray::number(entry.remaining),
                                   FrequencyWords[std::size_t(rule.frequency)].toByteArray(),
                                   QByteArray::number(rule.day),
                                   QByteArray::number(rule.secondDay),
                                   QByteArray::number(rule.months),
                                   WeekendWords[std::size_t(rule.weekend)].toByteArray(),
                                   entry.askFirst ? "ask" : "auto",
                                   QByteArray::number(entry.cents),
                                   entry.deposit ? "deposit" : "withdrawal",
                                   escaped(entry.checkNumber),
                                   escaped(entry.payee)};
    return fields.join('\t') + '\n';
}

std::optional<RecurringEntry> readSchedule(const QList<QByteArray> &fields)
{
    if (fields.size() != 14)
        return std::nullopt;
    RecurringEntry entry;
    const auto date = [](const QByteArray &field, bool optional) -> std::optional<QDate> {
        if (optional && field.isEmpty())
            return QDate();
        const std::optional<qint32> key = readDate(field);
        return key ? std::optional<QDate>(dateOfKey(*key)) : std::nullopt;
    };
    const auto number = [](const QByteArray &field, int low, int high) -> std::optional<int> {
        bool ok = false;
        const int value = field.toInt(&ok);
        return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
    };
    const std::optional<QDate> next = date(fields[1], false);
    const std::optional<QDate> end = date(fields[2], true);
    const std::optional<int> remaining =
        fields[3].isEmpty() ? std::optional<int>(-1) : number(fields[3], 0, 1000000);
    const std::optional<int> frequency = wordIndex(FrequencyWords, fields[4]);
    const std::optional<int> day = number(fields[5], 1, 31);
    const std::optional<int> secondDay = number(fields[6], 1, 31);
    const std::optional<int> months = number(fields[7], 1, 120);
    const std::optional<int> weekend = wordIndex(WeekendWords, fields[8]);
    const std::optional<int> cents = number(fields[10], 0, std::numeric_limits<qint32>::max());
    const std::optional<QString> checkNumber = unescaped(fields[12]);
    const std::optional<QString> payee = unescaped(fields[13]);
    const bool ask = fields[9] == "ask", deposit = fields[11] == "deposit";
    if (!next || !end || !remaining || !frequency || !day || !secondDay || !months || !weekend ||
        !cents || !checkNumber || !payee || (!ask && fields[9] != "auto") ||
        (!deposit && fields[11] != "withdrawal"))
        return std::nullopt;
    entry.next = *next;
    entry.end = *end;
    entry.remaining = *remaining;
    entry.rule = {Frequency(*frequency), *day, *secondDay, *months, WeekendRule(*weekend)};
    entry.askFirst = ask;
    entry.cents = *cents;
    entry.deposit = deposit;
    entry.checkNumber = *checkNumber;
    entry.payee = *payee;
    return entry;
}

struct Mark
{
    QByteArray key;
    Clearing clearing;
    qint32 reconciledOn;
};

} // namespace

QString companionPath(const QString &dataPath)
{
    return dataPath + QStringLiteral(".state");
}

bool holdsNothing(const Checkbook &book, const Companion &companion)
{
    if (!companion.reconciled.isEmpty() || companion.later || !companion.schedules.isEmpty())
        return false;
    for (int i = 1; i <= book.entryCount; ++i) {
        if (book.slot[i].clearing != Clearing::NotCleared)
            return false;
    }
    return true;
}

QByteArray dataDigest(QByteArrayView dataFileBytes)
{
    return QCryptographicHash::hash(dataFileBytes, QCryptographicHash::Sha256).toHex();
}

QList<RecurringEntry> schedulesForData(const Companion &companion, const CompanionRead &read,
                                       QByteArrayView dataFileBytes)
{
    if (!read.journal)
        return companion.schedules;
    const QByteArray digest = dataDigest(dataFileBytes);
    // A data file that is neither (changed elsewhere since) keeps the schedules last written.
    return digest == read.journal->dataBefore && digest != read.journal->dataAfter
               ? read.journal->schedulesBefore
               : companion.schedules;
}

QByteArray formatCompanion(const Checkbook &book, const Companion &companion,
                           const ScheduleJournal *journal)
{
    QByteArray out = VersionWord.toByteArray() + ' ' + QByteArray::number(FormatVersion) + '\n';
    out += "# Beside the data file of the same name: the statements the register was balanced\n"
           "# against, and the entries each statement showed (cleared) or balanced (reconciled).\n";
    for (const StatementBalance &statement : companion.reconciled)
        out += "statement\t" + dateField(statement.endDate) + '\t' +
               QByteArray::number(statement.endingCents) + '\n';
    if (companion.later)
        out += "later\t" + dateField(companion.later->endDate) + '\t' +
               QByteArray::number(companion.later->endingCents) + '\n';
    for (const RecurringEntry &schedule : companion.schedules)
        out += scheduleLine(schedule);
    if (journal) {
        out += "journal\t" + journal->dataBefore + '\t' + journal->dataAfter + '\n';
        for (const RecurringEntry &schedule : journal->schedulesBefore)
            out += scheduleLine(schedule, "schedule-before");
    }
    for (int i = 1; i <= book.entryCount; ++i) {
        const Entry &entry = book.slot[i];
        if (entry.clearing == Clearing::Cleared)
            out += "cleared\t\t" + entryKey(entry) + '\n';
        else if (entry.clearing == Clearing::Reconciled)
            out += "reconciled\t" + dateField(entry.reconciledOn) + '\t' + entryKey(entry) + '\n';
    }
    return out;
}

CompanionRead readCompanion(QByteArrayView bytes, Checkbook &book, Companion &companion)
{
    const auto damaged = [](int line, const QString &why) {
        return CompanionRead{
            CompanionRead::Result::Damaged,
            QCoreApplication::translate("Companion", "line %1, %2").arg(line).arg(why), 0,
            std::nullopt};
    };
    if (!bytes.endsWith('\n'))
        return damaged(1, QCoreApplication::translate("Companion", "the file is cut short"));
    Companion read;
    std::optional<ScheduleJournal> journal;
    std::vector<Mark> marks;
    int lineNumber = 0;
    for (QByteArray line : bytes.chopped(1).toByteArray().split('\n')) {
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (lineNumber == 1) {
            if (!line.startsWith(VersionWord) || line.size() <= VersionWord.size() ||
                line[VersionWord.size()] != ' ')
                return damaged(
                    1, QCoreApplication::translate("Companion", "not a Tallyra state file"));
            bool ok = false;
            const int version = line.mid(VersionWord.size() + 1).toInt(&ok);
            if (!ok || version < 1)
                return damaged(1, QCoreApplication::translate("Companion", "no version"));
            if (version > FormatVersion)
                return {CompanionRead::Result::Newer,
                        QCoreApplication::translate("Companion", "written by a later version, %1")
                            .arg(version),
                        0, std::nullopt};
            continue;
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        // The marks, nearly every line, are read without splitting them into fields: the word,
        // the statement date, then the entry's key.
        const bool cleared = line.startsWith("cleared\t");
        if (cleared || line.startsWith("reconciled\t")) {
            if (line.count('\t') != 6)
                return damaged(lineNumber, QCoreApplication::translate(
                                               "Companion", "a line that does not read"));
            const qsizetype dateStart = line.indexOf('\t') + 1;
            const qsizetype keyStart = line.indexOf('\t', dateStart) + 1;
            const QByteArray date = line.sliced(dateStart, keyStart - 1 - dateStart);
            const std::optional<qint32> on =
                cleared && date.isEmpty() ? std::optional<qint32>(0) : readDate(date);
            if (!on || (cleared && *on != 0))
                return damaged(lineNumber, QCoreApplication::translate(
                                               "Companion", "a statement date that does not read"));
            marks.push_back(
                {line.sliced(keyStart), cleared ? Clearing::Cleared : Clearing::Reconciled, *on});
            continue;
        }
        const QList<QByteArray> fields = line.split('\t');
        const QByteArray &word = fields.front();
        if (word == "statement" || word == "later") {
            const std::optional<StatementBalance> statement = readStatement(fields);
            if (!statement)
                return damaged(lineNumber, QCoreApplication::translate(
                                               "Companion", "a statement that does not read"));
            if (word == "later")
                read.later = statement;
            else
                read.reconciled.push_back(*statement);
            continue;
        }
        if (word == "schedule" || word == "schedule-before") {
            const std::optional<RecurringEntry> schedule = readSchedule(fields);
            if (!schedule || (word != "schedule" && !journal))
                return damaged(lineNumber, QCoreApplication::translate(
                                               "Companion", "a schedule that does not read"));
            (word == "schedule" ? read.schedules : journal->schedulesBefore).push_back(*schedule);
            continue;
        }
        if (word == "journal") {
            if (fields.size() != 3 || journal)
                return damaged(lineNumber, QCoreApplication::translate(
                                               "Companion", "a journal that does not read"));
            journal = ScheduleJournal{fields[1], fields[2], {}};
            continue;
        }
        return damaged(lineNumber,
                       QCoreApplication::translate("Companion", "a line that does not read"));
    }

    // Each mark goes to the first entry of its key not yet marked, so that two entries alike
    // in every field keep as many marks as they had.
    QHash<QByteArray, QList<int>> slotsByKey;
    for (int i = 1; i <= book.entryCount; ++i)
        slotsByKey[entryKey(book.slot[i])].push_back(i);
    CompanionRead result;
    result.journal = std::move(journal);
    for (int i = 1; i <= book.entryCount; ++i) {
        book.slot[i].clearing = Clearing::NotCleared;
        book.slot[i].reconciledOn = 0;
    }
    for (const Mark &mark : marks) {
        QList<int> &unmarked = slotsByKey[mark.key];
        if (unmarked.isEmpty()) {
            ++result.unmatched;
            continue;
        }
        Entry &entry = book.slot[unmarked.takeFirst()];
        entry.clearing = mark.clearing;
        entry.reconciledOn = mark.reconciledOn;
    }
    companion = std::move(read);
    return result;
}

qint64 clearedCents(const Checkbook &book)
{
    qint64 total = 0;
    for (int i = 1; i <= book.entryCount; ++i) {
        if (book.slot[i].clearing != Clearing::NotCleared)
            total += netCents(book.slot[i]);
    }
    return total;
}

qint64 lastReconciledCents(const Companion &companion)
{
    return companion.reconciled.isEmpty() ? 0 : companion.reconciled.back().endingCents;
}

} // namespace tallyra
