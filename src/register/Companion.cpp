// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/Companion.h"

#include "register/DateText.h"

#include <QDate>
#include <QHash>

#include <utility>
#include <vector>

namespace tallyra {

namespace {

constexpr int FormatVersion = 1;
constexpr QByteArrayView VersionWord = "tallyra-state";

QByteArray escaped(const QString &text)
{
    QByteArray out;
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
    return out;
}

QByteArray dateField(qint32 key)
{
    return isoDate(dateOfKey(key)).toLatin1();
}

// How a mark names its entry: every field of it, as the register holds it.
QByteArray entryKey(const Entry &entry)
{
    return isoDate(entry).toLatin1() + '\t' + QByteArray::number(entry.withdrawalCents) + '\t' +
           QByteArray::number(entry.depositCents) + '\t' + escaped(entry.checkNumber) + '\t' +
           escaped(entry.payee);
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
    if (!companion.reconciled.isEmpty() || companion.later)
        return false;
    for (int i = 1; i <= book.entryCount; ++i) {
        if (book.slot[i].clearing != Clearing::NotCleared)
            return false;
    }
    return true;
}

QByteArray formatCompanion(const Checkbook &book, const Companion &companion)
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
        return CompanionRead{CompanionRead::Result::Damaged,
                             QStringLiteral("line %1, %2").arg(line).arg(why), 0};
    };
    if (!bytes.endsWith('\n'))
        return damaged(1, QStringLiteral("the file is cut short"));
    Companion read;
    std::vector<Mark> marks;
    int lineNumber = 0;
    for (QByteArray line : bytes.chopped(1).toByteArray().split('\n')) {
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (lineNumber == 1) {
            if (!line.startsWith(VersionWord) || line.size() <= VersionWord.size() ||
                line[VersionWord.size()] != ' ')
                return damaged(1, QStringLiteral("not a Tallyra state file"));
            bool ok = false;
            const int version = line.mid(VersionWord.size() + 1).toInt(&ok);
            if (!ok || version < 1)
                return damaged(1, QStringLiteral("no version"));
            if (version > FormatVersion)
                return {CompanionRead::Result::Newer,
                        QStringLiteral("written by a later version, %1").arg(version), 0};
            continue;
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        const QByteArray &word = fields.front();
        if (word == "statement" || word == "later") {
            const std::optional<StatementBalance> statement = readStatement(fields);
            if (!statement)
                return damaged(lineNumber, QStringLiteral("a statement that does not read"));
            if (word == "later")
                read.later = statement;
            else
                read.reconciled.push_back(*statement);
            continue;
        }
        const bool cleared = word == "cleared";
        if ((!cleared && word != "reconciled") || fields.size() != 7)
            return damaged(lineNumber, QStringLiteral("a line that does not read"));
        const std::optional<qint32> on =
            cleared && fields[1].isEmpty() ? std::optional<qint32>(0) : readDate(fields[1]);
        if (!on || (cleared && *on != 0))
            return damaged(lineNumber, QStringLiteral("a statement date that does not read"));
        const qsizetype keyStart = word.size() + 1 + fields[1].size() + 1;
        marks.push_back(
            {line.mid(keyStart), cleared ? Clearing::Cleared : Clearing::Reconciled, *on});
    }

    // Each mark goes to the first entry of its key not yet marked, so that two entries alike
    // in every field keep as many marks as they had.
    QHash<QByteArray, QList<int>> slotsByKey;
    for (int i = 1; i <= book.entryCount; ++i)
        slotsByKey[entryKey(book.slot[i])].push_back(i);
    CompanionRead result;
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
