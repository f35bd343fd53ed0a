// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "entry/PlaceEntry.h"
#include "register/DataFile.h"
#include "register/RegisterDocument.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>

#include <memory>

#ifndef Q_OS_WIN
#include <csignal>
#endif

using namespace tallyra;
using namespace tallyra::test;

namespace {

const QString Data = QStringLiteral("default.dat");

#ifdef Q_OS_WIN
constexpr int Killed = 9, Ended = Killed; // a program ended from outside is killed
#else
constexpr int Killed = SIGKILL, Ended = SIGTERM;
#endif

// A document over default.dat of the current folder, loaded from the bytes given.
struct Document
{
    explicit Document(const QByteArray &bytes)
    {
        writeBytes(Data, bytes);
        loaded = document.load() == RegisterDocument::LoadResult::Loaded;
    }
    RegisterDocument document{Data};
    const Checkbook *book = &document.book();
    bool loaded = false;
};

// Another program's version of the file: one byte changed, the length and the modification
// time as they were, so that only the bytes tell.
void rewriteInTheSameSecond(const QString &path)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    QByteArray bytes = fileBytes(path);
    bytes[bytes.indexOf("E1")] = 'X';
    writeBytes(path, bytes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

Checkbook added(const Checkbook &book)
{
    Checkbook after = book;
    placeEntry(after, {"2001", "1", "2", "101", "Gas", "5", "00"}, EntryType::Withdrawal);
    return after;
}

} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Each command is written at once, even while another program reads the file (Windows may
    // refuse to replace a file that is open: then what is reported is what is on disk, and the
    // change is made once the reader lets go). Its undo gives back the file byte for byte as it
    // was before, even one that Tallyra did not write (LF line ends, lines past the count), and
    // its redo the file after it. An undo that cannot be written (the disk full) leaves the
    // file, the register and the history where they were.
    void undoAndRedoGiveBackTheBytes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("command");
        const QByteArray written = formatDataFile(registerOf("1/1W 1/3D 2/1W"));
        // Lines ended by LF alone, and a record past the count that is never read.
        QByteArray foreign = written;
        foreign.replace("\r\n", "\n");
        foreign.replace(foreign.lastIndexOf("0,0,0,\"\",\"\",0,0"), 17, "2001,9,9,\"X\",\"Y\",1,0");
        QTest::newRow("add") << written << "add";
        QTest::newRow("new register") << written << "new register";
        QTest::newRow("add to a file from elsewhere") << foreign << "add";
        QTest::newRow("new register over a file from elsewhere") << foreign << "new register";
    }
    void undoAndRedoGiveBackTheBytes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, command);
        TempWorkingFolder folder;
        Document f(file);
        QVERIFY(f.loaded);
        const auto after =
            std::make_unique<Checkbook>(command == "add" ? added(*f.book) : Checkbook{});

        const auto count = f.book->entryCount;
        QFile reader(Data);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        ChangeResult result = f.document.replace(*after, command);
        // Where a file being read cannot be replaced (Windows), the copy kept before the first
        // try stays, and the second try keeps one of its own.
        const QString firstKept = result.keptCopy;
        if (!result.saved()) {
            QCOMPARE(int(result.status), int(ChangeResult::Status::SaveFailed));
            QVERIFY(!result.error.isEmpty());
            QCOMPARE(fileBytes(Data), file);
            QCOMPARE(f.book->entryCount, count);
            reader.close();
            result = f.document.replace(*after, command);
            QVERIFY(result.saved());
        }
        reader.close();
        const QByteArray changed = formatDataFile(*after);
        QCOMPARE(fileBytes(Data), changed);
        QCOMPARE(f.book->entryCount, after->entryCount);
        QCOMPARE(f.document.history().undoText(), command);
        // No temporary file is left behind.
        QStringList left = QDir().entryList({QStringLiteral("default.dat.*")}, QDir::Files);
        for (const QString &kept : {firstKept, result.keptCopy})
            left.removeAll(QFileInfo(kept).fileName());
        QCOMPARE(left, QStringList{QStringLiteral("default.dat.lock")});

        QVERIFY(f.document.undo().saved());
        QCOMPARE(fileBytes(Data), file);
        QVERIFY(f.document.redo().saved());
        QCOMPARE(fileBytes(Data), changed);
        computeBalances(*after);
        QCOMPARE(f.book->totalCents, after->totalCents);
        QVERIFY(!f.document.changedOnDisk());
        ChangeResult failed;
        WITH_FILE_SIZE_LIMIT(100, [&] { failed = f.document.undo(); });
        QCOMPARE(int(failed.status), int(ChangeResult::Status::SaveFailed));
        QCOMPARE(fileBytes(Data), changed);
        QCOMPARE(f.book->entryCount, after->entryCount);
        QVERIFY(f.document.history().canUndo());
    }

    // The lock is the first document's; a second one on the same file learns who holds it,
    // and as read-only changes nothing. As the program ends (on Windows a logoff ends the
    // process right after aboutToQuit) the first lets go of the lock and writes nothing more,
    // and the lock is free again.
    // A save cut short between writing its temporary file and the rename leaves a whole copy
    // (default.dat.Xy12Ab); taking the lock gives it a name that says what it is. A copy the
    // user named in small letters stays as it is.
    void lockHeldByAnotherDocument()
    {
        TempWorkingFolder folder;
        const QByteArray file = formatDataFile(registerOf("1/1W"));
        writeBytes("default.dat.Xy12Ab", file);
        writeBytes("default.dat.backup", file);
        writeBytes("default.dat.state.Zz34Cd", "marks");
        Document first(file);
        QCOMPARE(first.document.lock(), std::nullopt);
        QVERIFY(QFile::exists(Data + QStringLiteral(".lock")));
        const QString kept = QFileInfo("default.dat.unfinished-save").absoluteFilePath();
        const QString marks = QFileInfo("default.dat.state.unfinished-save").absoluteFilePath();
        QCOMPARE(first.document.unfinishedSavesKept(), (QStringList{marks, kept}));
        QCOMPARE(fileBytes(kept), file);
        QCOMPARE(fileBytes(marks), "marks");
        QVERIFY(!QFile::exists("default.dat.Xy12Ab"));
        QVERIFY(QFile::exists("default.dat.backup"));

        Document second(file);
        const std::optional<LockHolder> holder = second.document.lock();
        QVERIFY(holder);
        QCOMPARE(holder->pid, QCoreApplication::applicationPid());
        QVERIFY(holder->since.isValid());
        second.document.setReadOnly(true);
        const Checkbook after = added(*second.book);
        for (const ChangeResult &result :
             {second.document.replace(after, "add"), second.document.startEmpty()})
            QCOMPARE(int(result.status), int(ChangeResult::Status::Refused));
        QCOMPARE(fileBytes(Data), file);

        first.document.releaseLock();
        QVERIFY(!QFile::exists(Data + QStringLiteral(".lock")));
        QCOMPARE(int(first.document.replace(added(*first.book), "add").status),
                 int(ChangeResult::Status::Refused));
        QCOMPARE(fileBytes(Data), file);
    }

    // Before every write the file must still be the one last read or written: a rewrite of
    // the same length in the same second counts, a file merely touched does not. Without a
    // question to ask nothing is written over it; whatever the user answers, both versions
    // stay on disk, where the question said.
    void outsideChangeNeverOverwritten_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("answer"); // empty: no question to ask
        QTest::newRow("same size, same second") << "same second" << QString();
        QTest::newRow("removed") << "removed" << QString();
        QTest::newRow("only touched") << "touched" << QString();
        QTest::newRow("Reload") << "same second" << QStringLiteral("Reload");
        QTest::newRow("Keep Mine") << "same second" << QStringLiteral("Keep Mine");
    }
    void outsideChangeNeverOverwritten()
    {
        QFETCH(QString, change);
        QFETCH(QString, answer);
        TempWorkingFolder folder;
        Document f(formatDataFile(registerOf("1/1W 1/2W")));
        QVERIFY(f.document.replace(added(*f.book), "add").saved());
        if (change == "same second")
            rewriteInTheSameSecond(Data);
        else if (change == "removed")
            QFile::remove(Data);
        else {
            QFile file(Data);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                     QFileDevice::FileModificationTime));
        }
        const bool changed = change != "touched";
        QCOMPARE(f.document.changedOnDisk(), changed);
        const QByteArray theirs = fileBytes(Data);
        const Checkbook mine = added(*f.book);
        const bool keepMine = answer == "Keep Mine";
        OutsideChange asked;
        if (!answer.isEmpty())
            f.document.setOutsideChangeQuestion([&](const OutsideChange &names) {
                asked = names;
                return keepMine ? OutsideChangeChoice::KeepMine : OutsideChangeChoice::Reload;
            });

        const ChangeResult result = f.document.replace(mine, "add");
        if (!changed || answer.isEmpty()) {
            QCOMPARE(result.saved(), !changed);
            QCOMPARE(fileBytes(Data), changed ? theirs : formatDataFile(mine));
            QCOMPARE(f.book->entryCount, changed ? 3 : 4);
            return;
        }
        QCOMPARE(result.keptCopy, keepMine ? asked.theirsKeptAs : asked.mineKeptAs);
        QCOMPARE(fileBytes(result.keptCopy), keepMine ? theirs : formatDataFile(mine));
        QCOMPARE(fileBytes(Data), keepMine ? formatDataFile(mine) : theirs);
        QCOMPARE(int(result.status),
                 int(keepMine ? ChangeResult::Status::Saved : ChangeResult::Status::Reloaded));
        QCOMPARE(f.book->entryCount, keepMine ? 4 : 3);
        // Reloading another version starts a new history.
        QCOMPARE(f.document.history().count(), keepMine ? 2 : 0);
        QVERIFY(!f.document.changedOnDisk());
    }

    // A count line lower than the records the file holds: the first save keeps the file as it
    // was, once, so every record line it held is still on disk; a register whose lines past
    // its count are free slots keeps nothing.
    void recordsPastTheCountKept_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("kept");
        QByteArray fifty = formatDataFile(januaryDays(50));
        QTest::newRow("50 entries, count 5") << fifty.replace(0, 2, "5") << true;
        QTest::newRow("count 0 with records") << fifty.replace(0, 1, "0") << true;
        QByteArray unreadable = formatDataFile(registerOf("1/1W"));
        unreadable.replace(unreadable.lastIndexOf("0,0,0"), 5, "x,?,\"");
        QTest::newRow("a free line that does not read") << unreadable << true;
        QTest::newRow("free slots only") << formatDataFile(registerOf("1/1W")) << false;
    }
    void recordsPastTheCountKept()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, kept);
        TempWorkingFolder folder;
        Document f(file);
        const ChangeResult first = f.document.replace(added(*f.book), "add");
        QVERIFY(first.saved());
        QCOMPARE(int(first.kept),
                 int(kept ? ChangeResult::Kept::LinesPastCount : ChangeResult::Kept::Nothing));
        if (kept)
            QCOMPARE(fileBytes(first.keptCopy), file);
        QVERIFY(f.document.replace(added(*f.book), "add").keptCopy.isEmpty());
    }

    // While the program is idle a change on disk is noticed, once; its own writes are not.
    void idleChangeNoticed()
    {
        TempWorkingFolder folder;
        Document f(formatDataFile(registerOf("1/1W")));
        QSignalSpy noticed(&f.document, &RegisterDocument::fileChangedOnDisk);
        QTest::qWait(50);
        QVERIFY(f.document.replace(added(*f.book), "add").saved());
        QTest::qWait(700);
        QCOMPARE(noticed.count(), 0);
        rewriteInTheSameSecond(Data);
        QTRY_COMPARE_WITH_TIMEOUT(noticed.count(), 1, 5000);
        QTest::qWait(700);
        QCOMPARE(noticed.count(), 1);
    }

    // The program ends in order on each signal a desktop sends, letting go of the lock; after
    // SIGKILL the lock stays, and the next start takes it over without asking.
    void signalsEndTheProgramInOrder_data()
    {
        QTest::addColumn<int>("signal");
#ifdef Q_OS_WIN
        // Windows has no signals; a program ended from outside is killed.
        QTest::newRow("killed") << Killed;
#else
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGKILL") << Killed;
#endif
    }
    void signalsEndTheProgramInOrder()
    {
        QFETCH(int, signal);
        TempWorkingFolder folder;
        writeBytes(Data, formatDataFile(registerOf("1/1W")));
        const QString lock = Data + QStringLiteral(".lock");
        // Started, the program takes the lock; ended by `how`, it leaves it only when killed.
        const auto startAndEnd = [&](int how) {
            QProcess program;
#ifdef Q_OS_WIN
            // Beside the tests: the path the build gives is not one Windows can start.
            program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tallyra.exe"));
            const auto end = [&] { program.kill(); };
#else
            program.start(QStringLiteral(TallyraProgram));
            const auto end = [&] { ::kill(pid_t(program.processId()), how); };
#endif
            QVERIFY(program.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(
                fileBytes(lock).startsWith(QByteArray::number(program.processId()) + '\n'), 10000);
            end();
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(QFile::exists(lock), how == Killed);
            if (how != Killed) {
                QCOMPARE(program.exitStatus(), QProcess::NormalExit);
                QCOMPARE(program.exitCode(), 0);
            }
        };
        startAndEnd(signal);
        if (signal == Killed && !QTest::currentTestFailed())
            startAndEnd(Ended);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
