// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/frmMoney.h"
#include "platform/Console.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "platform/PrinterSurface.h"
#include "platform/QuitOnSignals.h"
#include "recurring/DueCommand.h"
#include "register/DataFile.h"
#include "register/RegisterDocument.h"
#include "statement/ImportCommand.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <cstdio>

namespace {

// From the program's resources: the icon theme's copy costs a search of the theme and all
// seven sizes at the first window, some 20 ms more under X11 against 4 ms for these three.
QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/tallyra-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Both names make the settings file ~/.config/Tallyra/Tallyra.conf; without an organization
// QSettings refuses to read or write.
void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tallyra"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallyra"));
}

// tallyra --import FILE: no window, so no display is needed.
int importWithoutWindow(const tallyra::CommandLine &command, int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    nameApplication();
    tallyra::installTranslations();
    tallyra::RegisterDocument document;
    tallyra::QtSettings settings;
    const tallyra::DateOrder order = command.dateOrder == u"mdy"   ? tallyra::DateOrder::MonthFirst
                                     : command.dateOrder == u"dmy" ? tallyra::DateOrder::DayFirst
                                                                   : tallyra::DateOrder::Undecided;
    QFile input;
    if (tallyra::namesStandardInput(command.importFile)) {
        if (const QString refused = tallyra::openStandardInput(input); !refused.isEmpty()) {
            std::fprintf(stderr, "tallyra: %s\n", refused.toLocal8Bit().constData());
            return tallyra::ImportUsage;
        }
    }
    const tallyra::ImportOutcome outcome =
        tallyra::runImport({command.importFile, command.dryRun, command.csvColumns, order, &input},
                           document, settings);
    std::fputs(outcome.output.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.error.toLocal8Bit().constData(), stderr);
    return outcome.status;
}

// tallyra --due [--enter]: no window either, so that a timer can run it.
int dueWithoutWindow(const tallyra::CommandLine &command, int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    nameApplication();
    tallyra::installTranslations();
    tallyra::RegisterDocument document;
    const tallyra::DueOutcome outcome =
        tallyra::runDue(command.enterDue, tallyra::SystemClock().today(), document);
    std::fputs(outcome.output.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.error.toLocal8Bit().constData(), stderr);
    return outcome.status;
}

// tallyra --help, --version or a command line not understood: answered in the user's
// language, without a display and without touching default.dat.
int answerWithoutWindow(const tallyra::CommandLine &command, int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    tallyra::installTranslations();
    return tallyra::answerCommandLine(command, tallyra::defaultBackupFolder());
}

} // namespace

int main(int argc, char *argv[])
{
    // Read before any application exists, which QApplication would need a display for.
    const tallyra::CommandLine command =
        tallyra::readCommandLine(tallyra::commandLineArguments(argc, argv));
    const bool answered = command.answer != tallyra::CommandLine::Answer::None;
    if (answered || !command.importFile.isEmpty() || command.due)
        tallyra::useParentConsole();
    if (answered)
        return answerWithoutWindow(command, argc, argv);
    if (!command.importFile.isEmpty())
        return importWithoutWindow(command, argc, argv);
    if (command.due)
        return dueWithoutWindow(command, argc, argv);

    QApplication app(argc, argv);
    nameApplication();
    tallyra::installTranslations();
    // Lets a Wayland desktop tie the windows to the installed desktop entry.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tallyra"));
    QApplication::setWindowIcon(windowIcon());

    tallyra::QtPrompter prompter;
    tallyra::SystemClock clock;
    tallyra::AppProgramEnd programEnd;
    tallyra::QtSettings settings;
    const tallyra::BackupFolder backupFolder =
        tallyra::backupFolderInUse(command.backupFolder, settings.backupFolder());
    tallyra::Drive drive(backupFolder.path, backupFolder.missing);
    tallyra::DefaultPrinter printer;
    tallyra::Platform platform{prompter, clock, programEnd, drive, printer, settings};

    tallyra::quitOnSignals(programEnd);

    // The document outlives the window, and its lock is let go as the program ends.
    tallyra::RegisterDocument document;
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &document,
                     &tallyra::RegisterDocument::releaseLock);
    tallyra::FrmMoney window(document, platform);
    window.Form_Load();
    // "No" to the missing-file question ends the program before the window is ever shown.
    if (programEnd.endRequested())
        return 0;
    window.show();
    return app.exec();
}
