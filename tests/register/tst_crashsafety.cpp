#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tallyra;

namespace {

constexpr int Kills = 200;

// The data files of an endless run of saves. Save n changes every line's amount, the count
// and the file's length, so that any mix of two saves differs from both. One register is
// changed in place for each save, which keeps hundreds of rounds cheap.
class SaveRun
{
public:
    SaveRun() : m_book(std::make_unique<Checkbook>())
    {
        for (int slot = 1; slot <= MaxEntries; ++slot)
            m_book->slot[slot] = Entry{2001, 1, 2, QString::number(slot), QString(slot % 23, u'P')};
    }

    QByteArray file(int n)
    {
        m_book->entryCount = qint16(n % (MaxEntries + 1));
        for (int slot = 1; slot <= MaxEntries; ++slot)
            m_book->slot[slot].withdrawalCents = n + slot;
        m_book->slot[1].payee = QString(n % 40, u'X');
        return formatDataFile(*m_book);
    }

    // Saves from `first` on, one after another, until killed; reports the number of each save
    // done through `doneFd`.
    [[noreturn]] void saveUntilKilled(const QString &path, int first, int doneFd)
    {
        for (int n = first;; ++n) {
            if (!writeFileAtomically(path, file(n)).ok)
                _exit(1);
            if (write(doneFd, &n, sizeof n) != sizeof n)
                _exit(1);
        }
    }

private:
    std::unique_ptr<Checkbook> m_book;
};

// Reads save numbers until the pipe is empty and closed; returns the last, or `last` if none.
int lastReported(int fd, int last)
{
    int n = 0;
    while (read(fd, &n, sizeof n) == sizeof n)
        last = n;
    return last;
}

// Runs a save in a child process prepared by `setUp`: 0 when the save reported a failure with
// its reason, 1 when it reported success, 2 when it failed without a reason, 3 when `setUp`
// could not prepare the fault.
int saveInChild(const QString &path, const QByteArray &bytes, const std::function<bool()> &setUp)
{
    const pid_t child = fork();
    if (child == 0) {
        if (!setUp())
            _exit(3);
        const FileResult result = writeFileAtomically(path, bytes);
        _exit(result.ok ? 1 : result.error.isEmpty() ? 2 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A kill ends the process, not the system: what reached the file system stays, with or
// without the flush to disk that makes each save on a real disk take tens of milliseconds.
// The kills run in memory where the system offers it, so that hundreds fit in a few seconds.
QString fastFolderBase()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
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
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(DataFileName);
        SaveRun run;

        // Kill moments spread over about two saves, however long a save takes here.
        QElapsedTimer timer;
        timer.start();
        for (int n = 0; n < 5; ++n)
            QVERIFY(writeFileAtomically(path, run.file(n)).ok);
        const qint64 spreadMicroseconds = 2 * timer.nsecsElapsed() / 5 / 1000 + 1;

        int saved = 4;
        auto loaded = std::make_unique<Checkbook>();
        for (int kill = 0; kill < Kills; ++kill) {
            int fds[2];
            QCOMPARE(pipe(fds), 0);
            const pid_t child = fork();
            if (child == 0) {
                close(fds[0]);
                run.saveUntilKilled(path, saved + 1, fds[1]);
            }
            close(fds[1]);
            // The first save completes, so that every round changes the file; the kill falls
            // anywhere in the saves after it.
            int first = 0;
            const bool started = read(fds[0], &first, sizeof first) == sizeof first;
            std::this_thread::sleep_for(
                std::chrono::microseconds(QRandomGenerator::global()->bounded(spreadMicroseconds)));
            ::kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            const int done = lastReported(fds[0], first);
            close(fds[0]);
            QVERIFY2(started, "the saving child failed before its first save");
            QVERIFY(WIFSIGNALED(status));

            const QByteArray bytes = readWholeFile(path).value_or(QByteArray());
            if (bytes == run.file(done))
                saved = done;
            else if (bytes == run.file(done + 1))
                saved = done + 1;
            else
                QFAIL(qPrintable(QStringLiteral("kill %1: the file is neither save %2 nor the "
                                                "next one")
                                     .arg(kill)
                                     .arg(done)));
            QVERIFY(!readDataFile(bytes, *loaded));
            QCOMPARE(loaded->entryCount, qint16(saved % (MaxEntries + 1)));
        }
        QVERIFY(saved >= 4 + Kills);
    }

    // A full disk (a file size limit, where the write that reaches it fails with EFBIG instead
    // of ending the process) or a read-only folder holding a writable data file: the save
    // fails with its reason and must not fall back to rewriting the file in place.
    void failedSavesLoseNothing_data()
    {
        QTest::addColumn<qint64>("room"); // bytes a file may grow to; -1: read-only folder
        QTest::newRow("no room at all") << qint64(0);
        QTest::newRow("room for a block") << qint64(4096);
        QTest::newRow("one byte short") << SaveRun().file(2).size() - 1;
        QTest::newRow("read-only folder") << qint64(-1);
    }
    void failedSavesLoseNothing()
    {
        QFETCH(qint64, room);
        QTemporaryDir folder;
        const QString path = folder.filePath(DataFileName);
        SaveRun run;
        const QByteArray old = run.file(1);
        QVERIFY(writeFileAtomically(path, old).ok);
        const auto folderPermissions = QFile::permissions(folder.path());
        if (room < 0) {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadOther | QFile::WriteOther));
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                             QFile::ReadOther | QFile::ExeOther));
        }
        const QString probe = folder.filePath(QStringLiteral("probe"));
        const int outcome = saveInChild(path, run.file(2), [&] {
            if (room >= 0) {
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit limit{};
                getrlimit(RLIMIT_FSIZE, &limit);
                limit.rlim_cur = rlim_t(room);
                return setrlimit(RLIMIT_FSIZE, &limit) == 0;
            }
            // Root writes in any folder, so the child gives up root for an ordinary user.
            constexpr uid_t Nobody = 65534;
            if (geteuid() == 0 && (setgid(Nobody) != 0 || setuid(Nobody) != 0))
                return false;
            QFile file(probe);
            return !file.open(QIODevice::WriteOnly);
        });
        QFile::setPermissions(folder.path(), folderPermissions);
        if (outcome == 3)
            QSKIP("this user can write in a read-only folder");
        QCOMPARE(outcome, 0);
        QCOMPARE(readWholeFile(path), old);
        QCOMPARE(filesIn(folder.path()), QStringList{DataFileName});
    }
};

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
