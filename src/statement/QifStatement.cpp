// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/QifStatement.h"

#include "statement/StatementText.h"

#include <QCoreApplication>
#include <QStringList>

namespace tallyra {

namespace {

struct QifRecord
{
    QString date;
    QString amount;
    QString checkNumber;
    QString payee;
    QString memo;
};

StatementRead notQif(const QString &why)
{
    StatementRead read;
    read.status = StatementRead::Status::NotAStatement;
    read.error = why;
    return read;
}

bool isHeader(QStringView line, QStringView name)
{
    return line.startsWith(name, Qt::CaseInsensitive);
}

} // namespace

bool looksLikeQif(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const QByteArray start = bytes.first(std::min<qsizetype>(bytes.size(), 64)).toByteArray();
    const QString line = QString::fromLatin1(start).trimmed();
    return isHeader(line, u"!Type:") || isHeader(line, u"!Account") || isHeader(line, u"!Option");
}

StatementRead readQifStatement(QByteArrayView bytes, DateOrder order)
{
    const QString text = decodeStatementText(bytes);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QList<QifRecord> records;
    QifRecord record;
    bool inBank = false;
    bool sawBank = false;
    bool openRecord = false;
    bool inAccount = false;
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith(u'!')) {
            const QString header = line.trimmed();
            if (isHeader(header, u"!Type:")) {
                inBank = header.mid(6).trimmed().compare(u"Bank", Qt::CaseInsensitive) == 0;
                sawBank = sawBank || inBank;
                inAccount = false;
            } else if (isHeader(header, u"!Account")) {
                inAccount = true;
                inBank = false;
            }
            openRecord = false;
            record = {};
            continue;
        }
        const QChar code = line[0];
        const QString value = line.mid(1).trimmed();
        if (code == u'^') {
            if (inBank && openRecord && !inAccount)
                records.append(record);
            inAccount = false;
            openRecord = false;
            record = {};
            continue;
        }
        if (!inBank || inAccount)
            continue;
        openRecord = true;
        switch (code.toUpper().unicode()) {
        case u'D':
            record.date = value;
            break;
        case u'T':
            record.amount = value;
            break;
        case u'U':
            if (record.amount.isEmpty())
                record.amount = value;
            break;
        case u'N':
            record.checkNumber = value;
            break;
        case u'P':
            record.payee = value;
            break;
        case u'M':
            record.memo = value;
            break;
        default:
            break;
        }
    }
    if (!sawBank)
        return notQif(QCoreApplication::translate(
            "QifStatement", "it holds no bank account transactions (no !Type:Bank "
                            "section)"));
    // A record that never ends may have lost the rest of its amount: 31.50 cut to 31.5.
    if (openRecord)
        return notQif(QCoreApplication::translate(
            "QifStatement", "it ends in the middle of a transaction, so it may have "
                            "been cut short"));

    QStringList dates;
    QStringList amounts;
    for (const QifRecord &r : records) {
        dates << r.date;
        amounts << r.amount;
    }
    const StatementDates read = readStatementDates(dates, order);
    StatementRead result;
    if (read.needsOrder) {
        result.status = StatementRead::Status::NeedsDateOrder;
        result.ambiguousDate = read.ambiguous;
        return result;
    }
    const DecimalMark mark = decimalMarkOf(amounts);
    result.statement.format = QStringLiteral("QIF");
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QifRecord &r = records[i];
        StatementTransaction t;
        t.date = read.dates[i];
        t.problem = read.problems[i];
        if (r.date.isEmpty())
            t.problem = problemText(QT_TRANSLATE_NOOP("StatementProblem", "it has no date"));
        const std::optional<qint64> amount = parseAmount(r.amount, mark);
        if (!amount && t.problem.isEmpty())
            t.problem = r.amount.isEmpty()
                            ? problemText(QT_TRANSLATE_NOOP("StatementProblem", "it has no amount"))
                            : unreadableAmount(r.amount);
        t.amountCents = amount.value_or(0);
        t.checkNumber = r.checkNumber;
        t.payee = r.payee;
        t.memo = r.memo;
        result.statement.transactions.append(t);
    }
    fillPeriod(result.statement);
    return result;
}

} // namespace tallyra
