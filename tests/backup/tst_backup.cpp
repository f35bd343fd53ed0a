// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "backup/BackupCopy.h"
#include "backup/frmFileOpen.h"

#include <QAction>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

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

// File > Restore, the backup chosen by keyboard: its name typed, or with none the first arrow
// (which chooses the file under the cursor), then Return.
void restore(MainWindow &f, const QString &typed = {})
{
    NextModal<FrmFileOpen> chooser([&](FrmFileOpen *chooser) {
        auto *list = child<QListWidget>(chooser, QStringLiteral("fliBackup"));
        list->setFocus();
        typed.isEmpty() ? QTest::keyClick(list, Qt::Key_Down) : QTest::keyClicks(list, typed);
        QTest::keyClick(list, Qt::Key_Return);
    });
    f.get<QAction>(QStringLiteral("mnuRestore"))->trigger();
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Without an organization's name QSettings remembers nothing; the program sets it.
        QCoreApplication::setOrganizationName(QStringLiteral("Tallyra"));
    }
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void flows_data()
    {
        // A backup file's name is picked in the chooser to restore it; any other name is typed
        // as the description of a backup. One that begins with a full stop makes a hidden
        // file, offered all the same. A backup that fails is cut off by a file size limit, and
        // leaves the earlier file whole.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("faults");
        QTest::addColumn<QStringList>("titles");
        const int noDisk = int(DriveFailure::NotReady);
        const QString notReady = QStringLiteral("DISK NOT READY");
        const auto row = [](const char *tag, QString name, QList<int> faults, QStringList titles) {
            QTest::newRow(tag) << name << faults << titles;
        };
        row("8 characters, hidden", ".hidden1", {}, {"SUCCESS"});
        row("9 characters", "123456789", {}, {"ERROR"});
        // Nothing is written outside the drive's root.
        row("folder part", "../x", {}, {"HUH!?"});
        row("disk full", "OTHER", {int(DriveFailure::DiskFull)}, {"DISK FULL"});
        row("cut off, ends the program", "OTHER", {}, {"UH OH!", "FAILURE"});
        row("retried, replaced", "OTHER", {noDisk, noDisk}, {notReady, notReady, "SUCCESS"});
        row("hidden restored", ".hidden.bak", {}, {Sure, "All Was Good"});
        row("no to the question", "OTHER.bak", {}, {Sure});
    }
    void flows()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, faults);
        QFETCH(QStringList, titles);
        // A register of five one-dollar deposits; on the drive a backup of three.
        MainWindow f;
        const QByteArray dataFile = registerFile("1/1D 1/2D 1/3D 1/4D 1/5D");
        const QByteArray backup = registerFile("1/1D 1/2D 1/3D");
        QMap<QString, QByteArray> drive{{"OTHER.bak", backup}, {".hidden.bak", backup}};
        for (auto it = drive.cbegin(); it != drive.cend(); ++it)
            writeBytes(f.fakes.drive.filePath(it.key()), it.value());
        f.load(dataFile);
        for (int fault : faults)
            f.fakes.drive.faults.push_back({DriveFailure(fault), 0, {}, {}});
        // The question and the drive's retry box go on until the last box; other boxes only
        // take the answer.
        for (const QString &title : titles)
            f.fakes.prompter.answers.push_back(title == Sure ? Box::Yes : Box::Retry);
        f.fakes.prompter.answers.back() = Box::Cancel;
        f.fakes.prompter.textAnswers = {name};
        const bool restoring = name.endsWith(QLatin1String(".bak"));
        WITH_FILE_SIZE_LIMIT(!restoring && titles.contains("FAILURE") ? 4096 : NoFileSizeLimit,
                             [&] {
                                 restoring ? restore(f, name)
                                           : f.get<QAction>(QStringLiteral("mnuBackup"))->trigger();
                             });

        QCOMPARE(f.fakes.prompter.titles(), titles);
        QCOMPARE(f.fakes.programEnd.calls, titles.contains("FAILURE") ? 1 : 0);
        if (titles.contains("SUCCESS"))
            drive[name + ".bak"] = dataFile;
        QCOMPARE(filesIn(f.fakes.drive.root()), drive);
        const bool restored = titles.contains("All Was Good");
        QCOMPARE(f.file(), restored ? backup : dataFile);
        QCOMPARE(f.label(QStringLiteral("lblTotal")), restored ? "$3.00" : "$5.00");
    }

    // The cleared marks and reconciliations go beside a backup, under its name and ".state",
    // and come back with it over a register of other marks. A backup with none leaves no
    // earlier backup's marks beside it; marks that do not read are lost, and the status bar
    // says so.
    void marksGoWithTheBackup_data()
    {
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QByteArray>("damaged"); // written over the marks before the restore
        QTest::addColumn<QString>("told");
        QTest::newRow("marked") << true << QByteArray() << "Restored MAY.bak";
        QTest::newRow("none, earlier ones removed") << false << QByteArray() << "Restored MAY.bak";
        QTest::newRow("damaged")
            << true << QByteArray("tallyra-state 1\nstatement\t2001-13-01\t5\n")
            << "Restored MAY.bak; its cleared marks were lost: MAY.bak.state could not be used "
               "(line 2, a statement that does not read)";
    }
    void marksGoWithTheBackup()
    {
        QFETCH(bool, marked);
        QFETCH(QByteArray, damaged);
        QFETCH(QString, told);
        MainWindow f;
        Checkbook backedUp = registerOf("1/1D 1/2W 1/3W");
        Companion statements;
        if (marked) {
            mark(backedUp, "rc", 20010102);
            statements = {{{20010102, 100}}, StatementBalance{20010201, 0}, {}};
            writeBytes("default.dat.state", formatCompanion(backedUp, statements));
        } else {
            writeBytes(f.fakes.drive.filePath("MAY.bak.state"), "an earlier backup's marks");
        }
        f.load(backedUp);
        f.fakes.prompter.textAnswers = {QStringLiteral("MAY")};
        f.fakes.prompter.answers = {Box::Ok, Box::Yes, Box::Ok};
        f.get<QAction>(QStringLiteral("mnuBackup"))->trigger();
        QMap<QString, QByteArray> drive{{"MAY.bak", f.file()}};
        if (marked)
            drive["MAY.bak.state"] = formatCompanion(backedUp, statements);
        QCOMPARE(filesIn(f.fakes.drive.root()), drive);

        if (!damaged.isNull())
            writeBytes(f.fakes.drive.filePath("MAY.bak.state"), damaged);
        Checkbook other = registerOf("1/1D 1/2W 1/3W 1/4D");
        mark(other, "nnnc");
        writeBytes("default.dat.state", formatCompanion(other, {{{20001231, 5}}, {}, {}}));
        f.load(other);
        restore(f, QStringLiteral("MAY"));

        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"SUCCESS", Sure, "All Was Good"}));
        QCOMPARE(f.window.statusBar()->currentMessage(), told);
        if (!damaged.isNull()) {
            backedUp = registerOf("1/1D 1/2W 1/3W");
            statements = {};
        }
        QCOMPARE(f.document.book().entryCount, backedUp.entryCount);
        for (int i = 1; i <= backedUp.entryCount; ++i)
            QCOMPARE(f.document.book().slot[i], backedUp.slot[i]);
        QCOMPARE(f.document.companion(), statements);
        // One step: undo gives back the other register's marks with it.
        QVERIFY(f.document.undo().saved());
        QCOMPARE(f.document.book().slot[4].clearing, Clearing::Cleared);
        QCOMPARE(f.document.companion().reconciled.size(), 1);
    }

    // A backup cut short, damaged on the way, or far larger than any register (sparse, and
    // never read) is said to be damaged; the register, its file and the drive stay as they
    // were, no copy is kept, and the program goes on.
    void damagedBackupChangesNothing_data()
    {
        QTest::addColumn<qint64>("size"); // of a sparse file; 0: the backup, cut or damaged
        QTest::addColumn<QString>("reason");
        const QString damaged = QStringLiteral("it is damaged or cut short (line 3: %1)");
        QTest::newRow("cut short") << qint64(0) << damaged.arg("the file ends before this line");
        QTest::newRow("a line damaged") << qint64(0) << damaged.arg("year: not a whole number");
        QTest::newRow("64 GB") << (qint64(64) << 30)
                               << "at 68,719,476,736 bytes it is larger than any register can be";
    }
    void damagedBackupChangesNothing()
    {
        QFETCH(qint64, size);
        QFETCH(QString, reason);
        MainWindow f;
        const QByteArray dataFile = registerFile("1/1D 1/2D");
        f.load(dataFile);
        // A backup of one entry, cut or damaged at its first free line.
        QByteArray backup = registerFile("1/1D");
        const qsizetype freeLine = backup.indexOf("\r\n0,0,0,") + 2;
        if (QTest::currentDataTag() == QLatin1String("cut short"))
            backup.truncate(freeLine);
        else
            backup[freeLine] = 'X';
        const QString path = f.fakes.drive.filePath(QStringLiteral("MAY.bak"));
        writeBytes(path, size > 0 ? QByteArray() : backup);
        if (size > 0)
            QVERIFY(QFile::resize(path, size));
        f.fakes.prompter.answers = {Box::Yes, Box::Ok};
        restore(f, QStringLiteral("MAY"));

        QCOMPARE(f.fakes.prompter.titles(), (QStringList{Sure, "DAMAGED BACKUP"}));
        QCOMPARE(f.fakes.prompter.shown.back().text,
                 QStringLiteral("The backup %1 cannot be restored: %2.\r\n"
                                "Your register is as it was.")
                     .arg(QDir::toNativeSeparators(path), reason));
        QCOMPARE(f.fakes.programEnd.calls, 0);
        QCOMPARE(filesIn(QDir::currentPath()),
                 (QMap<QString, QByteArray>{{"default.dat", dataFile}}));
        QCOMPARE(QFileInfo(path).size(), size > 0 ? size : backup.size());
        QCOMPARE(f.label(QStringLiteral("lblTotal")), QStringLiteral("$2.00"));
    }

    // The folder chosen with File > Backup Folder... is where backups go and where the chooser
    // looks, and it is remembered; a folder that is not there is a drive without a disk until
    // it is back. Restore keeps the register it replaces.
    void chosenBackupFolder()
    {
        MainWindow f;
        f.load(registerFile("1/1D 1/2D 1/3D"));
        const QByteArray backup = f.file();
        const QString folder = QDir::current().filePath(QStringLiteral("STICK"));
        f.fakes.prompter.folderAnswers = {folder};
        f.get<QAction>(QStringLiteral("mnuBackupFolder"))->trigger();
        QCOMPARE(f.fakes.settings.folder, std::optional<QString>(folder));
        QVERIFY(f.get<QAction>(QStringLiteral("mnuBackupFolder"))->statusTip().endsWith(folder));

        // Not there until put in while the retry question is open. The backup is of the
        // register's own file, wherever the working folder has gone since.
        f.fakes.prompter.whileShown = [&](const QString &title) {
            if (title == QLatin1String("DISK NOT READY"))
                QDir().mkdir(folder);
        };
        const QString home = QDir::currentPath();
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        writeBytes(QStringLiteral("default.dat"), registerFile("1/9W"));
        f.fakes.prompter.textAnswers = {QStringLiteral("MAY")};
        f.fakes.prompter.answers = {Box::Retry, Box::Ok, Box::Yes, Box::Ok};
        f.get<QAction>(QStringLiteral("mnuBackup"))->trigger();
        QDir::setCurrent(home);
        QCOMPARE(filesIn(folder), (QMap<QString, QByteArray>{{"MAY.bak", backup}}));

        f.load(registerFile("1/1D"));
        const QByteArray replaced = f.file();
        restore(f);
        QCOMPARE(f.fakes.prompter.titles(),
                 (QStringList{"DISK NOT READY", "SUCCESS", Sure, "All Was Good"}));
        QCOMPARE(filesIn(QDir::currentPath()),
                 (QMap<QString, QByteArray>{{"default.dat", backup},
                                            {"default.dat.before-restore", replaced}}));
        QCOMPARE(f.label(QStringLiteral("lblTotal")), QStringLiteral("$3.00"));
    }

    // The command line wins for its run only; the remembered folder, read back as the next
    // start reads it, wins over the default one. Only the default is made when missing. A
    // choice that cannot be written down for the next start says why.
    void backupFolderInUse()
    {
        const auto inUse = [](const QString &commandLine) {
            const BackupFolder folder =
                tallyra::backupFolderInUse(commandLine, QtSettings().backupFolder());
            return folder.path + (folder.missing == MissingRoot::Make ? " (made)" : "");
        };
        QVERIFY(!QtSettings().setBackupFolder(QString()));
        QCOMPARE(inUse({}), defaultBackupFolder() + " (made)");
        QVERIFY(!QtSettings().setBackupFolder(QStringLiteral("/media/u/STICK")));
        QCOMPARE(inUse({}), "/media/u/STICK");
        QCOMPARE(inUse("/tmp/b"), "/tmp/b");
#ifndef Q_OS_WIN
        // A folder where the settings file should be cannot be written, even by root. (On
        // Windows the settings are in the registry, which a test cannot make unwritable.)
        const QString file = QSettings().fileName();
        QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        const std::optional<QString> why = QtSettings().setBackupFolder(QStringLiteral("/x"));
        QDir(file).removeRecursively();
        QCOMPARE(why.value_or(QString()), QDir::toNativeSeparators(file) + " cannot be written");
#endif
    }

    // With no folder chosen, the first backup makes Tallyra Backups in the documents folder
    // (the home's Documents here, not there yet); the main window can name the file. A folder
    // that cannot be made is a failure like any other, said in full.
    void defaultFolderMadeOnFirstUse_data()
    {
        QTest::addColumn<bool>("blocked"); // a file stands where the documents folder would
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("made") << false << QStringList{"SUCCESS"};
        QTest::newRow("cannot be made") << true << QStringList{"UH OH!", "FAILURE"};
    }
    void defaultFolderMadeOnFirstUse()
    {
        QFETCH(bool, blocked);
        QFETCH(QStringList, titles);
        MainWindow f;
#ifdef Q_OS_WIN
        // Documents is the shell's folder there, not one below HOME: the folder is given
        // here (tst_windows checks that the default lies in Documents).
        const BackupFolder folder{QDir::current().filePath("Documents/Tallyra Backups"),
                                  MissingRoot::Make};
#else
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(QDir::currentPath()));
        const BackupFolder folder = tallyra::backupFolderInUse({}, std::nullopt);
        qputenv("HOME", home);
        QCOMPARE(folder.path, QDir::current().filePath("Documents/Tallyra Backups"));
