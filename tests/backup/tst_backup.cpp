#include "TestSupport.h"
#include "backup/frmFileOpen.h"

#include <QAction>
#include <QListWidget>
#include <QMap>

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
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
