// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/BackupCopy.h"

#include "register/DataFile.h"

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

// A backup that does not read whole was cut short or damaged on its way: the user hears so,
// and the register stays as it is.
DriveError damagedBackup(const ReadFailure &fault, const QString &file)
{
    return {DriveFailure::Damaged, 0,
            QStringLiteral("it is damaged or cut short (line %1: %2)")
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
    return QStringLiteral("Copy the register to a backup file in %1")
        .arg(QDir::toNativeSeparators(drive.root()));
}

QString backupMadeMessage(const Drive &drive, const QString &fileName)
{
    return QStringLiteral("Backed up to %1")
        .arg(QDir::toNativeSeparators(drive.filePath(fileName)));
}

std::optional<DriveError> makeBackup(const QByteArray &dataFile, Drive &drive,
                                     const QString &fileName, const RetryQuestion &retry)
{
    // Too big for the stack: 1000 entries and their running totals.
    const auto copy = std::make_unique<Checkbook>();
    if (const auto fault = readDataFile(dataFile, *copy, ReadExtent::AllSlots))
        return notARegister(*fault, QLatin1String(DataFileName));
    const QByteArray backup = formatDataFile(*copy);
    return withRetries([&] { return drive.writeFile(fileName, backup); }, retry);
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

} // namespace tallyra
