// SPDX-License-Identifier: GPL-3.0-or-later
#include "statement/StatementImport.h"

#include "platform/UserFolders.h"
#include "statement/frmCsvColumns.h"
#include "statement/frmStatement.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>

namespace tallyra {

namespace {

QString title()
{
    return QCoreApplication::translate("StatementImport", "Import Statement");
}

void tellNotAStatement(Platform &platform, QWidget *parent, const QString &path,
                       const QString &reason)
{
    platform.prompter.message(parent, QMessageBox::Warning, title(),
                              notAStatementText(path, reason));
}

// "March 4, 2026", in the user's language.
QString longDate(QDate date)
{
    //: A date of the date-order question: %1 is the day, %2 the year.
    static const std::array<const char *, 12> months = {
        QT_TRANSLATE_NOOP("StatementImport", "January %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "February %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "March %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "April %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "May %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "June %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "July %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "August %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "September %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "October %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "November %1, %2"),
        QT_TRANSLATE_NOOP("StatementImport", "December %1, %2")};
    if (!date.isValid())
        return QString();
    return QCoreApplication::translate("StatementImport", months[size_t(date.month() - 1)])
        .arg(date.day())
        .arg(date.year());
}

// Month first (Yes), day first (No), or nothing (Cancel): the one date shown both ways.
std::optional<DateOrder> askDateOrder(Platform &platform, QWidget *parent, const QString &path,
                                      const QString &example)
{
    const StatementDates monthFirst = readStatementDates({example}, DateOrder::MonthFirst);
    const StatementDates dayFirst = readStatementDates({example}, DateOrder::DayFirst);
    const QMessageBox::StandardButton answer = platform.prompter.message(
        parent, QMessageBox::Question, QCoreApplication::translate("StatementImport", "Date Order"),
        QCoreApplication::translate("StatementImport",
                                    "Every date in %1 reads both month first and day first.\r\n"
                                    "Is %2 %3?\r\n(No reads it as %4.)")
            .arg(QFileInfo(path).fileName(), example, longDate(monthFirst.dates.value(0)),
                 longDate(dayFirst.dates.value(0))),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return DateOrder::MonthFirst;
    if (answer == QMessageBox::No)
        return DateOrder::DayFirst;
    return std::nullopt;
}

// The statement read from the file, the date order asked when it must be; nothing when the
// user cancels or the file is no statement (after saying so).
std::optional<Statement> readAsking(const StatementFile &file, CsvMapping &mapping,
                                    Platform &platform, QWidget *parent)
{
    StatementRead read = readStatement(file, mapping.order, mapping);
    if (read.status == StatementRead::Status::NeedsDateOrder) {
        const std::optional<DateOrder> order =
            askDateOrder(platform, parent, file.path, read.ambiguousDate);
        if (!order)
            return std::nullopt;
        mapping.order = *order;
        read = readStatement(file, *order, mapping);
    }
    if (read.status != StatementRead::Status::Read) {
        tellNotAStatement(platform, parent, file.path, read.error);
        return std::nullopt;
    }
    return read.statement;
}

// The CSV columns the user chooses, starting from `initial`; remembered for the heading.
std::optional<Statement> mapAndRead(const StatementFile &file, const CsvMapping &initial,
                                    Platform &platform, QWidget *parent)
{
    FrmCsvColumns columns(file.table, initial, parent);
    if (columns.exec() != QDialog::Accepted)
        return std::nullopt;
    CsvMapping mapping = columns.mapping();
    std::optional<Statement> statement = readAsking(file, mapping, platform, parent);
    if (statement)
        platform.settings.setCsvMapping(file.table.headerLine(), csvMappingText(mapping));
    return statement;
}

std::optional<CsvMapping> rememberedMapping(const StatementFile &file, Settings &settings)
{
    const std::optional<QString> text = settings.csvMapping(file.table.headerLine());
    if (!text)
        return std::nullopt;
    std::optional<CsvMapping> mapping = csvMappingFromText(*text);
    if (!mapping || !csvMappingProblem(*mapping, file.table.columnCount()).isEmpty())
        return std::nullopt;
    return mapping;
}

} // namespace

void openStatementImport(RegisterDocument &document, Platform &platform, QWidget *parent)
{
    const std::optional<QString> path = platform.prompter.askOpenFile(
        parent, title(), documentsFolder(),
        QCoreApplication::translate("StatementImport",
                                    "Bank statements (*.ofx *.qfx *.qif *.csv *.OFX *.QFX "
                                    "*.QIF *.CSV);;All files (*)"));
    if (path)
        importStatementFile(*path, document, platform, parent);
}

void importStatementFile(const QString &path, RegisterDocument &document, Platform &platform,
                         QWidget *parent)
{
    const StatementFile file = openStatementFile(path);
    if (!file.error.isEmpty()) {
        tellNotAStatement(platform, parent, path, file.error);
        return;
    }
    std::optional<Statement> statement;
    FrmStatement::ColumnsAgain columnsAgain;
    if (file.format == StatementFormat::Csv) {
        const std::optional<CsvMapping> remembered = rememberedMapping(file, platform.settings);
        if (remembered) {
            CsvMapping mapping = *remembered;
            statement = readAsking(file, mapping, platform, parent);
        } else {
            statement = mapAndRead(file, guessCsvMapping(file.table), platform, parent);
        }
        columnsAgain = [&file, &platform](QWidget *over) {
            const CsvMapping current =
                rememberedMapping(file, platform.settings).value_or(guessCsvMapping(file.table));
            return mapAndRead(file, current, platform, over);
        };
    } else {
        CsvMapping none;
        statement = readAsking(file, none, platform, parent);
    }
    if (!statement)
        return;
    FrmStatement window(document, platform, path, std::move(*statement), columnsAgain, parent);
    window.exec();
}

} // namespace tallyra
