// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QDir>
#include <QTest>

using namespace tallyra;

// What the program run without a display does not show: the folder a run gets, the Qt
// options let through, and which answer wins when options meet.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // -1: the program runs
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("backupFolder");
        const QString refusal =
            QStringLiteral("tallyra: %1\nTry 'tallyra --help' for more information.\n");
        QTest::newRow("backup folder, relative, with =")
            << QStringList{"--backup-folder=old/../backups"} << -1 << QString() << QString()
            << QDir::current().absoluteFilePath("backups");
        QTest::newRow("Qt's own options") << QStringList{"-style", "fusion", "-reverse"} << -1
                                          << QString() << QString() << QString();
        QTest::newRow("-v after a backup folder")
            << QStringList{"--backup-folder", "/mnt/backups", "-v"} << 0 << "tallyra 1.3\n"
            << QString() << QString();
        QTest::newRow("unknown option beside --help")
            << QStringList{"--help", "-x"} << 2 << QString() << refusal.arg("Unknown option 'x'.")
            << QString();
        QTest::newRow("empty folder")
            << QStringList{"--backup-folder="} << 2 << QString()
            << refusal.arg("--backup-folder needs the name of a folder") << QString();
        QTest::newRow("Qt option without its value")
            << QStringList{"-style"} << 2 << QString()
            << refusal.arg("Missing value after '-style'.") << QString();
    }
    void read()
    {
        QFETCH(QStringList, arguments);
        const CommandLine command = readCommandLine(QStringList{"tallyra"} + arguments, "/f");
        QTEST(command.exitStatus.value_or(-1), "status");
        QTEST(command.output, "output");
        QTEST(command.error, "error");
        QTEST(command.backupFolder, "backupFolder");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
