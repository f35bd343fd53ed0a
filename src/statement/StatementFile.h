// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statement/CsvStatement.h"
#include "statement/Statement.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace tallyra {

enum class StatementFormat { Ofx, Qif, Csv };

// A statement file, read whole and recognised by what it holds (the name's ending only
// decides for a file that could be either).
struct StatementFile
{
    QString path;
    QByteArray bytes;
    StatementFormat format = StatementFormat::Csv;
    QString error;  // why it is no statement Tallyra can read; empty when it may be one
    CsvTable table; // the cells of a CSV file
};

// More transactions than this is no statement of one checkbook, whose register holds 1000.
inline constexpr qsizetype MaxStatementTransactions = 10000;

// Reads a plain file whole. A named pipe, a device or a socket is refused before anything
// waits on it.
StatementFile openStatementFile(const QString &path);

// Reads a statement from a stream that is already open (standard input), once; `name` is what
// the messages call it.
StatementFile readStatementStream(QIODevice &stream, const QString &name);

// Reads an OFX or QIF file, or a CSV file by the mapping. `order` is used when every date of
// the file reads both ways.
StatementRead readStatement(const StatementFile &file, DateOrder order,
                            const CsvMapping &mapping = {});

// The sentence that tells why a file cannot be imported.
QString notAStatementText(const QString &path, const QString &reason);

} // namespace tallyra
