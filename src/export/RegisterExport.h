// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SaveTarget.h"
#include "register/Checkbook.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>

namespace tallyra {

enum class ExportFormat { Csv, Qif };

// What an export did: on success how many entries went to which file, on failure why not.
struct ExportResult
{
    bool ok = false;
    QString error;
    int count = 0;
    QString path;
};

// The register as a spreadsheet table: UTF-8 with a byte-order mark, CR LF line ends, a
// heading row, then one row per entry with its date, check number, payee, withdrawal, deposit,
// the balance after it and its cleared mark.
QByteArray exportCsv(const Checkbook &book);

// The register as a bank account's transactions for finance programs: UTF-8, CR LF line ends,
// each entry's cleared mark in its C line.
QByteArray exportQif(const Checkbook &book);

QByteArray exportBytes(const Checkbook &book, ExportFormat format);

// Writes the whole file or, on any failure, leaves whatever was at `path` untouched.
ExportResult exportRegister(const Checkbook &book, ExportFormat format, const QString &path);

// What the window tells the user afterwards, success or failure alike.
QString exportResultText(const ExportResult &result);

// The save dialog's types, in ExportFormat's order.
inline constexpr std::array<FileType, 2> ExportTypes = {{
    {"csv", QT_TRANSLATE_NOOP("SaveTarget", "CSV for spreadsheets (*.csv)")},
    {"qif", QT_TRANSLATE_NOOP("SaveTarget", "QIF for finance programs (*.qif)")},
}};

// The name the save dialog proposes, e.g. tallyra-2026-12-07.csv.
QString defaultExportName(const QDate &today, ExportFormat format);

} // namespace tallyra
