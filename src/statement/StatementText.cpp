// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/StatementText.h"

#include "register/Cp1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace tallyra {

namespace {

struct DateParts
{
    int first = 0; // the day or the month, or the month when the year came first
    int second = 0;
    int year = 0;
    bool yearFirst = false;
};

int twoDigitYear(int year, bool apostrophe)
{
    if (apostrophe || year < 70)
        return 2000 + year;
    return 1900 + year;
}

std::optional<DateParts> splitDate(const QString &written)
{
    // Some writers pad with blanks (" 1/ 5'26"); a time may follow the date.
    QString text = written.trimmed();
    static const QRegularExpression time(QStringLiteral("[ T]\\d{1,2}:\\d{2}.*$"));
    text.remove(time);
    text.remove(u' ');
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    static const QRegularExpression yearFirst(
        QStringLiteral("^(\\d{4})([-/.'])(\\d{1,2})\\2(\\d{1,2})$"));
    static const QRegularExpression yearLast(
        QStringLiteral("^(\\d{1,2})([-/.])(\\d{1,2})(\\2|')(\\d{2}|\\d{4})$"));
    if (const auto m = compact.match(text); m.hasMatch())
        return DateParts{m.captured(2).toInt(), m.captured(3).toInt(), m.captured(1).toInt(), true};
    if (const auto m = yearFirst.match(text); m.hasMatch())
        return DateParts{m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(), true};
    if (const auto m = yearLast.match(text); m.hasMatch()) {
        const QString year = m.captured(5);
        const bool apostrophe = m.captured(4) == u"'";
        const int value = year.size() == 2 ? twoDigitYear(year.toInt(), apostrophe) : year.toInt();
        return DateParts{m.captured(1).toInt(), m.captured(3).toInt(), value, false};
    }
    return std::nullopt;
}

// A first number above 12 can only be a day, a second one above 12 only a day too.
bool onlyDayFirst(const DateParts &p)
{
    return !p.yearFirst && p.first > 12 && p.first <= 31 && p.second <= 12;
}

bool onlyMonthFirst(const DateParts &p)
{
    return !p.yearFirst && p.second > 12 && p.second <= 31 && p.first <= 12;
}

bool readsBothWays(const DateParts &p)
{
    return !p.yearFirst && p.first != p.second && p.first >= 1 && p.first <= 12 && p.second >= 1 &&
           p.second <= 12;
}

QString quoted(const QString &text)
{
    return u'"' + text.trimmed() + u'"';
}

} // namespace

QString decodeStatementText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    cp1252::decodeInto(text, bytes);
    return text;
}

bool looksBinary(QByteArrayView bytes)
{
    qsizetype controls = 0;
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (c == 0)
            return true;
        if (c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f')
            ++controls;
    }
    return controls * 100 > bytes.size();
}

StatementDates readStatementDates(const QStringList &texts, DateOrder order)
{
    QList<std::optional<DateParts>> parts;
    parts.reserve(texts.size());
    bool dayFirstSeen = false;
    bool monthFirstSeen = false;
    StatementDates read;
    for (const QString &text : texts) {
        parts.append(splitDate(text));
        if (!parts.last())
            continue;
        dayFirstSeen = dayFirstSeen || onlyDayFirst(*parts.last());
        monthFirstSeen = monthFirstSeen || onlyMonthFirst(*parts.last());
        if (read.ambiguous.isEmpty() && readsBothWays(*parts.last()))
            read.ambiguous = text.trimmed();
    }
    const bool mixed = order == DateOrder::Undecided && dayFirstSeen && monthFirstSeen;
    if (order == DateOrder::Undecided && !mixed) {
        if (dayFirstSeen)
            order = DateOrder::DayFirst;
        else if (monthFirstSeen || read.ambiguous.isEmpty())
            order = DateOrder::MonthFirst;
        else {
            read.needsOrder = true;
            return read;
        }
    }
    read.ambiguous.clear();

    for (qsizetype i = 0; i < texts.size(); ++i) {
        const std::optional<DateParts> &p = parts[i];
        QDate date;
        ProblemText problem;
        if (!p) {
            problem =
                problemText(QT_TRANSLATE_NOOP("StatementProblem", "the date %1 cannot be read"),
                            quoted(texts[i]));
        } else if (mixed && !p->yearFirst) {
            problem = problemText(QT_TRANSLATE_NOOP("StatementProblem",
                                                    "the date %1 cannot be read: this file "
                                                    "writes some dates month first and others "
                                                    "day first"),
                                  quoted(texts[i]));
        } else {
            const bool dayFirst = !p->yearFirst && order == DateOrder::DayFirst;
            date = QDate(p->year, dayFirst ? p->second : p->first, dayFirst ? p->first : p->second);
            if (!date.isValid())
                problem = problemText(QT_TRANSLATE_NOOP("StatementProblem", "%1 is no date"),
                                      quoted(texts[i]));
        }
        read.dates.append(date);
        read.problems.append(problem);
    }
    return read;
}

