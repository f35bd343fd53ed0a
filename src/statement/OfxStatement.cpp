// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/OfxStatement.h"

#include "register/Cp1252.h"
#include "statement/StatementText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryFile>

namespace tallyra {

namespace {

// libofx reads a year of transactions in well under a second; a reader still busy after
// this is stuck on the file.
constexpr int ReaderTimeoutMs = 30000;

StatementRead failed(const QString &why)
{
    StatementRead read;
    read.status = StatementRead::Status::NotAStatement;
    read.error = why;
    return read;
}

QString unescaped(QStringView text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const QChar next = text[++i];
        plain += next == u't'   ? QChar(u'\t')
                 : next == u'r' ? QChar(u'\r')
                 : next == u'n' ? QChar(u'\n')
                                : next;
    }
    return plain;
}

QDate reportDate(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate);
}

std::optional<qint64> reportCents(const QString &text)
{
    bool ok = false;
    const qint64 cents = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(cents) : std::nullopt;
}

// The character a reference names, or nothing for one better left to the library: the markup
// characters, which it reads right, and controls. Numbers 128 to 159 are taken as the
// Windows code page's, as web browsers take them (&#150; is the en dash).
std::optional<QString> referencedText(const QRegularExpressionMatch &reference)
{
    const QString name = reference.captured(3);
    if (!name.isEmpty())
        return name.compare(u"quot", Qt::CaseInsensitive) == 0 ? QStringLiteral("\"")
                                                               : QStringLiteral("'");
    bool ok = false;
    const uint code = reference.hasCaptured(1) ? reference.captured(1).toUInt(&ok)
                                               : reference.captured(2).toUInt(&ok, 16);
    if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    const char32_t character = code >= 0x80 && code <= 0x9F ? cp1252::CharForByte[code] : code;
    if (character < 0x20 || (character >= 0x7F && character <= 0x9F) || character == U'<' ||
        character == U'&' || character == U'>')
        return std::nullopt;
    return QString::fromUcs4(&character, 1);
}

QString withReferencesResolved(const QString &text)
{
    static const QRegularExpression reference(
        QStringLiteral("&(?:#([0-9]{1,7})|#[xX]([0-9A-Fa-f]{1,6})|(quot|apos));?"),
        QRegularExpression::CaseInsensitiveOption);
    QString resolved;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const std::optional<QString> character = referencedText(match);
        if (!character)
            continue;
        resolved += QStringView(text).sliced(done, match.capturedStart() - done);
        resolved += *character;
        done = match.capturedEnd();
    }
    return resolved + text.sliced(done);
}

// YYYYMMDD[HHMMSS[.XXX]][[offset:zone]]: the day as written, whatever the time and zone.
QString dayAtNoon(QStringView value)
{
    const QStringView day = value.first(std::min<qsizetype>(value.size(), 8));
    const bool digits = std::all_of(day.begin(), day.end(), [](QChar c) { return c.isDigit(); });
    if (day.size() < 8 || !digits || !QDate::fromString(day.toString(), u"yyyyMMdd").isValid())
        return QString();
    return day.toString() + QStringLiteral("120000.000[0:GMT]");
}

QString withDaysAtNoon(const QString &text)
{
    // In the SGML form a value ends at the next tag or line end, in the XML form at its end tag.
    static const QRegularExpression date(QStringLiteral("<DT[A-Z0-9.]*>\\s*([^<\\r\\n]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = date.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QStringView value =
            QStringView(text).sliced(match.capturedStart(1), match.capturedLength(1));
        result += QStringView(text).sliced(done, match.capturedStart(1) - done);
        result += dayAtNoon(value.trimmed());
        done = match.capturedEnd(1);
    }
    return result + text.sliced(done);
}

// The declared encoding made UTF-8: the XML declaration's, or the SGML header's lines, which
// the library reads before the first tag (a header without them means the Windows code page).
QString declaredUtf8(const QString &text)
{
    static const QRegularExpression xml(
        QStringLiteral("^\\s*<\\?xml[^>]*?\\bencoding\\s*=\\s*([\"'])[^\"']*\\1"),
        QRegularExpression::CaseInsensitiveOption);
    if (text.trimmed().startsWith(u"<?xml", Qt::CaseInsensitive)) {
        const QRegularExpressionMatch match = xml.match(text);
        if (!match.hasMatch())
            return text;
        return text.first(match.capturedStart(1)) + QStringLiteral("\"UTF-8\"") +
               text.sliced(match.capturedEnd());
    }
    const qsizetype body = std::max<qsizetype>(text.indexOf(u'<'), 0);
    const QString lineEnd =
        text.first(body).contains(u'\r') ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList header = text.first(body).split(lineEnd);
    header.removeIf([](const QString &line) {
        return line.startsWith(u"ENCODING:", Qt::CaseInsensitive) ||
               line.startsWith(u"CHARSET:", Qt::CaseInsensitive);
    });
    const qsizetype at = header.first().startsWith(u"OFXHEADER", Qt::CaseInsensitive) ? 1 : 0;
    header.insert(at, QStringLiteral("CHARSET:NONE"));
    header.insert(at, QStringLiteral("ENCODING:UTF-8"));
    if (body == 0)
        header.append(QString());
    return header.join(lineEnd) + text.sliced(body);
}

} // namespace

