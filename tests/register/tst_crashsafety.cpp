// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "export/RegisterExport.h"
#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>

#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallyra;
using namespace tallyra::test;

namespace {

constexpr int Kills = 200;

// Save n of an endless run changes every line's amount, the count and the file's length, so
// that any mix of two saves differs from both.
QByteArray saveNumber(int n)
{
    auto book = std::make_unique<Checkbook>();
    book->entryCount = qint16(n % (MaxEntries + 1));
    for (int slot = 1; slot <= MaxEntries; ++slot)
        book->slot[slot] = Entry{2001, 1, 2, "ATM", QString(n % 40, u'X'), n + slot, 0};
    return formatDataFile(*book);
}

// What a writer reports, and the file it was to leave with the bytes it was to hold.
struct Written
{
    bool ok;
    QString error;
    QString path;
    QByteArray bytes;
};

// One of the writers that end in a rename, into `folder` which holds save 1 as the data file.
Written write(const QString &writer, const QString &folder)
{
    const QString dataFile = QDir(folder).filePath(DataFileName);
    const QByteArray saved = saveNumber(1);
    QString error;
    if (writer == u"data file") {
        const FileResult result = writeFileAtomically(dataFile, saveNumber(2));
        return {result.ok, result.error, dataFile, saveNumber(2)};
    }
    if (writer == u"kept copy") {
        const auto kept = keepCopyBeforeReplacing(dataFile, QStringLiteral("before-new"), &error);
        return {bool(kept), error, dataFile + QStringLiteral(".before-new"), saved};
    }
    if (writer == u"unreadable set aside") {
        const auto kept = keepUnreadableCopy(dataFile, &error);
        return {bool(kept), error, dataFile + QStringLiteral(".unreadable"), saved};
    }
    if (writer == u"backup") {
        Drive drive(folder);
        const auto failed = drive.writeFile(QStringLiteral("MAY.bak"), saved);
        return {!failed, failed ? failed->description : QString(),
                drive.filePath(QStringLiteral("MAY.bak")), saved};
    }
    const Checkbook book = registerOf(QStringLiteral("5/3W"));
    const QString csv = QDir(folder).filePath(QStringLiteral("out.csv"));
    const ExportResult result = exportRegister(book, ExportFormat::Csv, csv);
    return {result.ok, result.error, csv, exportCsv(book)};
}

} // namespace

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    // SIGKILL at random moments of saves that follow one another without pause: every time,
    // the file holds one whole save, a later one than before the kill. A kill ends the process,
    // not the system, so the kills run in memory where the system offers it.
    void killedSavesLeaveAWholeRegister()
    {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        QTemporaryDir folder((shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath()) +
                             QStringLiteral("/tallyra-kills-XXXXXX"));
        const QString path = folder.filePath(DataFileName);
        auto loaded = std::make_unique<Checkbook>();

        // Kill moments spread over about three saves, however long a save takes here.
        QElapsedTimer timer;
        timer.start();
        for (int n = 0; n < 5; ++n)
            QVERIFY(writeFileAtomically(path, saveNumber(n)).ok);
        const qint64 spreadMicroseconds = 3 * timer.nsecsElapsed() / 5 / 1000 + 1;

        int saved = 4;
        for (int kill = 0; kill < Kills; ++kill) {
            // Every round changes the file; the kill falls anywhere in the saves after that.
            QVERIFY(writeFileAtomically(path, saveNumber(++saved)).ok);
            const pid_t child = fork();
            if (child == 0) {
                for (int n = saved + 1; writeFileAtomically(path, saveNumber(n)).ok; ++n) {
                }
                _exit(1);
            }
            usleep(useconds_t(QRandomGenerator::global()->bounded(spreadMicroseconds)));
            ::kill(child, SIGKILL);
            waitpid(child, nullptr, 0);

            const QByteArray bytes = readWholeFile(path).value_or(QByteArray());
            QVERIFY2(!readDataFile(bytes, *loaded, ReadExtent::AllSlots), "a torn register");
            const int now = int(loaded->slot[1].withdrawalCents) - 1;
            QVERIFY2(now >= saved && bytes == saveNumber(now), "not one whole later save");
            saved = now;
        }
    }

    // A new name is on the disk only once its folder is: every rename is followed by a sync of
    // the folder, with the new file already under its name. A sync that fails is reported as
    // the writer's failure, and a kept copy is not then made again under the next name.
    void renamesAreSyncedToDisk_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<bool>("syncFails");
        for (const char *writer :
             {"data file", "kept copy", "unreadable set aside", "backup", "export"}) {
            QTest::addRow("%s", writer) << QString(writer) << false;
            QTest::addRow("%s, sync fails", writer) << QString(writer) << true;
        }
    }
    void renamesAreSyncedToDisk()
    {
        QFETCH(QString, writer);
        QFETCH(bool, syncFails);
        QTemporaryDir folder;
        QVERIFY(writeFileAtomically(folder.filePath(DataFileName), saveNumber(1)).ok);
        QStringList synced;
        QMap<QString, QByteArray> heldWhenSynced;
        setFolderSync([&](const QString &syncedFolder) {
            synced << syncedFolder;
            const QDir dir(syncedFolder);
            for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
                heldWhenSynced[name] = fileBytes(dir.filePath(name));
            errno = EIO;
            return syncFails ? FileResult{false, QStringLiteral("Input/output error")}
                             : FileResult{};
        });
        const Written written = write(writer, folder.path());
        setFolderSync(nullptr);

        const QString name = QFileInfo(written.path).fileName();
        QCOMPARE(synced, QStringList{QFileInfo(folder.path()).absoluteFilePath()});
        QCOMPARE(heldWhenSynced.value(name), written.bytes);
        QCOMPARE(written.ok, !syncFails);
        QCOMPARE(written.error.contains(QLatin1String("Input/output error")), syncFails);
        QCOMPARE(fileBytes(written.path), written.bytes);
        QVERIFY(!QFile::exists(written.path + QStringLiteral(".1")));
    }

    // The system's own folder sync: a folder there is synced, one that is not is a failure.
    void systemFolderSync()
    {
        QTemporaryDir folder;
        QVERIFY(syncFolder(folder.path()).ok);
        const FileResult missing = syncFolder(folder.filePath(QStringLiteral("gone")));
        QVERIFY(!missing.ok);
        QCOMPARE(missing.error, qt_error_string(ENOENT));
    }

    // A full disk (a file size limit, where the write that reaches it fails with EFBIG instead
    // of ending the process) or, as an ordinary user, a read-only folder holding a writable
    // data file: the save fails with its reason and must not fall back to rewriting in place.
    void failedSavesLoseNothing_data()
    {
        QTest::addColumn<qint64>("room"); // -1: read-only folder
        QTest::newRow("one byte short") << saveNumber(2).size() - 1;
        QTest::newRow("read-only folder") << qint64(-1);
    }
    void failedSavesLoseNothing()
    {
        QFETCH(qint64, room);
        QTemporaryDir folder;
        const QString path = folder.filePath(DataFileName);
        QVERIFY(writeFileAtomically(path, saveNumber(1)).ok);
        const auto all = QFile::ReadOwner | QFile::ReadOther | QFile::ExeOwner | QFile::ExeOther;
        if (room < 0) {
            QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOther));
            QVERIFY(QFile::setPermissions(folder.path(), all));
        }
        const pid_t child = fork();
        if (child == 0) {
            // Exit status 0: failed with its reason; 1: did not; 2: the fault cannot be set up.
            constexpr uid_t Nobody = 65534;
            if (room < 0 && geteuid() == 0 && (setgid(Nobody) != 0 || setuid(Nobody) != 0))
                _exit(2);
            if (room < 0 && QFile(folder.filePath("probe")).open(QIODevice::WriteOnly))
                _exit(2); // some users write in any folder
            FileResult result;
            WITH_FILE_SIZE_LIMIT(room < 0 ? NoFileSizeLimit : FileSize(room),
                                 [&] { result = writeFileAtomically(path, saveNumber(2)); });
            _exit(result.ok || result.error.isEmpty() ? 1 : 0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QFile::setPermissions(folder.path(), all | QFile::WriteOwner);
        QVERIFY(WIFEXITED(status));
        if (WEXITSTATUS(status) == 2)
            QSKIP("the fault cannot be set up for this user");
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(readWholeFile(path), saveNumber(1));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{DataFileName});
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