DecimalMark decimalMarkOf(const QStringList &amounts)
{
    static const QRegularExpression pointEnd(QStringLiteral("\\.\\d{1,2}\\D*$"));
    static const QRegularExpression commaEnd(QStringLiteral(",\\d{1,2}\\D*$"));
    bool comma = false;
    for (const QString &amount : amounts) {
        if (amount.contains(pointEnd))
            return DecimalMark::Point;
        comma = comma || amount.contains(commaEnd);
    }
    return comma ? DecimalMark::Comma : DecimalMark::Point;
}

std::optional<qint64> parseAmount(QStringView written, DecimalMark mark)
{
    QString text;
    for (const QChar c : written) {
        // Blanks of every kind, and the currency signs banks put in front.
        if (!c.isSpace() && c.category() != QChar::Symbol_Currency)
            text += c;
    }
    bool negative = false;
    if (text.startsWith(u'(') && text.endsWith(u')')) {
        negative = true;
        text = text.mid(1, text.size() - 2);
    }
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = negative != (text[0] == u'-');
        text.remove(0, 1);
    } else if (text.endsWith(u'-')) {
        negative = !negative;
        text.chop(1);
    }
    const QChar decimal = mark == DecimalMark::Point ? u'.' : u',';
    const QChar group = mark == DecimalMark::Point ? u',' : u'.';
    const qsizetype point = text.indexOf(decimal);
    if (point >= 0 && text.indexOf(decimal, point + 1) >= 0)
        return std::nullopt;
    QString whole = point >= 0 ? text.left(point) : text;
    QString fraction = point >= 0 ? text.mid(point + 1) : QString();
    if (whole.isEmpty() && !fraction.isEmpty())
        whole = QStringLiteral("0");

    // Every group mark must be followed by exactly three digits, so that 12,50 is never read
    // as 1250 in a file that writes decimals with a point.
    static const QRegularExpression pointGroups(QStringLiteral("^\\d{1,3}(?:[,']\\d{3})*$|^\\d+$"));
    static const QRegularExpression commaGroups(QStringLiteral("^\\d{1,3}(?:[.']\\d{3})*$|^\\d+$"));
    if (!(mark == DecimalMark::Point ? pointGroups : commaGroups).match(whole).hasMatch())
        return std::nullopt;
    static const QRegularExpression digits(QStringLiteral("^\\d*$"));
    if (!digits.match(fraction).hasMatch())
        return std::nullopt;
    while (fraction.size() > 2 && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (fraction.size() > 2)
        return std::nullopt;
    QString plain = whole;
    plain.remove(group).remove(u'\'');
    // Fifteen digits of dollars keep every sum in range; no statement needs more.
    if (plain.size() > 15)
        return std::nullopt;
    const qint64 cents = plain.toLongLong() * 100 + fraction.leftJustified(2, u'0').toLongLong();
    return negative ? -cents : cents;
}

ProblemText unreadableAmount(const QString &text)
{
    return problemText(QT_TRANSLATE_NOOP("StatementProblem", "the amount %1 cannot be read"),
                       quoted(text));
}

void fillPeriod(Statement &statement)
{
    QDate first;
    QDate last;
    for (const StatementTransaction &t : statement.transactions) {
        if (!t.date.isValid())
            continue;
        if (!first.isValid() || t.date < first)
            first = t.date;
        if (!last.isValid() || t.date > last)
            last = t.date;
    }
    if (!statement.startDate.isValid())
        statement.startDate = first;
    if (!statement.endDate.isValid())
        statement.endDate = last;
}

} // namespace tallyra
