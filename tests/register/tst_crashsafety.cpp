// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QElapsedTimer>
#include <QFileInfo>
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
QByteArray saveNumber(Checkbook &book, int n)
{
    book.entryCount = qint16(n % (MaxEntries + 1));
    for (int slot = 1; slot <= MaxEntries; ++slot)
        book.slot[slot] = Entry{2001, 1, 2, "ATM", QString(n % 40, u'X'), n + slot, 0};
    return formatDataFile(book);
}

// A kill ends the process, not the system: what reached the file system stays, with or
// without the flush to disk that makes each save on a real disk take tens of milliseconds.
// The kills run in memory where the system offers it, so that hundreds fit in a few seconds.
QString fastFolderBase()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

// Run in a child process: a save with no room beyond `room` bytes in a file, or as an
// ordinary user in a read-only folder when `room` is negative. The exit status is 0 when the
// save fails with its reason, 1 when it does not, 2 when the fault cannot be set up.
[[noreturn]] void saveWithFault(qint64 room, const QString &path, const QByteArray &bytes)
{
    FileResult result;
    if (room >= 0) {
        withFileSizeLimit(rlim_t(room), [&] { result = writeFileAtomically(path, bytes); });
    } else {
        constexpr uid_t Nobody = 65534;
        if (geteuid() == 0 && (setgid(Nobody) != 0 || setuid(Nobody) != 0))
            _exit(2);
        // Some users write in any folder.
        QFile probe(QFileInfo(path).dir().filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly))
            _exit(2);
        result = writeFileAtomically(path, bytes);
    }
    _exit(result.ok || result.error.isEmpty() ? 1 : 0);
}

} // namespace

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    // SIGKILL at random moments of saves that follow one another without pause: every time,
    // the file holds either the save that was under way or the one before it, whole.
    void killedSavesLeaveAWholeRegister()
    {
        QTemporaryDir folder(fastFolderBase() + QStringLiteral("/tallyra-kills-XXXXXX"));
        const QString path = folder.filePath(DataFileName);
        auto book = std::make_unique<Checkbook>();
        auto loaded = std::make_unique<Checkbook>();

        // Kill moments spread over about two saves, however long a save takes here.
        QElapsedTimer timer;
        timer.start();
        for (int n = 0; n < 5; ++n)
            QVERIFY(writeFileAtomically(path, saveNumber(*book, n)).ok);
        const qint64 spreadMicroseconds = 2 * timer.nsecsElapsed() / 5 / 1000 + 1;

        int saved = 4;
        for (int kill = 0; kill < Kills; ++kill) {
            int fds[2];
            QCOMPARE(pipe(fds), 0);
            const pid_t child = fork();
            if (child == 0) {
                // Saves until killed and reports the number of each save done.
                for (int n = saved + 1; writeFileAtomically(path, saveNumber(*book, n)).ok; ++n) {
                    if (write(fds[1], &n, sizeof n) != sizeof n)
                        break;
                }
                _exit(1);
            }
            close(fds[1]);
            // The first save completes, so that every round changes the file; the kill falls
            // anywhere in the saves after it.
            int done = 0;
            const bool started = read(fds[0], &done, sizeof done) == sizeof done;
            usleep(useconds_t(QRandomGenerator::global()->bounded(spreadMicroseconds)));
            ::kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            for (int n = 0; read(fds[0], &n, sizeof n) == sizeof n;)
                done = n;
            close(fds[0]);
            QVERIFY2(started, "the saving child failed before its first save");
            QVERIFY(WIFSIGNALED(status));

            const QByteArray bytes = readWholeFile(path).value_or(QByteArray());
            saved = bytes == saveNumber(*book, done) ? done : done + 1;
            QVERIFY2(bytes == saveNumber(*book, saved), "neither the save under way nor the last");
            QVERIFY(!readDataFile(bytes, *loaded, ReadExtent::AllSlots));
            QCOMPARE(formatDataFile(*loaded), bytes);
        }
        QVERIFY(saved >= 4 + Kills);
    }

    // A full disk (a file size limit, where the write that reaches it fails with EFBIG instead
    // of ending the process) or a read-only folder holding a writable data file: the save
    // fails with its reason and must not fall back to rewriting the file in place.
    void failedSavesLoseNothing_data()
    {
        QTest::addColumn<qint64>("room"); // -1: read-only folder
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("one byte short") << saveNumber(*std::make_unique<Checkbook>(), 2).size() - 1;
        QTest::newRow("read-only folder") << qint64(-1);
    }
    void failedSavesLoseNothing()
    {
        QFETCH(qint64, room);
        QTemporaryDir folder;
        const QString path = folder.filePath(DataFileName);
        auto book = std::make_unique<Checkbook>();
        const QByteArray old = saveNumber(*book, 1);
        QVERIFY(writeFileAtomically(path, old).ok);
        if (room < 0) {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadOther | QFile::WriteOther));
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                             QFile::ReadOther | QFile::ExeOther));
        }
        const pid_t child = fork();
        if (child == 0)
            saveWithFault(room, path, saveNumber(*book, 2));
        int status = 0;
        waitpid(child, &status, 0);
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(WIFEXITED(status));
        if (WEXITSTATUS(status) == 2)
            QSKIP("the fault cannot be set up for this user");
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(readWholeFile(path), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{DataFileName});
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
