// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/StatementFile.h"

#include "statement/OfxStatement.h"
#include "statement/QifStatement.h"
#include "statement/StatementText.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace tallyra {

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB");
}

} // namespace

StatementFile openStatementFile(const QString &path)
{
    StatementFile file;
    file.path = path;
    QFile source(path);
    const QFileInfo info(path);
    if (info.isDir()) {
        file.error = QStringLiteral("it is a folder");
        return file;
    }
    if (!source.open(QIODevice::ReadOnly)) {
        file.error = source.errorString();
        return file;
    }
    // Read no further than the limit, whatever the size claims (a pipe or a growing file).
    file.bytes = source.read(StatementSizeLimit + 1);
    if (file.bytes.size() > StatementSizeLimit) {
        file.error = QStringLiteral("it is %1, and a statement Tallyra reads is at most %2")
                         .arg(megabytes(std::max(info.size(), qint64(file.bytes.size()))),
                              megabytes(StatementSizeLimit));
        file.bytes.clear();
        return file;
    }
    if (file.bytes.isEmpty()) {
        file.error = QStringLiteral("it is empty");
        return file;
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
            file.error = QStringLiteral("it ends before its closing </OFX> tag, so it may have "
                                        "been cut short");
        return file;
    }
    if (looksLikeQif(file.bytes)) {
        file.format = StatementFormat::Qif;
        return file;
    }
    if (looksBinary(file.bytes)) {
        file.error = QStringLiteral("it is no text file");
        return file;
    }
    const QString suffix = info.suffix().toLower();
    if (suffix == u"ofx" || suffix == u"qfx") {
        file.error = QStringLiteral("it does not begin as an OFX file does (OFXHEADER or <?xml)");
        return file;
    }
    if (suffix == u"qif") {
        file.error = QStringLiteral("it does not begin as a QIF file does (!Type:Bank)");
        return file;
    }
    file.format = StatementFormat::Csv;
    file.table = readCsvTable(file.bytes);
    file.error = file.table.error;
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
        read.error = QStringLiteral("it holds %1 transactions, and Tallyra reads statements of "
                                    "at most %2")
                         .arg(read.statement.transactions.size())
                         .arg(MaxStatementTransactions);
        read.statement = {};
    }
    return read;
}

QString notAStatementText(const QString &path, const QString &reason)
{
    return QStringLiteral("%1 is no statement Tallyra can read: %2.")
        .arg(QFileInfo(path).fileName(), reason);
}

} // namespace tallyra
