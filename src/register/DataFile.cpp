// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DataFile.h"

#include "register/Cp1252.h"

#include <QCoreApplication>

#include <charconv>
#include <limits>
#include <vector>

namespace tallyra {

namespace {

qsizetype widestRecord(const Entry &entry)
{
    return WidestRecordWithoutTexts + entry.checkNumber.size() + entry.payee.size();
}

// The entry windows refuse what the file cannot hold; should such a text reach the file all
// the same, it is made harmless here rather than allowed to break the file for every later
// read.
char storedByte(char16_t unit)
{
    if (unit == u'"')
        return '\'';
    if (unit == u'\r' || unit == u'\n')
        return ' ';
    const int byte = cp1252::byteFor(unit);
    return byte < 0 ? '?' : char(byte);
}

// Writes into a buffer already sized for the widest possible output.
class RecordWriter
{
public:
    explicit RecordWriter(char *out) : out(out) {}

    char *end() const { return out; }

    void number(qint32 value) { out = std::to_chars(out, out + 11, value).ptr; }

    void text(const QString &text)
    {
        *out++ = '"';
        for (const QChar c : text)
            *out++ = storedByte(c.unicode());
        *out++ = '"';
    }

    void put(char c) { *out++ = c; }

    void lineEnd()
    {
        put('\r');
        put('\n');
    }

    void record(const Entry &entry)
    {
        number(entry.year);
        put(',');
        number(entry.month);
        put(',');
        number(entry.day);
        put(',');
        text(entry.checkNumber);
        put(',');
        text(entry.payee);
        put(',');
        number(entry.withdrawalCents);
        put(',');
        number(entry.depositCents);
        lineEnd();
    }

private:
    char *out;
};

// One record as found in the file, its texts still undecoded bytes of the file.
struct RawRecord
{
    qint16 year, month, day;
    QByteArrayView checkNumber, payee;
    qint32 withdrawalCents, depositCents;
};

// Walks the file's bytes field by field and line by line. Every reader returns false at the
// first fault and leaves the reason in `failure`.
class Scanner
{
public:
    explicit Scanner(QByteArrayView bytes) : p(bytes.begin()), end(bytes.end()) {}

    // Where reading has got to.
    const char *position() const { return p; }

    bool countLine(qint16 &count)
    {
        if (!lineAhead())
            return false;
        if (!number(QT_TRANSLATE_NOOP("DataFile", "count"), count, true))
            return false;
        if (count >= 0 && count <= MaxEntries)
            return true;
        failure =
            QCoreApplication::translate("DataFile", "count: not between 0 and %1").arg(MaxEntries);
        return false;
    }

    bool record(RawRecord &raw)
    {
        return lineAhead() && number(QT_TRANSLATE_NOOP("DataFile", "year"), raw.year) &&
               number(QT_TRANSLATE_NOOP("DataFile", "month"), raw.month) &&
               number(QT_TRANSLATE_NOOP("DataFile", "day"), raw.day) &&
               text(QT_TRANSLATE_NOOP("DataFile", "check number"), raw.checkNumber) &&
               text(QT_TRANSLATE_NOOP("DataFile", "payee"), raw.payee) &&
               number(QT_TRANSLATE_NOOP("DataFile", "withdrawal"), raw.withdrawalCents) &&
               number(QT_TRANSLATE_NOOP("DataFile", "deposit"), raw.depositCents, true);
    }

    QString failure;

private:
    bool at(char c) const { return p != end && *p == c; }
    bool atLineEnd() const { return at('\n') || (at('\r') && p + 1 != end && p[1] == '\n'); }
    // Our files always end in a line break, so a line without one was cut short.
    bool atCutEnd() const { return p == end || (at('\r') && p + 1 == end); }

    bool lineAhead()
    {
        if (p != end)
            return true;
        failure = QCoreApplication::translate("DataFile", "the file ends before this line");
        return false;
    }

    bool fail(const char *field, const char *why)
    {
        //: A field of a record line, then what is wrong with it: "year: no number"
        failure = QCoreApplication::translate("DataFile", "%1: %2")
                      .arg(QCoreApplication::translate("DataFile", field),
                           QCoreApplication::translate("DataFile", why));
        return false;
    }

    // Fails for whatever stands where the comma after a field (or the last field's line
    // end) should be.
    bool failAtFieldEnd(const char *field, bool lastField)
    {
        if (atCutEnd())
            return fail(field,
                        QT_TRANSLATE_NOOP("DataFile", "the line is cut short (no line end)"));
        if (!lastField && atLineEnd())
            return fail(field, QT_TRANSLATE_NOOP("DataFile", "fewer than seven fields"));
        if (lastField && at(','))
            return fail(field, QT_TRANSLATE_NOOP("DataFile", "more than seven fields"));
        return fail(field, QT_TRANSLATE_NOOP("DataFile", "not a whole number"));
    }

