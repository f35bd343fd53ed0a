// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tallyra {

inline constexpr char ProgramName[] = "tallyra";

// What the command line asks for. With an exit status, the program prints the two texts and
// ends at once, before any window or data file; without one it runs, in the given backup
// folder when there is one.
struct CommandLine
{
    std::optional<int> exitStatus;
    QString output; // for standard output
    QString error;  // for standard error
    QString backupFolder;
    // --import: the statement to add to the register without a window, and how.
    QString importFile{};
    bool dryRun = false;
    QString csvColumns{};
    QString dateOrder{}; // "mdy", "dmy" or empty
    // --due: list the recurring entries due up to today without a window; --enter: enter them.
    bool due = false;
    bool enterDue = false;
};

// Status for a command line that was not understood.
inline constexpr int UsageError = 2;

// Reads the program's arguments, its own name first. The help shows defaultBackupFolder as
// the folder backups go to when none was chosen; it is not made here.
CommandLine readCommandLine(const QStringList &arguments, const QString &defaultBackupFolder);

// The arguments as the system gave them; no application object needed.
QStringList commandLineArguments(int argc, char *argv[]);

// Prints an answer's texts on standard output and standard error; returns its exit status.
int answerCommandLine(const CommandLine &command);

} // namespace tallyra
