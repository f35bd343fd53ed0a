#include "FakePlatform.h"
#include "TestSupport.h"
#include "app/frmMoney.h"
#include "backup/frmFileOpen.h"
#include "register/DataFile.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

using namespace tallyra;
using namespace tallyra::test;

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

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << QDir(folder).relativeFilePath(it.next());
    return files;
}

void clickFile(FrmFileOpen *chooser, const QString &name)
{
    auto *list = child<QListWidget>(chooser, QStringLiteral("fliBackup"));
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
}

void press(FrmFileOpen *chooser, const char *button)
{
    QTest::mouseClick(child<QPushButton>(chooser, QLatin1String(button)), Qt::LeftButton);
}

using Handling = std::function<void(FrmFileOpen *)>;

Handling chooseAndOk(const QString &name)
{
    return [name](FrmFileOpen *chooser) {
        clickFile(chooser, name);
        press(chooser, "cmdOk");
    };
}

// The main window over a register of five one-dollar deposits, with drive A in a
// temporary folder.
struct Fixture
{
    TempWorkingFolder folder;
    FakePlatform fakes;
    Checkbook book;
    FrmMoney window{book, fakes.platform};
    const QByteArray dataFile = registerFile(5, 100);

    Fixture()
    {
        writeBytes(QLatin1String(DataFileName), dataFile);
        window.Form_Load();
    }
    QString onDrive(const QString &name) const { return fakes.drive.filePath(name); }
    QString label(const char *name) { return child<QLabel>(&window, QLatin1String(name))->text(); }

    void backup(const std::optional<QString> &description)
    {
        fakes.prompter.textAnswers = {description};
        child<QAction>(&window, QStringLiteral("mnuBackup"))->trigger();
    }
    bool restore(const Handling &handling)
    {
        NextModal<FrmFileOpen> chooser(handling);
        child<QAction>(&window, QStringLiteral("mnuRestore"))->trigger();
        return chooser.handled();
    }
    bool registerAsBefore()
    {
        return fileBytes(QLatin1String(DataFileName)) == dataFile && book.entryCount == 5 &&
               label("lblTotal") == QLatin1String("$5.00") &&
               label("lblRecNum") == QLatin1String("5 / 1000");
    }
};

} // namespace

class TestDrive : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void badNamesStayInside_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent folder") << "../x.bak";
        QTest::newRow("subfolder") << "a/b.bak";
        QTest::newRow("backslash") << "a\\b.bak";
        QTest::newRow("parent alone") << "..";
        QTest::newRow("nul") << QStringLiteral("x%1.bak").arg(QChar(0));
        QTest::newRow("too long") << QString(300, u'x') + QStringLiteral(".bak");
    }
    void badNamesStayInside()
    {
        QFETCH(QString, name);
        QTemporaryDir parent;
        QVERIFY(QDir(parent.path()).mkpath(QStringLiteral("floppy/a")));
        Drive drive(parent.filePath(QStringLiteral("floppy")));
        QByteArray bytes;
        QCOMPARE(drive.writeFile(name, "x")->kind, DriveFailure::BadFileName);
        QCOMPARE(drive.readFile(name, bytes)->kind, DriveFailure::BadFileName);
        QCOMPARE(filesUnder(parent.path()), QStringList());
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
        QVERIFY(failure);
        QCOMPARE(failure->kind, DriveFailure::Other);
        QCOMPARE(failure->systemError, EFBIG);
        QCOMPARE(fileBytes(root.filePath(QStringLiteral("X.bak"))), QByteArray("second"));
        QCOMPARE(filesUnder(root.path()), QStringList{"X.bak"});
    }
};

