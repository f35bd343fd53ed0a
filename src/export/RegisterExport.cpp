// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/RegisterExport.h"

#include "register/DateText.h"
#include "register/FileStore.h"

#include <QCoreApplication>

#include <algorithm>

namespace tallyra {

namespace {

// RFC 4180 ends every record with CR LF.
const QByteArray CsvLineEnd = "\r\n";

// Excel reads a CSV file without a byte-order mark in the system's code page and garbles é
// and €; LibreOffice and most readers take the mark as UTF-8's signature.
const QByteArray Utf8Bom = "\xEF\xBB\xBF";

const QByteArray CsvHeading = "Date,Check Number,Payee,Withdrawal,Deposit,Balance,Cleared";

// The sign, then at least `width` digits. The magnitude is taken as unsigned so that the
// most negative value has one.
QString padded(qint64 value, int width)
{
    const quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : quint64(value);
    return (value < 0 ? QStringLiteral("-") : QString()) +
           QStringLiteral("%1").arg(magnitude, width, 10, QLatin1Char('0'));
}

// Cents as a plain decimal with a point and two places, no currency sign or thousands
// separator, the same in every locale: what spreadsheets and importers read as a number.
QString plainDecimal(qint64 cents)
{
    const quint64 magnitude = cents < 0 ? 0 - static_cast<quint64>(cents) : quint64(cents);
    return (cents < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 100) + u'.' +
           padded(qint64(magnitude % 100), 2);
}

QString usDate(const Entry &entry)
{
    return padded(entry.month, 2) + u'/' + padded(entry.day, 2) + u'/' + padded(entry.year, 4);
}

QString csvField(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    const bool quoted =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return special.contains(c); });
    if (!quoted)
        return text;
    QString inner = text;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}

QString amountField(qint32 cents)
{
    return cents == 0 ? QString() : plainDecimal(cents);
}

// The marks as the register's list shows them: c for cleared, R for reconciled.
QString clearedField(Clearing clearing)
{
    switch (clearing) {
    case Clearing::Cleared:
        return QStringLiteral("c");
    case Clearing::Reconciled:
        return QStringLiteral("R");
    case Clearing::NotCleared:
        break;
    }
    return QString();
}

// QIF files came from DOS and most still end their lines so; importers read them either way.
QString qifLine(QChar code, const QString &value)
{
    return code + value + QStringLiteral("\r\n");
}

// Each QIF field is one line, so a line break inside a text would start a field of its own.
QString qifText(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

QByteArray exportCsv(const Checkbook &book)
{
    QByteArray bytes = Utf8Bom + CsvHeading + CsvLineEnd;
    runningTotals(book, book.entryCount, [&](int i, qint64 balance) {
        const Entry &entry = book.slot[i];
        const QStringList fields{isoDate(entry),
                                 csvField(entry.checkNumber),
                                 csvField(entry.payee),
                                 amountField(entry.withdrawalCents),
                                 amountField(entry.depositCents),
                                 plainDecimal(balance),
                                 clearedField(entry.clearing)};
        bytes += fields.join(u',').toUtf8() + CsvLineEnd;
    });
    return bytes;
}

QByteArray exportQif(const Checkbook &book)
{
    QString text = QStringLiteral("!Type:Bank\r\n");
    for (int i = 1; i <= book.entryCount; ++i) {
        const Entry &entry = book.slot[i];
        text += qifLine(u'D', usDate(entry));
        text += qifLine(u'T', plainDecimal(netCents(entry)));
        // The cleared status: * cleared, X reconciled; no line for an entry the bank has not shown.
        if (entry.clearing != Clearing::NotCleared)
            text += qifLine(u'C', entry.clearing == Clearing::Reconciled ? QStringLiteral("X")
                                                                         : QStringLiteral("*"));
        // Importers take an empty N or P line as a value; leaving it out says there is none.
        if (!entry.checkNumber.isEmpty())
            text += qifLine(u'N', qifText(entry.checkNumber));
        if (!entry.payee.isEmpty())
            text += qifLine(u'P', qifText(entry.payee));
        text += qifLine(u'^', QString());
    }
    return text.toUtf8();
}

QByteArray exportBytes(const Checkbook &book, ExportFormat format)
{
    return format == ExportFormat::Qif ? exportQif(book) : exportCsv(book);
}

ExportResult exportRegister(const Checkbook &book, ExportFormat format, const QString &path)
{
    const FileResult written = writeFileAtomically(path, exportBytes(book, format));
    if (!written.ok)
        return {false, written.error, 0, path};
    return {true, QString(), book.entryCount, path};
}

QString exportResultText(const ExportResult &result)
{
    if (!result.ok)
        return QCoreApplication::translate("RegisterExport",
                                           "The register could not be exported to %1: %2")
            .arg(result.path, result.error);
    return QCoreApplication::translate("RegisterExport", "%n entries were written to %1.", nullptr,
                                       result.count)
        .arg(result.path);
}

QString defaultExportName(const QDate &today, ExportFormat format)
{
    return QStringLiteral("tallyra-%1.%2")
        .arg(isoDate(today), QLatin1String(ExportTypes[std::size_t(format)].suffix));
}

} // namespace tallyra
