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
QByteArray saveNumber(int n)
{
    auto book = std::make_unique<Checkbook>();
    book->entryCount = qint16(n % (MaxEntries + 1));
    for (int slot = 1; slot <= MaxEntries; ++slot)
        book->slot[slot] = Entry{2001, 1, 2, "ATM", QString(n % 40, u'X'), n + slot, 0};
    return formatDataFile(*book);
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
            withFileSizeLimit(room < 0 ? RLIM_INFINITY : rlim_t(room),
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
