// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "register/Checkbook.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

namespace tallyra {

namespace {

QList<QCommandLineOption> programOptions()
{
    QList<QCommandLineOption> options{
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QStringLiteral("Show the version number and exit.")},
        {QStringLiteral("backup-folder"),
         QStringLiteral("Use DIR as the backup folder for this run only."), QStringLiteral("DIR")},
        {QStringLiteral("import"),
         QStringLiteral(
             "Add a bank statement (OFX, QFX, QIF or CSV) to default.dat, without a "
             "window, and mark the entries it shows cleared; - reads it from standard input."),
         QStringLiteral("FILE")},
        {QStringLiteral("dry-run"), QStringLiteral("With --import: show, but write no file.")},
        {QStringLiteral("due"),
         QStringLiteral("List the recurring entries due up to today, without a window.")},
        {QStringLiteral("enter"),
         QStringLiteral("With --due: enter them in default.dat as one change.")},
        {QStringLiteral("csv-columns"),
         QStringLiteral("With --import: what each CSV column holds, in order, e.g. "
                        "date,check,payee,withdrawal,deposit"),
         QStringLiteral("LIST")},
        {QStringLiteral("date-order"),
         QStringLiteral("With --import: read 03/04/2026 month first (mdy) or day first (dmy)."),
         QStringLiteral("mdy|dmy")},
    };
    // QApplication reads these itself once the command line is accepted; they are known here
    // so that the usual Qt options (-style fusion, -platform offscreen) are not refused.
    const auto qtOption = [](const char *name, const QString &valueName) {
        QCommandLineOption option(QLatin1String(name), {}, valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        return option;
    };
    for (const char *name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"})
        options.append(qtOption(name, QStringLiteral("value")));
    for (const char *name : {"reverse", "widgetcount"})
        options.append(qtOption(name, {}));
    return options;
}

QString helpText(const QList<QCommandLineOption> &options, const QString &defaultBackupFolder)
{
    QString text = QStringLiteral("Usage: %1 [options]\n"
                                  "       %1 --import FILE [--dry-run] [--csv-columns LIST] "
                                  "[--date-order mdy|dmy]\n"
                                  "       %1 --due [--enter]\n"
                                  "Keeps the register of one checking account in default.dat in "
                                  "the current folder.\n\nOptions:\n")
                       .arg(QLatin1String(ProgramName));
    for (const QCommandLineOption &option : options) {
        if (option.flags() & QCommandLineOption::HiddenFromHelp)
            continue;
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = names.join(QLatin1String(", "));
        if (!option.valueName().isEmpty())
            left += u' ' + option.valueName();
        text += QStringLiteral("  %1 %2\n").arg(left, -21).arg(option.description());
    }
    return text +
           QStringLiteral("\nBackups go to the backup folder: the one chosen with\n"
                          "File > Backup Folder..., or else %1,\n"
                          "made when first used. --backup-folder DIR overrides both for one run.\n")
               .arg(defaultBackupFolder) +
           QStringLiteral("\nA register holds at most %1 entries. File > Carry Forward... moves\n"
                          "the entries before a date to an archive in the backup folder and\n"
                          "puts one BALANCE FORWARD entry in their place; once a statement is\n"
                          "balanced, only the reconciled ones move.\n")
               .arg(MaxEntries) +
           QStringLiteral(
               "\nTo balance against a paper statement, File > Reconcile...: type its end date\n"
               "and ending balance, tick the entries it shows until the difference is\n"
               "$.00 and press Finish. A statement file is balanced by File > Import\n"
               "Statement... or --import FILE. The marks (c cleared, R reconciled) and\n"
               "the statements balanced are kept in default.dat.state.\n") +
           QStringLiteral(
               "\nEdit > Recurring Entries... keeps the entries that come back (rent, pay,\n"
               "automatic payments). Those due are listed when the program starts, every\n"
               "date missed since, oldest first; --due --enter enters them from a timer.\n");
}

CommandLine refuse(const QString &reason)
{
    const QString program = QLatin1String(ProgramName);
    return {UsageError,
            {},
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, reason),
            {}};
}

// The import's options into `run`; the reason when they do not go together.
QString readImportOptions(const QCommandLineParser &parser, CommandLine &run)
{
    const QString import = QStringLiteral("import");
    if (!parser.isSet(import)) {
        for (const char *option : {"dry-run", "csv-columns", "date-order"}) {
            if (parser.isSet(QLatin1String(option)))
                return QStringLiteral("--%1 goes with --import").arg(QLatin1String(option));
        }
        return QString();
    }
    run.importFile = parser.value(import);
    if (run.importFile.isEmpty())
        return QStringLiteral("--import needs the name of a statement file");
    run.dryRun = parser.isSet(QStringLiteral("dry-run"));
    run.csvColumns = parser.value(QStringLiteral("csv-columns"));
    const QString order = parser.value(QStringLiteral("date-order")).toLower();
    if (!order.isEmpty() && order != u"mdy" && order != u"dmy")
        return QStringLiteral("--date-order is mdy or dmy");
    run.dateOrder = order;
    return QString();
}

QString readDueOptions(const QCommandLineParser &parser, CommandLine &run)
{
    run.due = parser.isSet(QStringLiteral("due"));
    run.enterDue = parser.isSet(QStringLiteral("enter"));
    if (run.enterDue && !run.due)
        return QStringLiteral("--enter goes with --due");
    if (run.due && !run.importFile.isEmpty())
        return QStringLiteral("--due and --import are run one at a time");
    return QString();
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments, const QString &defaultBackupFolder)
{
    const QList<QCommandLineOption> options = programOptions();
    QCommandLineParser parser;
    // As QApplication reads its own options: "-style" is one option, not -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    const QString backupFolder = QStringLiteral("backup-folder");
    if (parser.isSet(backupFolder) && parser.value(backupFolder).isEmpty())
        return refuse(QStringLiteral("--backup-folder needs the name of a folder"));
    if (parser.isSet(QStringLiteral("help")))
        return {0, helpText(options, defaultBackupFolder), {}, {}};
    if (parser.isSet(QStringLiteral("version")))
        return {
            0,
            QStringLiteral("%1 %2\n").arg(QLatin1String(ProgramName), QLatin1String(VersionText)),
            {},
            {}};

    CommandLine run;
    if (const QString refused = readImportOptions(parser, run); !refused.isEmpty())
        return refuse(refused);
    if (const QString refused = readDueOptions(parser, run); !refused.isEmpty())
        return refuse(refused);
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

int answerCommandLine(const CommandLine &command)
{
    std::fputs(command.output.toLocal8Bit().constData(), stdout);
    std::fputs(command.error.toLocal8Bit().constData(), stderr);
    return command.exitStatus.value_or(0);
}

} // namespace tallyra
