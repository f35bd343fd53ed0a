#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/frmMoney.h"
#include "backup/frmFileOpen.h"
#include "register/DataFile.h"

#include <QAction>
#include <QDirIterator>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

using namespace tallyra;
using namespace tallyra::test;
using Box = QMessageBox;

namespace {

// `count` deposits of `cents` each, and an old entry in the last free slot that a copy of
// all 1000 lines must carry along.
QByteArray registerFile(int count, qint32 cents)
{
    Checkbook book;
    book.entryCount = qint16(count);
    for (int i = 1; i <= count; ++i)
        book.slot[i] = Entry{2001, 1, qint16(i), "DEP", "PAY", 0, cents};
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

QString described(Box::Icon icon, const QString &title, const QString &text,
                  Box::StandardButtons buttons = Box::Ok,
                  Box::StandardButton preset = Box::NoButton)
{
    return QStringLiteral("%1 %2: %3 [%4 %5]").arg(icon).arg(title, text).arg(buttons).arg(preset);
}

// Every box of backup and restore but the failure report, by title.
const QHash<QString, QString> Boxes{
    {"ERROR", described(Box::Warning, "ERROR", "No more than 8 characters!  Process aborted.")},
    {"SUCCESS", described(Box::Information, "SUCCESS", "The Backup was successful")},
    {"DISK NOT READY",
     described(Box::Critical, "DISK NOT READY", "There seems to be no disk in the drive.",
               Box::Retry | Box::Cancel)},
    {"DISK FULL",
     described(Box::Critical, "DISK FULL", "The disk is full.  Please remove disk and try again")},
    {"HUH!?",
     described(Box::Critical, "HUH!?", "What kind of file name was that?  Try to backup again.")},
    {"UH OH!", described(Box::Critical, "UH OH!",
                         "Something really weird just happened.  I haven't a clue.")},
    {"SURE", described(Box::Question, "ARE YOU REALLY REALLY SURE?",
                       "Doing this will erase your current register.  Do you wish to continue?",
                       Box::Yes | Box::No, Box::Yes)},
    {"All Was Good", described(Box::Information, "All Was Good", "The restore was successful")},
    {"NEED DISK", described(Box::Critical, "NEED DISK", "Need a disk in drive A:")},
};

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
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit normal{};
        getrlimit(RLIMIT_FSIZE, &normal);
        rlimit small = normal;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const auto failure = drive.writeFile(QStringLiteral("X.bak"), QByteArray(20000, 'z'));
        setrlimit(RLIMIT_FSIZE, &normal);
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
        const QStringList sureFailed{"SURE", "UH OH!", "FAILURE"};
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
        row("restored", "restore click cmdOk", "OTHER.bak", {}, {"SURE", "All Was Good"});
        row("by keyboard", "restore Down Up Return", "OTHER.bak", {}, {"SURE", "All Was Good"});
        row("chooser cancelled", "restore click cmdCancel", "OTHER.bak", {}, {});
        row("chooser closed", "restore click close", "OTHER.bak", {}, {});
        row("refresh, then OK", "restore click cmdRefresh cmdOk", "OTHER.bak", {}, {});
        row("no to the question", "restore click cmdOk", "OTHER.bak", {}, {"SURE"});
        row("no disk in the chooser", "restore, no disk", "", {}, {"NEED DISK"});
        row("no disk, cancel", "restore click cmdOk", "OTHER.bak", {noDisk}, {"SURE", notReady});
        row("no disk, retried", "restore click cmdOk", "OTHER.bak", {noDisk, noDisk},
            {"SURE", notReady, notReady, "All Was Good"});
        row("disk changed", "restore click cmdOk eject", "OTHER.bak", {}, sureFailed,
            "Error 2: No such file or directory");
        row("cut short", "restore click cmdOk", "SHORT.bak", {}, sureFailed,
            "Not a whole register: line 501, month: the line is cut short (no line end).");
    }
    void flows()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QList<int>, faults);
        QFETCH(QStringList, titles);
        QFETCH(QString, report);
        // A register of five one-dollar deposits; on the drive a backup of three entries, one
        // cut off half-way and a file that is no backup.
        TempWorkingFolder folder;
        FakePlatform fakes;
        const QByteArray dataFile = registerFile(5, 100);
        const QByteArray backup = registerFile(3, 2500);
        QMap<QString, QByteArray> drive{{"OTHER.bak", backup},
                                        {"SHORT.bak", backup.first(backup.size() / 2)},
                                        {"notes.txt", dataFile}};
        for (auto it = drive.cbegin(); it != drive.cend(); ++it)
            writeBytes(fakes.drive.filePath(it.key()), it.value());
        writeBytes(QLatin1String(DataFileName), dataFile);
        Checkbook book;
        FrmMoney window(book, fakes.platform);
        window.Form_Load();

        const bool backingUp = command.startsWith(QLatin1String("backup"));
        const QString file = backingUp ? name + ".bak" : name;
        const QString path = fakes.drive.filePath(file);
        for (int fault : faults)
            fakes.drive.faults.push_back(
                {DriveFailure(fault), EROFS, "Read-only file system", path});
        QStringList expected;
        for (qsizetype i = 0; i < titles.size(); ++i) {
            const bool last = i + 1 == titles.size();
            fakes.prompter.answers.push_back(titles[i] == "SURE" ? (last ? Box::No : Box::Yes)
                                             : titles[i] == "DISK NOT READY"
                                                 ? (last ? Box::Cancel : Box::Retry)
                                                 : Box::Ok);
            expected << Boxes.value(titles[i],
                                    described(Box::Critical, "FAILURE",
                                              report + "\r\nFile: " + path +
                                                  "\r\n\r\nYour register and default.dat are "
                                                  "unchanged.  The program will now end."));
        }
        if (backingUp) {
            fakes.prompter.textAnswers = {command == "backup" ? std::optional(name) : std::nullopt};
            child<QAction>(&window, QStringLiteral("mnuBackup"))->trigger();
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
            child<QAction>(&window, QStringLiteral("mnuRestore"))->trigger();
            QCOMPARE(chooser.handled(), command != "restore, no disk");
            QVERIFY(!okAtOpen || !chooser.handled());
        }

        QStringList shown;
        for (const FakePrompter::Shown &b : fakes.prompter.shown)
            shown << described(b.icon, b.title, b.text, b.buttons, b.defaultButton);
        QCOMPARE(shown, expected);
        QCOMPARE(fakes.programEnd.calls, titles.contains("FAILURE") ? 1 : 0);
        const QString outcome = titles.value(titles.size() - 1);
        if (backingUp) {
            QCOMPARE(fakes.prompter.textPrompts,
                     std::vector<QString>{"ENTER DESCRIPTION|Please enter the file description."
                                          "\r\nNo spaces and 8 characters max."});
            if (outcome == "SUCCESS")
                drive[file] = dataFile;
            QCOMPARE(filesUnder(fakes.drive.root()), drive);
        }
        const bool restored = outcome == "All Was Good";
        QCOMPARE(fileBytes(QLatin1String(DataFileName)), restored ? backup : dataFile);
        QCOMPARE(child<QLabel>(&window, QStringLiteral("lblTotal"))->text(),
                 restored ? "$75.00" : "$5.00");
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
