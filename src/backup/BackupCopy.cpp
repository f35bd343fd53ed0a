// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/BackupCopy.h"

#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QDir>

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
            QStringLiteral("Not a whole register: line %1, %2.")
                .arg(fault.lineNumber)
                .arg(fault.reason),
            file};
}

std::optional<DriveError> replaceDataFile(const QByteArray &bytes)
{
    const QString path = QLatin1String(DataFileName);
    clearSystemError();
    const FileResult written = writeFileAtomically(path, bytes);
    if (written.ok)
        return std::nullopt;
    const int systemError = lastSystemError();
    return DriveError{classifyDriveError(systemError, true), systemError,
                      systemError == 0 ? written.error : qt_error_string(systemError), path};
}

} // namespace

QString backupFileName(const QString &description)
{
    return description + QStringLiteral(".bak");
}

QString backupCommandTip(const Drive &drive)
{
    return QStringLiteral("Copy the register to a backup file in %1")
        .arg(QDir::toNativeSeparators(drive.root()));
}

QString backupMadeMessage(const Drive &drive, const QString &fileName)
{
    return QStringLiteral("Backed up to %1")
        .arg(QDir::toNativeSeparators(drive.filePath(fileName)));
}

std::optional<DriveError> makeBackup(Checkbook &book, const QByteArray &dataFile, Drive &drive,
                                     const QString &fileName, const RetryQuestion &retry)
{
    if (const auto fault = readDataFile(dataFile, book, ReadExtent::AllSlots))
        return notARegister(*fault, QLatin1String(DataFileName));
    const QByteArray backup = formatDataFile(book);
    return withRetries([&] { return drive.writeFile(fileName, backup); }, retry);
}

std::optional<DriveError> restoreBackup(Checkbook &book, Drive &drive, const QString &fileName,
                                        const RetryQuestion &retry)
{
    QByteArray backup;
    if (auto failure = withRetries([&] { return drive.readFile(fileName, backup); }, retry))
        return failure;
    // Too big for the stack: 1000 entries and their running totals.
    const auto restored = std::make_unique<Checkbook>();
    if (const auto fault = readDataFile(backup, *restored, ReadExtent::AllSlots))
        return notARegister(*fault, drive.filePath(fileName));
    const QByteArray dataFile = formatDataFile(*restored);
    if (auto failure = withRetries([&] { return replaceDataFile(dataFile); }, retry))
        return failure;
    book.entryCount = restored->entryCount;
    book.slot = restored->slot;
    return std::nullopt;
}

} // namespace tallyra