bool looksLikeOfx(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const QByteArray start =
        bytes.first(std::min<qsizetype>(bytes.size(), 1024)).toByteArray().trimmed().toUpper();
    if (start.startsWith("OFXHEADER") || start.startsWith("<OFX>"))
        return true;
    return start.startsWith("<?XML") && (start.contains("<?OFX") || start.contains("<OFX>"));
}

QString ofxReaderProgram()
{
#ifdef Q_OS_WIN
    const QLatin1String suffix(".exe");
#else
    const QLatin1String suffix("");
#endif
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                           QLatin1String(OfxReaderFolder) + QStringLiteral("/tallyra-ofx") +
                           suffix);
}

QByteArray ofxForReader(QByteArrayView bytes)
{
    return declaredUtf8(withDaysAtNoon(withReferencesResolved(decodeStatementText(bytes))))
        .toUtf8();
}

StatementRead readOfxStatement(QByteArrayView bytes, const QString &reader)
{
    if (!QFileInfo(reader).isExecutable())
        return failed(QCoreApplication::translate(
                          "OfxStatement", "the OFX reader %1 is missing; installing Tallyra again "
                                          "puts it back")
                          .arg(QFileInfo(reader).absoluteFilePath()));
    // Closed before the reader opens it: Windows lets no other program read a file held open.
    QTemporaryFile prepared(QDir::tempPath() + QStringLiteral("/tallyra-XXXXXX.ofx"));
    const QByteArray given = ofxForReader(bytes);
    if (!prepared.open() || prepared.write(given) != given.size() || !prepared.flush())
        return failed(QCoreApplication::translate("OfxStatement",
                                                  "it could not be handed to the OFX reader: %1")
                          .arg(prepared.errorString()));
    prepared.close();
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(reader, {QFileInfo(prepared.fileName()).absoluteFilePath()});
    if (!process.waitForStarted())
        return failed(
            QCoreApplication::translate("OfxStatement", "the OFX reader could not be started: %1")
                .arg(process.errorString()));
    process.closeWriteChannel();
    if (!process.waitForFinished(ReaderTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return failed(QCoreApplication::translate(
                          "OfxStatement", "the OFX library was still reading it after %1 seconds")
                          .arg(ReaderTimeoutMs / 1000));
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return failed(QCoreApplication::translate("OfxStatement",
                                                  "the OFX library crashed while reading it"));
    if (process.exitCode() != 0)
        return failed(
            QCoreApplication::translate("OfxStatement", "the OFX library could not read it"));
    return ofxStatementFromReport(process.readAllStandardOutput());
}

StatementRead ofxStatementFromReport(QByteArrayView report)
{
    const QStringList lines = QString::fromUtf8(report).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.last() != u"end")
        return failed(QCoreApplication::translate("OfxStatement",
                                                  "the OFX library stopped before the end of it"));

    StatementRead read;
    Statement &statement = read.statement;
    statement.format = QStringLiteral("OFX");
    QString account;
    bool accountChosen = false;
    bool sawStatement = false;
    for (const QString &line : lines) {
        QStringList fields = line.split(u'\t');
        for (QString &field : fields)
            field = unescaped(field);
        const QString kind = fields.takeFirst();
        if (fields.isEmpty())
            continue;
        if (!accountChosen) {
            account = fields[0];
            accountChosen = true;
        }
        if (fields[0] != account)
            continue;
        if (kind == u"statement" && fields.size() >= 5 && !sawStatement) {
            sawStatement = true;
            statement.endingBalanceCents = reportCents(fields[1]);
            statement.startDate = reportDate(fields[2]);
            // The balance is the bank's as of its own date; the list's end date comes next.
            statement.endDate = reportDate(fields[4]);
            if (!statement.endDate.isValid())
                statement.endDate = reportDate(fields[3]);
        } else if (kind == u"transaction" && fields.size() >= 7) {
            StatementTransaction t;
            t.date = reportDate(fields[1]);
            const std::optional<qint64> cents = reportCents(fields[2]);
            t.amountCents = cents.value_or(0);
            t.type = fields[3];
            t.checkNumber = fields[4].trimmed();
            t.payee = fields[5].trimmed();
            t.memo = fields[6].trimmed();
            if (!t.date.isValid())
                t.problem =
                    problemText(QT_TRANSLATE_NOOP("StatementProblem", "its date cannot be read"));
            else if (!cents)
                t.problem =
                    problemText(QT_TRANSLATE_NOOP("StatementProblem", "its amount cannot be read"));
            statement.transactions.append(t);
        }
    }
    if (!sawStatement && statement.transactions.isEmpty())
        return failed(QCoreApplication::translate("OfxStatement", "it holds no bank statement"));
    fillPeriod(statement);
    return read;
}

} // namespace tallyra
