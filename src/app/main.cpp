#include "app/frmMoney.h"
#include "platform/Platform.h"
#include "platform/PrinterSurface.h"
#include "register/Checkbook.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyra"));
    // Lets the desktop tie the windows to the installed entry and show its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tallyra"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tallyra")));

    tallyra::Checkbook book;
    tallyra::QtPrompter prompter;
    tallyra::SystemClock clock;
    tallyra::AppProgramEnd programEnd;
    tallyra::Drive drive(tallyra::driveARoot());
    tallyra::DefaultPrinter printer;
    tallyra::Platform platform{prompter, clock, programEnd, drive, printer};

    tallyra::FrmMoney window(book, platform);
    window.Form_Load();
    // "No" to the missing-file question ends the program before the window is ever shown.
    if (programEnd.endRequested())
        return 0;
    window.show();
    return app.exec();
}
