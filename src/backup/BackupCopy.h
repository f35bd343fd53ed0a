// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Drive.h"
#include "register/Checkbook.h"
#include "register/Companion.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace tallyra {

// The longest description a backup may have.
inline constexpr int MaxDescriptionLength = 8;

// The backup file in the root of drive A for a description.
QString backupFileName(const QString &description);

// What the main window says of backups, naming the folder in use: the Backup command's status
// tip, and the status bar's text once a backup has been made under a file name.
QString backupCommandTip(const Drive &drive);
QString backupMadeMessage(const Drive &drive, const QString &fileName);
// The status bar's text once a backup is restored, and why its cleared marks were lost when
// they were.
QString backupRestoredMessage(const QString &fileName, const std::optional<QString> &marksLost);

// Asked each time the drive is not ready; true tries the failed step again.
using RetryQuestion = std::function<bool()>;

// Copies the data file, all 1000 record lines, through the register's slots onto the drive,
// with the text of its companion file beside it (companionPath of the backup's name); without
// one, a companion file an earlier backup of that name left is removed. A failure comes back
// classified; one of the drive not being ready comes back only once the user stops retrying.
std::optional<DriveError> makeBackup(const QByteArray &dataFile,
                                     const std::optional<QByteArray> &companion, Drive &drive,
                                     const QString &fileName, const RetryQuestion &retry);

// Reads a whole backup and checks every line of it: the register it holds, or why not.
std::optional<DriveError> readBackup(Drive &drive, const QString &fileName,
                                     const RetryQuestion &retry, Checkbook &restored);

// Reads the companion file beside a backup onto the register read from it. Nothing when there
// is none or it reads; otherwise the register keeps no marks and `companion` is empty, and
// the text says why.
std::optional<QString> readBackupMarks(Drive &drive, const QString &fileName,
                                       const RetryQuestion &retry, Checkbook &restored,
                                       Companion &companion);

} // namespace tallyra
