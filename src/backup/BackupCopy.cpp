// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/BackupCopy.h"

#include "register/DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace tallyra {

namespace {

std::optional<DriveError> withRetries(const std::function<std::optional<DriveError>()> &step,
                                      const RetryQuestion &retry)
{
    for (;;) {
        std::optional<DriveError> failure = step();
        if (!failure || failure->kind != DriveFailure::NotReady || !retry())
            return failure;
    }
}

DriveError notARegister(const ReadFailure &fault, const QString &file)
{
    return {DriveFailure::Other, 0,
            QCoreApplication::translate("Backup", "Not a whole register: line %1, %2.")
                .arg(fault.lineNumber)
                .arg(fault.reason),
            file};
}

// A backup that does not read whole was cut short or damaged on its way: the user hears so,
// and the register stays as it is.
DriveError damagedBackup(const ReadFailure &fault, const QString &file)
{
    return {DriveFailure::Damaged, 0,
            QCoreApplication::translate("Backup", "it is damaged or cut short (line %1: %2)")
                .arg(fault.lineNumber)
                .arg(fault.reason),
            file};
}

} // namespace

QString backupFileName(const QString &description)
{
    return description + QStringLiteral(".bak");
}

QString backupCommandTip(const Drive &drive)
{
    return QCoreApplication::translate("Backup", "Copy the register to a backup file in %1")
        .arg(QDir::toNativeSeparators(drive.root()));
}

QString backupMadeMessage(const Drive &drive, const QString &fileName)
{
    return QCoreApplication::translate("Backup", "Backed up to %1")
        .arg(QDir::toNativeSeparators(drive.filePath(fileName)));
}

QString backupRestoredMessage(const QString &fileName, const std::optional<QString> &marksLost)
{
    const QString restored = QCoreApplication::translate("Backup", "Restored %1").arg(fileName);
    if (!marksLost)
        return restored;
    return QCoreApplication::translate("Backup", "%1; its cleared marks were lost: %2")
        .arg(restored, *marksLost);
}

std::optional<DriveError> makeBackup(const QByteArray &dataFile,
                                     const std::optional<QByteArray> &companion, Drive &drive,
                                     const QString &fileName, const RetryQuestion &retry)
{
    // Too big for the stack: 1000 entries and their running totals.
    const auto copy = std::make_unique<Checkbook>();
    if (const auto fault = readDataFile(dataFile, *copy, ReadExtent::AllSlots))
        return notARegister(*fault, QLatin1String(DataFileName));
    const QByteArray backup = formatDataFile(*copy);
    const QString marks = companionPath(fileName);
    // The marks go first, as beside the data file: should the backup itself then fail, an
    // earlier backup of the name is still whole, and a mark names its entry by content, so
    // that none lands on an entry of another register.
    if (companion) {
        if (auto failure = withRetries([&] { return drive.writeFile(marks, *companion); }, retry))
            return failure;
    }
    if (auto failure = withRetries([&] { return drive.writeFile(fileName, backup); }, retry))
        return failure;
    // Left there, an earlier backup's marks would be restored with this one.
    if (!companion)
        return withRetries([&] { return drive.removeFile(marks); }, retry);
    return std::nullopt;
}

std::optional<DriveError> readBackup(Drive &drive, const QString &fileName,
                                     const RetryQuestion &retry, Checkbook &restored)
{
    QByteArray backup;
    if (auto failure = withRetries([&] { return drive.readFile(fileName, backup); }, retry))
        return failure;
    if (const auto fault = readDataFile(backup, restored, ReadExtent::AllSlots))
        return damagedBackup(*fault, drive.filePath(fileName));
    return std::nullopt;
}

std::optional<QString> readBackupMarks(Drive &drive, const QString &fileName,
                                       const RetryQuestion &retry, Checkbook &restored,
                                       Companion &companion)
{
    companion = Companion{};
    const QString marks = companionPath(fileName);
    // A backup without marks, or made before there were any: nothing is lost.
    if (!QFileInfo::exists(drive.filePath(marks)))
        return std::nullopt;
    const auto lost = [&](const QString &why) {
        return QCoreApplication::translate("Backup", "%1 could not be used (%2)").arg(marks, why);
    };
    QByteArray bytes;
    if (auto failure = withRetries([&] { return drive.readFile(marks, bytes); }, retry))
        return lost(failure->description);
    const CompanionRead read = readCompanion(bytes, restored, companion);
    if (read.result != CompanionRead::Result::Read)
        return lost(read.reason);
    return std::nullopt;
}

} // namespace tallyra
