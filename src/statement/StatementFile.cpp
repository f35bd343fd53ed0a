// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/StatementFile.h"

#include "statement/OfxStatement.h"
#include "statement/QifStatement.h"
#include "statement/StatementText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tallyra {

namespace {

QString tooLarge(qint64 knownSize)
{
    const QString limit = QString::number(StatementSizeLimit / (1024 * 1024));
    if (knownSize <= StatementSizeLimit)
        return QCoreApplication::translate(
                   "StatementFile",
                   "it is larger than %1 MB, the most Tallyra reads as a statement")
            .arg(limit);
    return QCoreApplication::translate(
               "StatementFile",
               "at %1 MB it is larger than %2 MB, the most Tallyra reads as a statement")
        .arg(QString::number(double(knownSize) / (1024 * 1024), 'f', 1), limit);
}

// Reads no further than the limit, whatever a size claims (a stream, or a file that grows).
QString readLimited(QIODevice &source, qint64 knownSize, QByteArray &bytes)
{
    while (bytes.size() <= StatementSizeLimit) {
        const QByteArray more = source.read(StatementSizeLimit + 1 - bytes.size());
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (bytes.size() > StatementSizeLimit) {
        bytes.clear();
        return tooLarge(knownSize);
    }
    return QString();
}

#ifdef Q_OS_UNIX
QString notPlainFile(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return QCoreApplication::translate("StatementFile", "it is a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("StatementFile", "it is a named pipe, not a file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("StatementFile", "it is a socket, not a file");
    return QCoreApplication::translate("StatementFile", "it is a device, not a file");
}

// Opening a named pipe waits for a writer, and a device may wait for anything: only a plain
// file is opened, and it is looked at again once open, in case another took its place.
QString openPlainFile(const QString &path, QFile &file, qint64 &size)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(name.constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (const QString why = notPlainFile(info.st_mode); !why.isEmpty())
        return why;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    QString why = ::fstat(fd, &info) == 0 ? notPlainFile(info.st_mode)
                                          : QString::fromLocal8Bit(std::strerror(errno));
    if (why.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        why = file.errorString();
    if (!why.isEmpty())
        ::close(fd);
    size = info.st_size;
    return why;
}
#else
QString openPlainFile(const QString &path, QFile &file, qint64 &size)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("StatementFile", "it is a folder");
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("StatementFile", "it is no plain file");
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    size = file.size();
    return QString();
}
#endif

// What the bytes are: the format, or why they are no statement.
void recognise(StatementFile &file, const QString &suffix)
{
    if (file.bytes.isEmpty()) {
        file.error = QCoreApplication::translate("StatementFile", "it is empty");
        return;
    }
    // Spreadsheets save "Unicode text" as UTF-16 with a byte-order mark; read on as UTF-8.
    if (file.bytes.startsWith("\xFF\xFE") || file.bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(file.bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                               : QStringDecoder::Utf16BE);
        const QString text = utf16(QByteArrayView(file.bytes).sliced(2));
        if (!utf16.hasError())
            file.bytes = text.toUtf8();
    }
    if (looksLikeOfx(file.bytes)) {
        file.format = StatementFormat::Ofx;
        // The library reads what there is of a file cut short and says nothing of the rest.
        if (!file.bytes.toUpper().contains("</OFX>"))
            file.error = QCoreApplication::translate(
                "StatementFile", "it ends before its closing </OFX> tag, so it may have "
                                 "been cut short");
        return;
    }
    if (looksLikeQif(file.bytes)) {
        file.format = StatementFormat::Qif;
        return;
    }
    if (looksBinary(file.bytes)) {
        file.error = QCoreApplication::translate("StatementFile", "it is no text file");
        return;
    }
    if (suffix == u"ofx" || suffix == u"qfx") {
        file.error = QCoreApplication::translate(
            "StatementFile", "it does not begin as an OFX file does (OFXHEADER or <?xml)");
        return;
    }
    if (suffix == u"qif") {
        file.error = QCoreApplication::translate(
            "StatementFile", "it does not begin as a QIF file does (!Type:Bank)");
        return;
    }
    file.format = StatementFormat::Csv;
    file.table = readCsvTable(file.bytes);
    file.error = file.table.error;
}

} // namespace

StatementFile openStatementFile(const QString &path)
{
    StatementFile file;
    file.path = path;
    QFile source;
    qint64 size = 0;
    file.error = openPlainFile(path, source, size);
    if (file.error.isEmpty())
        file.error = readLimited(source, size, file.bytes);
    if (file.error.isEmpty())
        recognise(file, QFileInfo(path).suffix().toLower());
    return file;
}

StatementFile readStatementStream(QIODevice &stream, const QString &name)
{
    StatementFile file;
    file.path = name;
    file.error = readLimited(stream, 0, file.bytes);
    if (file.error.isEmpty())
        recognise(file, QString());
    return file;
}

StatementRead readStatement(const StatementFile &file, DateOrder order, const CsvMapping &mapping)
{
    StatementRead read;
    switch (file.format) {
    case StatementFormat::Ofx:
        read = readOfxStatement(file.bytes);
        break;
    case StatementFormat::Qif:
        read = readQifStatement(file.bytes, order);
        break;
    case StatementFormat::Csv: {
        CsvMapping used = mapping;
        if (used.order == DateOrder::Undecided)
            used.order = order;
        read = readCsvStatement(file.table, used);
        break;
    }
    }
    if (read.status == StatementRead::Status::Read &&
        read.statement.transactions.size() > MaxStatementTransactions) {
        read.status = StatementRead::Status::NotAStatement;
        read.error = QCoreApplication::translate("StatementFile",
                                                 "it holds %n transactions, and Tallyra reads "
                                                 "statements of at most %1",
                                                 nullptr, int(read.statement.transactions.size()))
                         .arg(MaxStatementTransactions);
        read.statement = {};
    }
    return read;
}

QString notAStatementText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("StatementFile", "%1 is no statement Tallyra can read: %2.")
        .arg(QFileInfo(path).fileName(), reason);
}

} // namespace tallyra
