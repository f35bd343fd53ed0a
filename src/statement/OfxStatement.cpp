// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/OfxStatement.h"

#include "statement/StatementText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

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

StatementRead readOfxStatement(const QString &path, const QString &reader)
{
    if (!QFileInfo(reader).isExecutable())
        return failed(QStringLiteral("the OFX reader %1 is missing; installing Tallyra again "
                                     "puts it back")
                          .arg(QFileInfo(reader).absoluteFilePath()));
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(reader, {QFileInfo(path).absoluteFilePath()});
    if (!process.waitForStarted())
        return failed(
            QStringLiteral("the OFX reader could not be started: %1").arg(process.errorString()));
    process.closeWriteChannel();
    if (!process.waitForFinished(ReaderTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return failed(QStringLiteral("the OFX library was still reading it after %1 seconds")
                          .arg(ReaderTimeoutMs / 1000));
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return failed(QStringLiteral("the OFX library crashed while reading it"));
    if (process.exitCode() != 0)
        return failed(QStringLiteral("the OFX library could not read it"));
    return ofxStatementFromReport(process.readAllStandardOutput());
}

StatementRead ofxStatementFromReport(QByteArrayView report)
{
    const QStringList lines = QString::fromUtf8(report).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.last() != u"end")
        return failed(QStringLiteral("the OFX library stopped before the end of it"));

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
                t.problem = QStringLiteral("its date cannot be read");
            else if (!cents)
                t.problem = QStringLiteral("its amount cannot be read");
            statement.transactions.append(t);
        }
    }
    if (!sawStatement && statement.transactions.isEmpty())
        return failed(QStringLiteral("it holds no bank statement"));
    fillPeriod(statement);
    return read;
}

} // namespace tallyra