class TestBackupRestore : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void chooser()
    {
        FakePlatform fakes;
        for (const char *name : {"b.bak", "a.bak", "notes.txt"})
            writeBytes(fakes.drive.filePath(QLatin1String(name)), "x");
        Checkbook book;
        book.restoreChosen = true;
        FrmFileOpen window(book, fakes.platform);
        QVERIFY(window.Form_Load());
        window.show();
        auto *list = child<QListWidget>(&window, QStringLiteral("fliBackup"));
        auto *ok = child<QPushButton>(&window, QStringLiteral("cmdOk"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("a.bak"));
        QVERIFY(!book.restoreChosen);
        QVERIFY(ok->isDefault() && !ok->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(window.isVisible());

        clickFile(&window, QStringLiteral("b.bak"));
        QCOMPARE(book.backupName, QStringLiteral("b.bak"));
        QVERIFY(ok->isEnabled());
        press(&window, "cmdRefresh");
        QCOMPARE(book.backupName, QString());
        QVERIFY(ok->isEnabled());

        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(book.backupName, list->currentItem()->text());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QVERIFY(book.restoreChosen);
    }

    void description_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("written");
        QTest::newRow("8 characters")
            << false << "12345678" << QStringList{"SUCCESS"} << "12345678.bak";
        QTest::newRow("9 characters") << false << "123456789" << QStringList{"ERROR"} << "";
        QTest::newRow("empty") << false << "" << QStringList() << "";
        QTest::newRow("cancel") << true << "" << QStringList() << "";
        QTest::newRow("blank and case kept")
            << false << "My bak" << QStringList{"SUCCESS"} << "My bak.bak";
        QTest::newRow("parent folder") << false << "../x" << QStringList{"HUH!?"} << "";
        QTest::newRow("subfolder") << false << "a/b" << QStringList{"HUH!?"} << "";
    }
    void description()
    {
        QFETCH(bool, cancel);
        QFETCH(QString, typed);
        QFETCH(QStringList, titles);
        QFETCH(QString, written);
        Fixture f;
        QVERIFY(QDir(f.fakes.drive.root()).mkdir(QStringLiteral("a")));
        f.fakes.prompter.answers.assign(titles.size(), QMessageBox::Ok);
        f.backup(cancel ? std::nullopt : std::optional(typed));

        QCOMPARE(f.fakes.prompter.textPrompts,
                 std::vector<QString>{"ENTER DESCRIPTION|Please enter the file description.\r\n"
                                      "No spaces and 8 characters max."});
        QCOMPARE(f.fakes.prompter.titles(), titles);
        if (titles == QStringList{"ERROR"}) {
            QCOMPARE(f.fakes.prompter.shown[0].text,
                     QStringLiteral("No more than 8 characters!  Process aborted."));
            QCOMPARE(f.fakes.prompter.shown[0].icon, QMessageBox::Warning);
        }
        QCOMPARE(filesUnder(f.fakes.drive.root()),
                 written.isEmpty() ? QStringList() : QStringList{written});
        if (!written.isEmpty()) {
            const QByteArray backup = fileBytes(f.onDrive(written));
            QCOMPARE(backup, f.dataFile);
            QCOMPARE(backup.count("\r\n"), 1001);
        }
        QVERIFY(f.registerAsBefore());
        // No file was left open: the register still saves.
        f.window.saveRegister();
        QCOMPARE(f.fakes.prompter.titles(), titles);
    }

    void noDiskThenRetry()
    {
        Fixture f;
        const QString root = f.fakes.drive.root();
        QVERIFY(QDir(root).removeRecursively());
        // The user puts a disk in before choosing Retry.
        f.fakes.prompter.onMessage = [&](const FakePrompter::Shown &) { QDir().mkpath(root); };
        f.fakes.prompter.answers = {QMessageBox::Retry, QMessageBox::Ok};
        f.backup(QStringLiteral("DISK"));
        QCOMPARE(f.fakes.prompter.titles(), (QStringList{"DISK NOT READY", "SUCCESS"}));
        const auto &box = f.fakes.prompter.shown[0];
        QCOMPARE(box.text, QStringLiteral("There seems to be no disk in the drive."));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::Retry | QMessageBox::Cancel);
        QCOMPARE(f.fakes.prompter.shown[1].text, QStringLiteral("The Backup was successful"));
        QCOMPARE(fileBytes(f.onDrive(QStringLiteral("DISK.bak"))), f.dataFile);
    }

    void failures_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("repeats");
        QTest::addColumn<QStringList>("titles");
        const QString sure = QStringLiteral("ARE YOU REALLY REALLY SURE?");
        const QString notReady = QStringLiteral("DISK NOT READY");
        const int full = int(DriveFailure::DiskFull);
        const int badName = int(DriveFailure::BadFileName);
        const int other = int(DriveFailure::Other);
        const int noDisk = int(DriveFailure::NotReady);
        QTest::newRow("backup, disk full") << false << full << 1 << QStringList{"DISK FULL"};
        QTest::newRow("backup, bad name") << false << badName << 1 << QStringList{"HUH!?"};
        QTest::newRow("backup, other") << false << other << 1 << QStringList{"UH OH!", "FAILURE"};
        QTest::newRow("backup, no disk, cancel") << false << noDisk << 1 << QStringList{notReady};
        QTest::newRow("backup, retried twice")
            << false << noDisk << 2 << QStringList{notReady, notReady, "SUCCESS"};
        QTest::newRow("restore") << true << 0 << 0 << QStringList{sure, "All Was Good"};
        QTest::newRow("restore, disk full") << true << full << 1 << QStringList{sure, "DISK FULL"};
        QTest::newRow("restore, bad name") << true << badName << 1 << QStringList{sure, "HUH!?"};
        QTest::newRow("restore, other")
            << true << other << 1 << QStringList{sure, "UH OH!", "FAILURE"};
        QTest::newRow("restore, no disk, cancel")
            << true << noDisk << 1 << QStringList{sure, notReady};
        QTest::newRow("restore, retried twice")
            << true << noDisk << 2 << QStringList{sure, notReady, notReady, "All Was Good"};
    }
    void failures()
    {
        QFETCH(bool, restore);
        QFETCH(int, fault);
        QFETCH(int, repeats);
        QFETCH(QStringList, titles);
        Fixture f;
        const QByteArray backup = registerFile(3, 2500);
        writeBytes(f.onDrive(QStringLiteral("OTHER.bak")), backup);
        // Restoring lists the drive first; the faults strike the copy.
        if (restore)
            f.fakes.drive.faults.push_back(std::nullopt);
        const DriveError error{DriveFailure(fault), EROFS, QStringLiteral("Read-only file system"),
                               QStringLiteral("/floppy/OTHER.bak")};
        f.fakes.drive.faults.insert(f.fakes.drive.faults.end(), repeats, error);
        // Every "DISK NOT READY" is retried, but one that ends the row.
        for (qsizetype i = 0; i < titles.size(); ++i) {
            const bool last = i + 1 == titles.size();
            f.fakes.prompter.answers.push_back(i == 0 && restore ? QMessageBox::Yes
                                               : titles[i] != QLatin1String("DISK NOT READY")
                                                   ? QMessageBox::Ok
                                               : last ? QMessageBox::Cancel
                                                      : QMessageBox::Retry);
        }
        if (restore)
            QVERIFY(f.restore(chooseAndOk(QStringLiteral("OTHER.bak"))));
        else
            f.backup(QStringLiteral("OTHER"));

        QCOMPARE(f.fakes.prompter.titles(), titles);
        const QString last = titles.back();
        const bool restored = last == QLatin1String("All Was Good");
        QCOMPARE(f.registerAsBefore(), !restored);
        QCOMPARE(fileBytes(f.onDrive(QStringLiteral("OTHER.bak"))),
                 last == QLatin1String("SUCCESS") ? f.dataFile : backup);
        QCOMPARE(f.fakes.programEnd.calls, last == QLatin1String("FAILURE") ? 1 : 0);
        if (last == QLatin1String("FAILURE")) {
            QCOMPARE(f.fakes.prompter.shown.back().text,
                     QStringLiteral("Error 30: Read-only file system\r\n"
                                    "File: /floppy/OTHER.bak\r\n\r\n"
                                    "Your register and default.dat are unchanged.  "
                                    "The program will now end."));
        }
        if (restore) {
            const auto &question = f.fakes.prompter.shown[0];
            QCOMPARE(question.text, QStringLiteral("Doing this will erase your current register.  "
                                                   "Do you wish to continue?"));
            QCOMPARE(question.icon, QMessageBox::Question);
            QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(question.defaultButton, QMessageBox::Yes);
        }
        if (restored) {
            QCOMPARE(f.fakes.prompter.shown.back().text,
                     QStringLiteral("The restore was successful"));
            QCOMPARE(fileBytes(QLatin1String(DataFileName)), backup);
            QCOMPARE(f.label("lblTotal"), QStringLiteral("$75.00"));
            QCOMPARE(f.label("lblRecNum"), QStringLiteral("3 / 1000"));
        }
    }

    void nothingRestored_data()
    {
        QTest::addColumn<Handling>("handling");
        QTest::addColumn<bool>("diskChanged");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("report");
        const QString name = QStringLiteral("OTHER.bak");
        const QStringList failed{"ARE YOU REALLY REALLY SURE?", "UH OH!", "FAILURE"};
        QTest::newRow("cancel") << Handling([name](FrmFileOpen *chooser) {
            clickFile(chooser, name);
            press(chooser, "cmdCancel");
        }) << false << QStringList()
                                << "";
        QTest::newRow("close box") << Handling([name](FrmFileOpen *chooser) {
            clickFile(chooser, name);
            chooser->close();
        }) << false << QStringList()
                                   << "";
        QTest::newRow("refresh, then OK") << Handling([name](FrmFileOpen *chooser) {
            clickFile(chooser, name);
            press(chooser, "cmdRefresh");
            press(chooser, "cmdOk");
        }) << false << QStringList() << "";
        QTest::newRow("no to the question")
            << chooseAndOk(name) << false << QStringList{"ARE YOU REALLY REALLY SURE?"} << "";
        QTest::newRow("disk changed after choosing")
            << chooseAndOk(name) << true << failed << "Error 2: No such file or directory\r\n";
        QTest::newRow("cut short") << chooseAndOk(QStringLiteral("SHORT.bak")) << false << failed
                                   << "Not a whole register: line 501, ";
    }
    void nothingRestored()
    {
        QFETCH(Handling, handling);
        QFETCH(bool, diskChanged);
        QFETCH(QStringList, titles);
        QFETCH(QString, report);
        Fixture f;
        const QByteArray backup = registerFile(3, 2500);
        writeBytes(f.onDrive(QStringLiteral("OTHER.bak")), backup);
        writeBytes(f.onDrive(QStringLiteral("SHORT.bak")), backup.left(backup.size() / 2));
        if (diskChanged) {
            f.fakes.prompter.onMessage = [&](const FakePrompter::Shown &) {
                QFile::remove(f.onDrive(QStringLiteral("OTHER.bak")));
            };
        }
        f.fakes.prompter.answers = {titles.size() == 1 ? QMessageBox::No : QMessageBox::Yes,
                                    QMessageBox::Ok, QMessageBox::Ok};
        QVERIFY(f.restore(handling));
        QCOMPARE(f.fakes.prompter.titles(), titles);
        QVERIFY(f.registerAsBefore());
        if (titles.size() == 3) {
            QVERIFY(f.fakes.prompter.shown[2].text.startsWith(report));
            QVERIFY(f.fakes.prompter.shown[2].text.contains(QLatin1String("unchanged")));
            QCOMPARE(f.fakes.programEnd.calls, 1);
        }
    }

    void restoreWithoutDisk()
    {
        Fixture f;
        QVERIFY(QDir(f.fakes.drive.root()).removeRecursively());
        f.fakes.prompter.answers = {QMessageBox::Ok};
        child<QAction>(&f.window, QStringLiteral("mnuRestore"))->trigger();
        QCOMPARE(f.fakes.prompter.titles(), QStringList{"NEED DISK"});
        QVERIFY(f.registerAsBefore());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int status = 0;
    {
        TestDrive drive;
        status |= QTest::qExec(&drive, argc, argv);
    }
    {
        TestBackupRestore flows;
        status |= QTest::qExec(&flows, argc, argv);
    }
    return status;
}

#include "tst_backup.moc"
