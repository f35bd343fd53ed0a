#include "TestSupport.h"
#include "backup/frmFileOpen.h"

#include <QAction>
#include <QDirIterator>
#include <QKeySequence>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QtTest>

#include <cerrno>

using namespace tallyra;
using namespace tallyra::test;
using Box = QMessageBox;

namespace {

const QString Sure = QStringLiteral("ARE YOU REALLY REALLY SURE?");

// The entries, and an old one in the last free slot that a copy of all 1000 lines must carry.
QByteArray registerFile(const QString &entries)
{
    Checkbook book = registerOf(entries);
    book.slot[MaxEntries] = Entry{1999, 1, 1, "OLD", "GONE", 7, 0};
    return formatDataFile(book);
}

// Every file under the folder, by its path there, with its bytes.
QMap<QString, QByteArray> filesUnder(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = fileBytes(path);
    }
    return files;
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void driveKeepsNamesInside()
    {
        QTemporaryDir parent;
        QVERIFY(QDir(parent.path()).mkpath(QStringLiteral("floppy/a")));
        Drive drive(parent.filePath(QStringLiteral("floppy")));
        QByteArray bytes;
        const auto kind = [](const std::optional<DriveError> &e) { return e ? int(e->kind) : -1; };
        for (const QString &name :
             {QString("../x.bak"), QString("a/b.bak"), QString("a\\b.bak"), QString(".."),
              QStringLiteral("x%1.bak").arg(QChar(0)), QString(300, u'x') + ".bak"}) {
            QVERIFY2(kind(drive.writeFile(name, "x")) == int(DriveFailure::BadFileName) &&
                         kind(drive.readFile(name, bytes)) == int(DriveFailure::BadFileName),
                     qPrintable(name));
        }
        Drive noDisk(parent.filePath(QStringLiteral("none")));
        QCOMPARE(kind(noDisk.writeFile(QStringLiteral("x.bak"), "x")), int(DriveFailure::NotReady));
        QVERIFY(filesUnder(parent.path()).isEmpty());
    }

    void failedWriteKeepsEarlierFile()
    {
        QTemporaryDir root;
        Drive drive(root.path());
        QVERIFY(!drive.writeFile(QStringLiteral("X.bak"), "first"));
        QVERIFY(!drive.writeFile(QStringLiteral("X.bak"), "second"));
        // A file size limit cuts the next write off half-way.
        std::optional<DriveError> failure;
        withFileSizeLimit(4096, [&] {
            failure = drive.writeFile(QStringLiteral("X.bak"), QByteArray(20000, 'z'));
        });
        QCOMPARE(failure.value_or(DriveError{}).systemError, EFBIG);
        QCOMPARE(filesUnder(root.path()), (QMap<QString, QByteArray>{{"X.bak", "second"}}));
    }