    template <typename Int> bool number(const char *field, Int &value, bool lastField = false)
    {
        const bool negative = at('-');
        if (negative)
            ++p;
        const qint64 limit = negative ? -qint64(std::numeric_limits<Int>::min())
                                      : qint64(std::numeric_limits<Int>::max());
        const char *digits = p;
        qint64 magnitude = 0;
        for (; p != end && *p >= '0' && *p <= '9'; ++p) {
            magnitude = magnitude * 10 + (*p - '0');
            if (magnitude > limit)
                return fail(field, QT_TRANSLATE_NOOP("DataFile", "number out of range"));
        }
        if (!(lastField ? atLineEnd() : at(',')))
            return failAtFieldEnd(field, lastField);
        if (p == digits)
            return fail(field, QT_TRANSLATE_NOOP("DataFile", "no number"));
        p += *p == '\r' ? 2 : 1;
        value = Int(negative ? -magnitude : magnitude);
        return true;
    }

    // Texts are never the last field, so a comma must follow.
    bool text(const char *field, QByteArrayView &value)
    {
        if (!at('"')) {
            // Unquoted, from a hand-edited file: taken as it stands, up to the comma.
            const char *start = p;
            while (p != end && *p != ',' && *p != '\n')
                ++p;
            if (!at(','))
                return fail(field, p == end
                                       ? QT_TRANSLATE_NOOP("DataFile",
                                                           "the line is cut short (no line end)")
                                       : QT_TRANSLATE_NOOP("DataFile", "fewer than seven fields"));
            value = QByteArrayView(start, p++);
            return true;
        }
        const char *start = ++p;
        while (p != end && *p != '"' && *p != '\n')
            ++p;
        if (!at('"'))
            return fail(field,
                        QT_TRANSLATE_NOOP("DataFile", "quoted text without its closing quote"));
        value = QByteArrayView(start, p++);
        if (at(',')) {
            ++p;
            return true;
        }
        if (atCutEnd() || atLineEnd())
            return failAtFieldEnd(field, false);
        return fail(field, QT_TRANSLATE_NOOP("DataFile", "quoted text not followed by a comma"));
    }

    const char *p;
    const char *end;
};

// A quote inside an unquoted text, or a carriage return inside any text, could not be written
// back as it was read: such characters take the stand-ins the writer would store, so that the
// register read is the one the next save keeps.
void decodeStoredText(QString &text, QByteArrayView bytes)
{
    cp1252::decodeInto(text, bytes);
    if (bytes.contains('"'))
        text.replace(u'"', u'\'');
    if (bytes.contains('\r'))
        text.replace(u'\r', u' ');
}

void store(const RawRecord &raw, Entry &entry)
{
    entry.year = raw.year;
    entry.month = raw.month;
    entry.day = raw.day;
    decodeStoredText(entry.checkNumber, raw.checkNumber);
    decodeStoredText(entry.payee, raw.payee);
    entry.withdrawalCents = raw.withdrawalCents;
    entry.depositCents = raw.depositCents;
}

} // namespace

QByteArray formatDataFile(const Checkbook &book)
{
    qsizetype size = 6 + 2;
    for (int slot = 1; slot <= MaxEntries; ++slot)
        size += widestRecord(book.slot[slot]);
    QByteArray bytes(size, Qt::Uninitialized);
    RecordWriter writer(bytes.data());
    writer.number(book.entryCount);
    writer.lineEnd();
    for (int slot = 1; slot <= MaxEntries; ++slot)
        writer.record(book.slot[slot]);
    bytes.truncate(writer.end() - bytes.constData());
    return bytes;
}

QByteArray emptyDataFile()
{
    return formatDataFile(Checkbook{});
}

std::optional<ReadFailure> readDataFile(QByteArrayView bytes, Checkbook &book, ReadExtent extent)
{
    Scanner scanner(bytes);
    qint16 count = 0;
    if (!scanner.countLine(count))
        return ReadFailure{1, scanner.failure};

    // Everything is checked before the register is touched, so that a fault half-way leaves
    // it as it was.
    const int records = extent == ReadExtent::AllSlots ? MaxEntries : count;
    std::vector<RawRecord> raw(records);
    for (int i = 0; i < records; ++i) {
        if (!scanner.record(raw[i]))
            return ReadFailure{i + 2, scanner.failure};
    }

    book.entryCount = count;
    for (int i = 0; i < records; ++i)
        store(raw[i], book.slot[i + 1]);
    return std::nullopt;
}

namespace {

// The line from `at` up to its line end (without it), and where the next one starts.
QByteArrayView lineAt(QByteArrayView bytes, qsizetype &at)
{
    if (at >= bytes.size())
        return {};
    qsizetype end = bytes.indexOf('\n', at);
    if (end < 0)
        end = bytes.size();
    QByteArrayView line = bytes.sliced(at, end - at);
    at = end + 1;
    return line.endsWith('\r') ? line.chopped(1) : line;
}

} // namespace

bool overwritesRecordsPastCount(QByteArrayView before, QByteArrayView after)
{
    Scanner scanner(before);
    qint16 count = 0;
    if (!scanner.countLine(count))
        return false;
    RawRecord skipped;
    for (int i = 0; i < count; ++i) {
        if (!scanner.record(skipped))
            return false;
    }
    static constexpr QByteArrayView FreeSlot = "0,0,0,\"\",\"\",0,0";
    qsizetype old = scanner.position() - before.data();
    qsizetype now = 0;
    for (int line = 0; line <= count; ++line)
        lineAt(after, now);
    while (old < before.size()) {
        const QByteArrayView was = lineAt(before, old);
        const QByteArrayView becomes = lineAt(after, now);
        if (!was.isEmpty() && was != FreeSlot && was != becomes)
            return true;
    }
    return false;
}

} // namespace tallyra