#endif
        if (blocked)
            writeBytes("Documents", "not a folder");
        f.load(registerFile("1/1D"));
        f.fakes.drive.setRoot(folder.path, folder.missing);
        f.fakes.prompter.textAnswers = {QStringLiteral("MAY")};
        f.fakes.prompter.answers = {Box::Ok, Box::Ok};
        f.get<QAction>(QStringLiteral("mnuBackup"))->trigger();

        QCOMPARE(f.fakes.prompter.titles(), titles);
        if (blocked) {
            QVERIFY(f.fakes.prompter.shown.back().text.contains("could not be made"));
            return;
        }
        QCOMPARE(filesIn(folder.path), (QMap<QString, QByteArray>{{"MAY.bak", f.file()}}));
        QCOMPARE(backupMadeMessage(f.fakes.drive, "MAY.bak"),
                 "Backed up to " + QDir::toNativeSeparators(folder.path + "/MAY.bak"));
    }

    // New Record keeps the register it replaces, when it holds entries, under a name no earlier
    // copy has; without the copy, or answered No, nothing is replaced. (Each file here holds an
    // old entry past its count line, which an empty register's file keeps for that reason.)
    void replacedRegisterIsKept_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("refusal"); // the last box when nothing is replaced
        QTest::newRow("twice") << QString("1/1D 1/2D ") << QString();
        QTest::newRow("empty register") << QString() << QString();
        QTest::newRow("answered No") << QString("1/1D 1/2D ") << QString("Are You Sure");
        QTest::newRow("copy fails") << QString("1/1D 1/2D ") << QString("COPY FAILED");
    }
    void replacedRegisterIsKept()
    {
        QFETCH(QString, entries);
        QFETCH(QString, refusal);
        MainWindow f;
        QMap<QString, QByteArray> files{{"default.dat", emptyDataFile()}};
        // Twice, the second time over the entries twice over: the first copy stays as it is.
        for (const QString &copy : {QString(), QStringLiteral(".1")}) {
            const QByteArray replaced = registerFile(entries.repeated(copy.isEmpty() ? 1 : 2));
            f.load(replaced);
            f.fakes.prompter.answers = {refusal == "Are You Sure" ? Box::No : Box::Yes, Box::Ok};
            WITH_FILE_SIZE_LIMIT(refusal == "COPY FAILED" ? 4096 : NoFileSizeLimit,
                                 [&] { f.get<QAction>(QStringLiteral("mnuNew"))->trigger(); });
            if (!refusal.isEmpty()) {
                QCOMPARE(f.fakes.prompter.titles().last(), refusal);
                files = {{"default.dat", replaced}};
                break;
            }
            // An empty register is not kept, but the old entry past its count line is.
            files[(entries.isEmpty() ? "default.dat.lines-past-count" : "default.dat.before-new") +
                  copy] = replaced;
        }
        QCOMPARE(filesIn(QDir::currentPath()), files);
        QCOMPARE(f.label(QStringLiteral("lblTotal")), refusal.isEmpty() ? "$.00" : "$2.00");
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
