// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Settings.h"
#include "register/RegisterDocument.h"
#include "statement/Statement.h"

#include <QIODevice>
#include <QString>

namespace tallyra {

// Exit statuses of `tallyra --import`.
inline constexpr int ImportDone = 0;
inline constexpr int ImportNotAStatement = 1; // nothing changed
inline constexpr int ImportUsage = 2;
inline constexpr int ImportRegisterHeld = 3; // another copy of Tallyra has the register open
inline constexpr int ImportNotAdded = 4;     // the register could not be read, take or save them

struct ImportRequest
{
    QString file;
    bool dryRun = false;
    QString csvColumns; // the roles of a CSV file's columns, as --csv-columns gives them
    DateOrder order = DateOrder::Undecided;
    QIODevice *standardInput = nullptr; // read when `file` names it
};

// Whether a file name given to --import means standard input: - or /dev/stdin.
bool namesStandardInput(const QString &file);

struct ImportOutcome
{
    int status = ImportDone;
    QString output; // one line per transaction and a summary
    QString error;
};

// Imports a statement into the document's register without a window: the same preview,
// matching and reconcile figures as the window, then (unless a dry run, which makes the
// document read-only and writes nothing) the new transactions and the cleared marks of every
// entry the statement shows as one change, after a kept copy of the data file. A CSV file's columns
// come from --csv-columns or else from the mapping remembered for its heading.
ImportOutcome runImport(const ImportRequest &request, RegisterDocument &document,
                        Settings &settings);

} // namespace tallyra
