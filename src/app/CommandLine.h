// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tallyra {

inline constexpr char ProgramName[] = "tallyra";

// Why a command line was not understood.
enum class Refusal {
    None,
    NotParsed,          // the parser's own reason: an unknown option, a missing value
    UnexpectedArgument, // refusedWord: the argument
    NoBackupFolderName,
    NeedsImport, // refusedWord: the option that goes with --import
    NoImportFile,
    BadDateOrder,
    EnterWithoutDue,
    DueWithImport,
};

// What the command line asks for. With an answer, the program prints it and ends at once,
// before any window or data file; without one it runs, in the given backup folder when there
// is one. Only what was asked is kept here: the texts are made as they are printed, once the
// user's language is known.
struct CommandLine
{
    enum class Answer { None, Help, Version, Refused };
    Answer answer = Answer::None;
    Refusal refusal = Refusal::None;
    QString refusedWord{};
    // As given, so that the parser can say in the user's language what it did not understand.
    QStringList arguments{};
    QString backupFolder{};
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

// Reads the program's arguments, its own name first. Needs no application object.
CommandLine readCommandLine(const QStringList &arguments);

// The arguments as the system gave them; no application object needed.
QStringList commandLineArguments(int argc, char *argv[]);

// Prints the answer on standard output and standard error, in the user's language: the help
// (which shows defaultBackupFolder as the folder backups go to when none was chosen; it is not
// made here), the version or the reason for a refusal. Returns its exit status.
int answerCommandLine(const CommandLine &command, const QString &defaultBackupFolder);

} // namespace tallyra