    void flows_data()
    {
        // "backup" types the name, "backup cancel" cancels the input box. After "restore" come
        // the user's steps in the chooser: click the file, press a button, close the window,
        // take the disk out, press a key.
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("faults");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("report"); // first line of the FAILURE box
        const int noDisk = int(DriveFailure::NotReady);
        const QString notReady = QStringLiteral("DISK NOT READY");
        const QStringList sureFailed{Sure, "UH OH!", "FAILURE"};
        const auto row = [](const char *name, const char *command, const char *file,
                            QList<int> faults, QStringList titles, QString report = {}) {
            QTest::newRow(name) << command << file << faults << titles << report;
        };
        row("8 characters", "backup", "12345678", {}, {"SUCCESS"});
        row("9 characters", "backup", "123456789", {}, {"ERROR"});
        row("cancelled", "backup cancel", "", {}, {});
        row("blank and case kept", "backup", "My bak", {}, {"SUCCESS"});
        row("folder part", "backup", "../x", {}, {"HUH!?"});
        row("disk full", "backup", "OTHER", {int(DriveFailure::DiskFull)}, {"DISK FULL"});
        row("other failure", "backup", "OTHER", {int(DriveFailure::Other)}, {"UH OH!", "FAILURE"},
            "Error 30: Read-only file system");
        row("retried, replaced", "backup", "OTHER", {noDisk, noDisk},
            {notReady, notReady, "SUCCESS"});
        row("restored", "restore click cmdOk", "OTHER.bak", {}, {Sure, "All Was Good"});
        row("by keyboard", "restore Down Up Return", "OTHER.bak", {}, {Sure, "All Was Good"});
        row("chooser cancelled", "restore click cmdCancel", "OTHER.bak", {}, {});
        row("chooser closed", "restore click close", "OTHER.bak", {}, {});
        row("refresh, then OK", "restore click cmdRefresh cmdOk", "OTHER.bak", {}, {});
        row("no to the question", "restore click cmdOk", "OTHER.bak", {}, {Sure});
        row("no disk in the chooser", "restore, no disk", "", {}, {"NEED DISK"});
        row("no disk, cancel", "restore click cmdOk", "OTHER.bak", {noDisk}, {Sure, notReady});
        row("no disk, retried", "restore click cmdOk", "OTHER.bak", {noDisk, noDisk},
            {Sure, notReady, notReady, "All Was Good"});
        row("disk changed", "restore click cmdOk eject", "OTHER.bak", {}, sureFailed,
            "Error 2: No such file or directory");
        row("cut short", "restore click cmdOk", "SHORT.bak", {}, sureFailed,
            "Not a whole register: line 501, day: the line is cut short (no line end).");
    }
    void flows()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QList<int>, faults);
        QFETCH(QStringList, titles);
        QFETCH(QString, report);
        // A register of five one-dollar deposits; on the drive a backup of three, the same
        // backup cut off half-way and a file that is no backup.
        MainWindow f;
        FakePlatform &fakes = f.fakes;
        const QByteArray dataFile = registerFile("1/1D 1/2D 1/3D 1/4D 1/5D");
        const QByteArray backup = registerFile("1/1D 1/2D 1/3D");
        QMap<QString, QByteArray> drive{{"OTHER.bak", backup},
                                        {"SHORT.bak", backup.first(backup.size() / 2)},
                                        {"notes.txt", dataFile}};
        for (auto it = drive.cbegin(); it != drive.cend(); ++it)
            writeBytes(fakes.drive.filePath(it.key()), it.value());
        f.load(dataFile);

        const bool backingUp = command.startsWith(QLatin1String("backup"));
        const QString file = backingUp ? name + ".bak" : name;
        const QString path = fakes.drive.filePath(file);
        for (int fault : faults)
            fakes.drive.faults.push_back(
                {DriveFailure(fault), EROFS, "Read-only file system", path});
        for (qsizetype i = 0; i < titles.size(); ++i) {
            const bool last = i + 1 == titles.size();
            fakes.prompter.answers.push_back(titles[i] == Sure ? (last ? Box::No : Box::Yes)
                                             : titles[i] == "DISK NOT READY"
                                                 ? (last ? Box::Cancel : Box::Retry)
                                                 : Box::Ok);
        }
        if (backingUp) {
            fakes.prompter.textAnswers = {command == "backup" ? std::optional(name) : std::nullopt};
            f.get<QAction>(QStringLiteral("mnuBackup"))->trigger();
        } else {
            if (command == "restore, no disk")
                QVERIFY(QDir(fakes.drive.root()).removeRecursively());
            bool okAtOpen = true;
            NextModal<FrmFileOpen> chooser([&](FrmFileOpen *chooser) {
                okAtOpen = child<QPushButton>(chooser, QStringLiteral("cmdOk"))->isEnabled();
                auto *list = child<QListWidget>(chooser, QStringLiteral("fliBackup"));
                for (const QString &step : command.split(u' ').mid(1)) {
                    if (step == "click") {
                        for (QListWidgetItem *item : list->findItems(file, Qt::MatchExactly))
                            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                              list->visualItemRect(item).center());
                    } else if (step == "close") {
                        chooser->close();
                    } else if (step == "eject") {
                        QFile::remove(path);
                    } else if (step.startsWith(QLatin1String("cmd"))) {
                        child<QPushButton>(chooser, step)->click();
                    } else {
                        QTest::keyClick(list, QKeySequence(step)[0].key());
                    }
                }
            });
            f.get<QAction>(QStringLiteral("mnuRestore"))->trigger();
            QCOMPARE(chooser.handled(), command != "restore, no disk");
            QVERIFY(!okAtOpen || !chooser.handled());
        }

        QCOMPARE(fakes.prompter.titles(), titles);
        // The failure report says what failed, in the system's words, and on which file.
        if (!report.isEmpty())
            QCOMPARE(fakes.prompter.shown.back().text.section("\r\n", 0, 1),
                     report + "\r\nFile: " + path);
        QCOMPARE(fakes.programEnd.calls, titles.contains("FAILURE") ? 1 : 0);
        const QString outcome = titles.value(titles.size() - 1);
        if (backingUp) {
            if (outcome == "SUCCESS")
                drive[file] = dataFile;
            QCOMPARE(filesUnder(fakes.drive.root()), drive);
        }
        const bool restored = outcome == "All Was Good";
        QCOMPARE(f.file(), restored ? backup : dataFile);
        QCOMPARE(f.label(QStringLiteral("lblTotal")), restored ? "$3.00" : "$5.00");
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
