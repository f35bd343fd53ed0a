// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "register/Checkbook.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace tallyra {

namespace {

struct ProgramOption
{
    const char *shortName; // or null
    const char *name;
    const char *description;
    const char *valueName; // or null for an option without a value
};

// In the order the help lists them. The names and value names stay as typed on a command line
// in every language; the descriptions are translated as the help is shown.
constexpr ProgramOption Options[] = {
    {"h", "help", QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit."), nullptr},
    {"v", "version", QT_TRANSLATE_NOOP("CommandLine", "Show the version number and exit."),
     nullptr},
    {nullptr, "backup-folder",
     QT_TRANSLATE_NOOP("CommandLine", "Use DIR as the backup folder for this run only."), "DIR"},
    {nullptr, "import",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Add a bank statement (OFX, QFX, QIF or CSV) to default.dat, without a "
                       "window, and mark the entries it shows cleared; - reads it from standard "
                       "input."),
     "FILE"},
    {nullptr, "dry-run",
     QT_TRANSLATE_NOOP("CommandLine", "With --import: show, but write no file."), nullptr},
    {nullptr, "due",
     QT_TRANSLATE_NOOP("CommandLine",
                       "List the recurring entries due up to today, without a window."),
     nullptr},
    {nullptr, "enter",
     QT_TRANSLATE_NOOP("CommandLine", "With --due: enter them in default.dat as one change."),
     nullptr},
    {nullptr, "csv-columns",
     QT_TRANSLATE_NOOP("CommandLine", "With --import: what each CSV column holds, in order, e.g. "
                                      "date,check,payee,withdrawal,deposit"),
     "LIST"},
    {nullptr, "date-order",
     QT_TRANSLATE_NOOP("CommandLine",
                       "With --import: read 03/04/2026 month first (mdy) or day first (dmy)."),
     "mdy|dmy"},
};

QCommandLineOption optionOf(const ProgramOption &option)
{
    QStringList names;
    if (option.shortName)
        names << QLatin1String(option.shortName);
    names << QLatin1String(option.name);
    return QCommandLineOption(names, {},
                              option.valueName ? QLatin1String(option.valueName) : QString());
}

// The parser knows the program's options and Qt's own: QApplication reads these itself once
// the command line is accepted, and the usual ones (-style fusion, -platform offscreen) must
// not be refused.
void addOptions(QCommandLineParser &parser)
{
    // As QApplication reads its own options: "-style" is one option, not -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const ProgramOption &option : Options)
        parser.addOption(optionOf(option));
    const auto qtOption = [](const char *name, const QString &valueName) {
        QCommandLineOption option(QLatin1String(name), {}, valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        return option;
    };
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"})
        parser.addOption(qtOption(name, QStringLiteral("value")));
    for (const char *name : {"reverse", "widgetcount"})
        parser.addOption(qtOption(name, {}));
}

QString helpText(const QString &defaultBackupFolder)
{
    const QString program = QLatin1String(ProgramName);
    QString text =
        QCoreApplication::translate("CommandLine",
                                    "Usage: %1 [options]\n"
                                    "       %1 --import FILE [--dry-run] [--csv-columns LIST] "
                                    "[--date-order mdy|dmy]\n"
                                    "       %1 --due [--enter]\n"
                                    "Keeps the register of one checking account in default.dat in "
                                    "the current folder.\n\nOptions:\n")
            .arg(program);
    for (const ProgramOption &option : Options) {
        QString left = option.shortName
                           ? QStringLiteral("-%1, --%2")
                                 .arg(QLatin1String(option.shortName), QLatin1String(option.name))
                           : QStringLiteral("--%1").arg(QLatin1String(option.name));
        if (option.valueName)
            left += u' ' + QLatin1String(option.valueName);
        text += QStringLiteral("  %1 %2\n")
                    .arg(left, -21)
                    .arg(QCoreApplication::translate("CommandLine", option.description));
    }
    return text +
           QCoreApplication::translate(
               "CommandLine",
               "\nBackups go to the backup folder: the one chosen with\n"
               "File > Backup Folder..., or else %1,\n"
               "made when first used. --backup-folder DIR overrides both for one run.\n")
               .arg(defaultBackupFolder) +
           QCoreApplication::translate(
               "CommandLine",
               "\nA register holds at most %1 entries. File > Carry Forward... moves\n"
               "the entries before a date to an archive in the backup folder and\n"
               "puts one BALANCE FORWARD entry in their place; once a statement is\n"
               "balanced, only the reconciled ones move.\n")
               .arg(MaxEntries) +
           QCoreApplication::translate(
               "CommandLine",
               "\nTo balance against a paper statement, File > Reconcile...: type its end date\n"
               "and ending balance, tick the entries it shows until the difference is\n"
               "$.00 and press Finish. A statement file is balanced by File > Import\n"
               "Statement... or --import FILE. The marks (c cleared, R reconciled) and\n"
               "the statements balanced are kept in default.dat.state.\n") +
           QCoreApplication::translate(
               "CommandLine",
               "\nEdit > Recurring Entries... keeps the entries that come back (rent, pay,\n"
               "automatic payments). Those due are listed when the program starts, every\n"
               "date missed since, oldest first; --due --enter enters them from a timer.\n");
}

QString refusalReason(const CommandLine &command)
{
    switch (command.refusal) {
    case Refusal::None:
        break;
    case Refusal::NotParsed: {
        // Parsed again for the parser's words, now in the user's language.
        QCommandLineParser parser;
        addOptions(parser);
        parser.parse(command.arguments);
        return parser.errorText();
    }
    case Refusal::UnexpectedArgument:
        return QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
            .arg(command.refusedWord);
    case Refusal::NoBackupFolderName:
        return QCoreApplication::translate("CommandLine",
                                           "--backup-folder needs the name of a folder");
    case Refusal::NeedsImport:
        //: %1 is an option name such as --dry-run
        return QCoreApplication::translate("CommandLine", "%1 goes with --import")
            .arg(command.refusedWord);
    case Refusal::NoImportFile:
        return QCoreApplication::translate("CommandLine",
                                           "--import needs the name of a statement file");
    case Refusal::BadDateOrder:
        return QCoreApplication::translate("CommandLine", "--date-order is mdy or dmy");
    case Refusal::EnterWithoutDue:
        return QCoreApplication::translate("CommandLine", "--enter goes with --due");
    case Refusal::DueWithImport:
        return QCoreApplication::translate("CommandLine",
                                           "--due and --import are run one at a time");
    }
    return {};
}

CommandLine refused(CommandLine run, Refusal refusal, const QString &word = QString())
{
    run.answer = CommandLine::Answer::Refused;
    run.refusal = refusal;
    run.refusedWord = word;
    return run;
}

// The import's options into `run`; the refusal when they do not go together.
Refusal readImportOptions(const QCommandLineParser &parser, CommandLine &run)
{
    const QString import = QStringLiteral("import");
    if (!parser.isSet(import)) {
        for (const char *option : {"dry-run", "csv-columns", "date-order"}) {
            if (parser.isSet(QLatin1String(option))) {
                run.refusedWord = QStringLiteral("--") + QLatin1String(option);
                return Refusal::NeedsImport;
            }
        }
        return Refusal::None;
    }
    run.importFile = parser.value(import);
    if (run.importFile.isEmpty())
        return Refusal::NoImportFile;
    run.dryRun = parser.isSet(QStringLiteral("dry-run"));
    run.csvColumns = parser.value(QStringLiteral("csv-columns"));
    const QString order = parser.value(QStringLiteral("date-order")).toLower();
    if (!order.isEmpty() && order != u"mdy" && order != u"dmy")
        return Refusal::BadDateOrder;
    run.dateOrder = order;
    return Refusal::None;
}

Refusal readDueOptions(const QCommandLineParser &parser, CommandLine &run)
{
    run.due = parser.isSet(QStringLiteral("due"));
    run.enterDue = parser.isSet(QStringLiteral("enter"));
    if (run.enterDue && !run.due)
        return Refusal::EnterWithoutDue;
    if (run.due && !run.importFile.isEmpty())
        return Refusal::DueWithImport;
    return Refusal::None;
}

struct CommandLineAnswer
{
    int exitStatus = 0;
    QString output; // for standard output
    QString error;  // for standard error
};

CommandLineAnswer commandLineAnswer(const CommandLine &command, const QString &defaultBackupFolder)
{
    const QString program = QLatin1String(ProgramName);
    switch (command.answer) {
    case CommandLine::Answer::None:
        break;
    case CommandLine::Answer::Help:
        return {0, helpText(defaultBackupFolder), {}};
    case CommandLine::Answer::Version:
        return {0, QStringLiteral("%1 %2\n").arg(program, QLatin1String(VersionText)), {}};
    case CommandLine::Answer::Refused:
        return {UsageError,
                {},
                QCoreApplication::translate("CommandLine",
                                            "%1: %2\nTry '%1 --help' for more information.\n")
                    .arg(program, refusalReason(command))};
    }
    return {};
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    CommandLine run;
    run.arguments = arguments;

    if (!parser.parse(arguments))
        return refused(run, Refusal::NotParsed);
    if (!parser.positionalArguments().isEmpty())
        return refused(run, Refusal::UnexpectedArgument, parser.positionalArguments().first());
    const QString backupFolder = QStringLiteral("backup-folder");
    if (parser.isSet(backupFolder) && parser.value(backupFolder).isEmpty())
        return refused(run, Refusal::NoBackupFolderName);
    if (parser.isSet(QStringLiteral("help"))) {
        run.answer = CommandLine::Answer::Help;
        return run;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        run.answer = CommandLine::Answer::Version;
        return run;
    }

    if (const Refusal refusal = readImportOptions(parser, run); refusal != Refusal::None)
        return refused(run, refusal, run.refusedWord);
    if (const Refusal refusal = readDueOptions(parser, run); refusal != Refusal::None)
        return refused(run, refusal);
    if (parser.isSet(backupFolder))
        run.backupFolder =
            QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(backupFolder)));
    return run;
}

QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int answerCommandLine(const CommandLine &command, const QString &defaultBackupFolder)
{
    const CommandLineAnswer answer = commandLineAnswer(command, defaultBackupFolder);
    std::fputs(answer.output.toLocal8Bit().constData(), stdout);
    std::fputs(answer.error.toLocal8Bit().constData(), stderr);
    return answer.exitStatus;
}

} // namespace tallyra
