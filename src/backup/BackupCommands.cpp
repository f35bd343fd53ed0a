// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/BackupCommands.h"

#include "backup/BackupCopy.h"
#include "backup/DriveFailureBoxes.h"
#include "backup/frmFileOpen.h"
#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tallyra {

namespace {

// The description typed; nothing when the user cancelled, typed nothing or too much.
std::optional<QString> askBackupDescription(Prompter &prompter, QWidget *parent)
{
    const QString description =
        prompter
            .askText(parent, QCoreApplication::translate("BackupCommands", "ENTER DESCRIPTION"),
                     QCoreApplication::translate("BackupCommands",
                                                 "Please enter the file description.\r\n"
                                                 "No spaces and 8 characters max."))
            .value_or(QString());
    if (description.isEmpty())
        return std::nullopt;
    if (description.size() <= MaxDescriptionLength)
        return description;
    prompter.message(parent, QMessageBox::Warning,
                     QCoreApplication::translate("BackupCommands", "ERROR"),
                     QCoreApplication::translate("BackupCommands",
                                                 "No more than 8 characters!  Process aborted."));
    return std::nullopt;
}

} // namespace

std::optional<QString> backupRegister(const RegisterDocument &document, Platform &platform,
                                      QWidget *parent)
{
    const QString &dataPath = document.path();
    QString readError;
    const std::optional<QByteArray> dataFile = readWholeFile(dataPath, &readError);
    if (!dataFile) {
        platform.prompter.message(parent, QMessageBox::Critical,
                                  QCoreApplication::translate("BackupCommands", "BACKUP FAILED"),
                                  QCoreApplication::translate("BackupCommands",
                                                              "%1 could not be read: %2\r\n"
                                                              "No backup was made.")
                                      .arg(QFileInfo(dataPath).fileName(), readError));
        return std::nullopt;
    }
    const std::optional<QString> description = askBackupDescription(platform.prompter, parent);
    if (!description)
        return std::nullopt;
    const QString fileName = backupFileName(*description);
    const Checkbook &book = document.book();
    const std::optional<QByteArray> marks =
        holdsNothing(book, document.companion())
            ? std::nullopt
            : std::optional<QByteArray>(formatCompanion(book, document.companion()));
    const auto failure = makeBackup(*dataFile, marks, platform.drive, fileName,
                                    [&] { return askDriveRetry(platform.prompter, parent); });
    if (failure) {
        reportDriveFailure(platform, parent, *failure);
        return std::nullopt;
    }
    platform.prompter.message(
        parent, QMessageBox::Information, QCoreApplication::translate("BackupCommands", "SUCCESS"),
        QCoreApplication::translate("BackupCommands", "The Backup was successful"));
    return fileName;
}

std::optional<RestoredBackup> chooseBackupToRestore(Platform &platform, QWidget *parent)
{
    std::optional<QString> chosen;
    {
        FrmFileOpen chooser(platform, parent);
        if (chooser.Form_Load())
            chooser.exec();
        chosen = chooser.chosenBackup();
    }
    if (!chosen)
        return std::nullopt;
    const auto answer = platform.prompter.message(
        parent, QMessageBox::Question,
        QCoreApplication::translate("BackupCommands", "ARE YOU REALLY REALLY SURE?"),
        QCoreApplication::translate(
            "BackupCommands",
            "Doing this will erase your current register.  Do you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return std::nullopt;
    RestoredBackup restored{*chosen, std::make_unique<Checkbook>(), {}, {}};
    const RetryQuestion retry = [&] { return askDriveRetry(platform.prompter, parent); };
    if (const auto failure = readBackup(platform.drive, *chosen, retry, *restored.book)) {
        reportDriveFailure(platform, parent, *failure);
        return std::nullopt;
    }
    restored.marksLost =
        readBackupMarks(platform.drive, *chosen, retry, *restored.book, restored.companion);
    return restored;
}

Committed restoreBackupCommand(RegisterDocument &document, Platform &platform, QWidget *parent)
{
    const std::optional<RestoredBackup> restored = chooseBackupToRestore(platform, parent);
    if (!restored)
        return {};
    //: An undo step, shown after "Undo" with the name of the backup file
    const QString what =
        QCoreApplication::translate("BackupCommands", "restore %1").arg(restored->fileName);
    const Committed committed =
        commitChange(document, platform.prompter, parent, *restored->book, restored->companion,
                     what, backupRestoredMessage(restored->fileName, restored->marksLost),
                     QStringLiteral("before-restore"));
    if (committed.saved)
        platform.prompter.message(
            parent, QMessageBox::Information,
            QCoreApplication::translate("BackupCommands", "All Was Good"),
            QCoreApplication::translate("BackupCommands", "The restore was successful"));
    return committed;
}

bool chooseBackupFolder(Platform &platform, QWidget *parent)
{
    const std::optional<QString> folder = platform.prompter.askFolder(
        parent, QCoreApplication::translate("BackupCommands", "Backup Folder"),
        platform.drive.root());
    if (!folder)
        return false;
    platform.drive.setRoot(*folder);
    if (const std::optional<QString> why = platform.settings.setBackupFolder(*folder))
        platform.prompter.message(
            parent, QMessageBox::Warning,
            QCoreApplication::translate("BackupCommands", "FOLDER NOT REMEMBERED"),
            QCoreApplication::translate(
                "BackupCommands",
                "Backups go to %1 until Tallyra ends, but the choice could not be "
                "remembered for the next start: %2.")
                .arg(QDir::toNativeSeparators(*folder), *why));
    return true;
}

} // namespace tallyra
