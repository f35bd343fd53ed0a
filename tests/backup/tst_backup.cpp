// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "backup/frmFileOpen.h"

#include <QAction>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QStandardPaths>

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

// Every file in the folder, by name, with its bytes.
QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files[name] = fileBytes(QDir(folder).filePath(name));
    return files;
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // A write cut off half-way (here by a file size limit) leaves the earlier file as it was,
    // and a root that is not there is a drive without a disk.
    void driveWritesWholeFilesOnly()
    {
        QTemporaryDir root;
        Drive drive(root.path());
        QVERIFY(!drive.writeFile(QStringLiteral("X.bak"), "first"));
        std::optional<DriveError> failure;
        withFileSizeLimit(4096, [&] {
            failure = drive.writeFile(QStringLiteral("X.bak"), QByteArray(20000, 'z'));
        });
        QCOMPARE(failure.value_or(DriveError{}).systemError, EFBIG);
        QCOMPARE(filesIn(root.path()), (QMap<QString, QByteArray>{{"X.bak", "first"}}));
        Drive noDisk(root.filePath(QStringLiteral("none")));
        QCOMPARE(noDisk.writeFile(QStringLiteral("x.bak"), "x").value_or(DriveError{}).kind,
                 DriveFailure::NotReady);
    }

    void flows_data()
    {
        // A backup file's name is picked in the chooser to restore it; any other name is typed
        // as the description of a backup.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("faults");
        QTest::addColumn<QStringList>("titles");
        const int noDisk = int(DriveFailure::NotReady);
        const QString notReady = QStringLiteral("DISK NOT READY");
        const auto row = [](const char *name, const char *file, QList<int> faults,
                            QStringList titles) {
            QTest::newRow(name) << file << faults << titles;
        };
        row("8 characters", "12345678", {}, {"SUCCESS"});
        row("9 characters", "123456789", {}, {"ERROR"});
        // Nothing is written outside the drive's root.
        row("folder part", "../x", {}, {"HUH!?"});
        row("disk full", "OTHER", {int(DriveFailure::DiskFull)}, {"DISK FULL"});
        row("other failure", "OTHER", {int(DriveFailure::Other)}, {"UH OH!", "FAILURE"});
        row("retried, replaced", "OTHER", {noDisk, noDisk}, {notReady, notReady, "SUCCESS"});
        row("restored", "OTHER.bak", {}, {Sure, "All Was Good"});
        row("no to the question", "OTHER.bak", {}, {Sure});
        row("no disk, cancel", "OTHER.bak", {noDisk}, {Sure, notReady});
        row("cut short", "SHORT.bak", {}, {Sure, "UH OH!", "FAILURE"});
        // A description that begins with a full stop makes a hidden file, offered all the same.
        row("hidden backup made", ".hidden", {}, {"SUCCESS"});
        row("hidden backup restored", ".hidden.bak", {}, {Sure, "All Was Good"});
    }
    void flows()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, faults);
        QFETCH(QStringList, titles);
        // A register of five one-dollar deposits; on the drive a backup of three and the same
        // backup cut off half-way.
        MainWindow f;
        const QByteArray dataFile = registerFile("1/1D 1/2D 1/3D 1/4D 1/5D");
        const QByteArray backup = registerFile("1/1D 1/2D 1/3D");
        QMap<QString, QByteArray> drive{{"OTHER.bak", backup},
                                        {"SHORT.bak", backup.first(backup.size() / 2)},
                                        {".hidden.bak", backup}};
        for (auto it = drive.cbegin(); it != drive.cend(); ++it)
            writeBytes(f.fakes.drive.filePath(it.key()), it.value());
        f.load(dataFile);

        const bool backingUp = !name.endsWith(QLatin1String(".bak"));
        const QString file = backingUp ? name + ".bak" : name;
        for (int fault : faults)
            f.fakes.drive.faults.push_back({DriveFailure(fault), 0, {}, {}});
        // The question and the drive's retry box go on until the last box; other boxes only
        // take the answer.
        for (qsizetype i = 0; i < titles.size(); ++i)
            f.fakes.prompter.answers.push_back(i + 1 == titles.size() ? Box::Cancel
                                               : titles[i] == Sure    ? Box::Yes
                                                                      : Box::Retry);
        if (backingUp) {
            f.fakes.prompter.textAnswers = {name};
            f.get<QAction>(QStringLiteral("mnuBackup"))->trigger();
        } else {
            NextModal<FrmFileOpen> chooser([&](FrmFileOpen *chooser) {
                auto *list = child<QListWidget>(chooser, QStringLiteral("fliBackup"));
                list->setCurrentItem(list->findItems(file, Qt::MatchExactly).value(0));
                QTest::keyClick(list, Qt::Key_Return);
            });
            f.get<QAction>(QStringLiteral("mnuRestore"))->trigger();
        }

        QCOMPARE(f.fakes.prompter.titles(), titles);
        QCOMPARE(f.fakes.programEnd.calls, titles.contains("FAILURE") ? 1 : 0);
        if (titles.contains("SUCCESS"))
            drive[file] = dataFile;
        QCOMPARE(filesIn(f.fakes.drive.root()), drive);
        const bool restored = titles.contains("All Was Good");
        QCOMPARE(f.file(), restored ? backup : dataFile);
        QCOMPARE(f.label(QStringLiteral("lblTotal")), restored ? "$3.00" : "$5.00");
    }

    // The folder chosen with File > Backup Folder... is where backups go and where the chooser
    // looks; it is remembered, and a folder that goes away is a drive without a disk until it
    // is back.
    void chosenBackupFolder()
    {
        MainWindow f;
        f.load(registerFile("1/1D 1/2D 1/3D"));
        QTemporaryDir stick;
        const QString folder = stick.filePath(QStringLiteral("STICK"));
        QVERIFY(QDir().mkdir(folder));
        f.fakes.prompter.folderAnswers = {folder};
        f.get<QAction>(QStringLiteral("mnuBackupFolder"))->trigger();
        QCOMPARE(f.fakes.settings.folder, std::optional<QString>(folder));
        QVERIFY(f.get<QAction>(QStringLiteral("mnuBackupFolder"))->statusTip().endsWith(folder));

        // Pulled out, then put back while the retry question is open.
        QVERIFY(QDir(folder).removeRecursively());
        f.fakes.prompter.whileShown = [&](const QString &title) {
            if (title == QLatin1String("DISK NOT READY"))
                QDir().mkdir(folder);
        };
        f.fakes.prompter.textAnswers = {QStringLiteral("MAY")};
        f.fakes.prompter.answers = {Box::Retry, Box::Ok};
        f.get<QAction>(QStringLiteral("mnuBackup"))->trigger();
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"DISK NOT READY", "SUCCESS"}));
        QCOMPARE(filesIn(folder), (QMap<QString, QByteArray>{{"MAY.bak", f.file()}}));
        QVERIFY(filesIn(f.fakes.driveFolder.path()).isEmpty());

        f.fakes.prompter.shown.clear();
        f.load(registerFile("1/1D"));
        NextModal<FrmFileOpen> chooser([&](FrmFileOpen *chooser) {
            auto *list = child<QListWidget>(chooser, QStringLiteral("fliBackup"));
            QCOMPARE(list->count(), 1);
            // Chosen by keyboard: a single file is chosen by the first arrow.
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        });
        f.fakes.prompter.answers = {Box::Yes, Box::Ok};
        f.get<QAction>(QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{Sure, "All Was Good"}));
        QCOMPARE(f.label(QStringLiteral("lblTotal")), QStringLiteral("$3.00"));
    }

    // The command line wins for its run only; the remembered folder survives a restart.
    void backupFolderInUse_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("remembered"); // empty: none
        QTest::addColumn<QString>("inUse");
        const QString stick = QStringLiteral("/media/u/STICK");
        QTest::newRow("built in") << QString() << QString() << "/media/floppy";
        QTest::newRow("remembered") << QString() << stick << stick;
        QTest::newRow("command line") << "/tmp/b" << stick << "/tmp/b";
    }
    void backupFolderInUse()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, remembered);
        QStandardPaths::setTestModeEnabled(true);
        QtSettings().setBackupFolder(remembered);
        // As the next start reads it.
        QTEST(tallyra::backupFolderInUse(commandLine, QtSettings().backupFolder(),
                                         QStringLiteral("/media/floppy")),
              "inUse");
        QCOMPARE(QtSettings().backupFolder().value_or(QString()), remembered);
    }

    // New Record and Restore keep the register they replace, when it holds entries, under a
    // name no earlier copy has; without the copy, or answered No, nothing is replaced.
    void replacedRegisterIsKept_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("kept");    // the copy's name, empty: none
        QTest::addColumn<QString>("refusal"); // the last box when nothing is replaced
        const auto row = [](const char *name, const char *menu, const char *entries,
                            const char *kept, const char *refusal) {
            QTest::newRow(name) << QString(menu) << QString(entries) << QString(kept)
                                << QString(refusal);
        };
        row("new, twice", "mnuNew", "1/1D 1/2D", "default.dat.before-new", "");
        row("restore, twice", "mnuRestore", "1/1D 1/2D", "default.dat.before-restore", "");
        row("empty register", "mnuNew", "", "", "");
        row("new, No", "mnuNew", "1/1D 1/2D", "", "Are You Sure");
        row("copy fails", "mnuNew", "1/1D 1/2D", "", "COPY FAILED");
    }
    void replacedRegisterIsKept()
    {
        QFETCH(QString, menu);
        QFETCH(QString, entries);
        QFETCH(QString, kept);
        QFETCH(QString, refusal);
        MainWindow f;
        const QByteArray restored = registerFile("3/3W");
        writeBytes(f.fakes.drive.filePath(QStringLiteral("OLD.bak")), restored);
        const QByteArray first = registerFile(entries);
        f.load(first);
        const bool copyFails = refusal == QLatin1String("COPY FAILED");
        const auto replace = [&] {
            NextModal<FrmFileOpen> chooser([&](FrmFileOpen *chooser) {
                child<QListWidget>(chooser, QStringLiteral("fliBackup"))->setCurrentRow(0);
                QTest::mouseClick(child<QPushButton>(chooser, QStringLiteral("cmdOk")),
                                  Qt::LeftButton);
            });
            f.fakes.prompter.answers = {copyFails || refusal.isEmpty() ? Box::Yes : Box::No,
                                        Box::Ok};
            withFileSizeLimit(copyFails ? 4096 : RLIM_INFINITY,
                              [&] { f.get<QAction>(menu)->trigger(); });
        };
        replace();
        if (!refusal.isEmpty()) {
            QCOMPARE(f.fakes.prompter.titles().last(), refusal);
            QCOMPARE(f.file(), first);
            QCOMPARE(QDir().entryList(QDir::Files), QStringList{"default.dat"});
            return;
        }
        // Again over another register: the first copy stays as it is.
        const QByteArray second = entries.isEmpty() ? first : registerFile(entries + " 1/3D");
        f.load(second);
        replace();
        const bool isNew = menu == QLatin1String("mnuNew");
        QMap<QString, QByteArray> expected{{"default.dat", isNew ? emptyDataFile() : restored}};
        if (!kept.isEmpty()) {
            expected[kept] = first;
            expected[kept + ".1"] = second;
        }
        QCOMPARE(filesIn(QDir::currentPath()), expected);
        QCOMPARE(f.label("lblTotal") + f.label("lblRecNum"),
                 isNew ? "$.000 / 1000" : "-$1.001 / 1000");
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
