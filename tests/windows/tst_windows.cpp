// SPDX-License-Identifier: GPL-3.0-or-later
// What only the Windows build does: settings in the registry, backups in the user's
// Documents. (Printing with no printer is in tst_report.)
#include "FakePlatform.h"
#include "platform/Settings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace tallyra;

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Tallyra Test"));
        QCoreApplication::setApplicationName(QStringLiteral("Tallyra Test"));
    }
    void cleanupTestCase() { QSettings().clear(); }

    // The choice is written under HKEY_CURRENT_USER\Software\<organization>\<application>,
    // where Windows programs keep theirs, and read back from there on the next start.
    void settingsInTheRegistry()
    {
        QtSettings settings;
        QCOMPARE(settings.setBackupFolder(QStringLiteral("E:/Backups")), std::nullopt);
        const QSettings registry(
            QStringLiteral("HKEY_CURRENT_USER\\Software\\Tallyra Test\\Tallyra Test"),
            QSettings::NativeFormat);
        QCOMPARE(registry.value(QStringLiteral("backupFolder")).toString(), "E:/Backups");
        QCOMPARE(QtSettings().backupFolder(), QStringLiteral("E:/Backups"));
    }

    // Backups go to a folder in Documents unless the user chose one: never a floppy drive.
    void backupFolderInDocuments()
    {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(!documents.isEmpty());
        QCOMPARE(defaultBackupFolder(), documents + QStringLiteral("/Tallyra Backups"));
        const BackupFolder folder = backupFolderInUse(QString(), std::nullopt);
        QCOMPARE(folder.path, documents + QStringLiteral("/Tallyra Backups"));
        QCOMPARE(int(folder.missing), int(MissingRoot::Make));
        QCOMPARE(backupFolderInUse(QStringLiteral("a:\\"), std::nullopt).path, "a:\\");
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
