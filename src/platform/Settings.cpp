// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"

#include <QSettings>

namespace tallyra {

namespace {

const QString BackupFolderKey = QStringLiteral("backupFolder");

} // namespace

std::optional<QString> QtSettings::backupFolder() const
{
    const QString folder = QSettings().value(BackupFolderKey).toString();
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void QtSettings::setBackupFolder(const QString &folder)
{
    QSettings settings;
    settings.setValue(BackupFolderKey, folder);
    // Written now, not when the program ends: a crash must not forget the choice.
    settings.sync();
}

QString backupFolderInUse(const QString &commandLine, const std::optional<QString> &remembered,
                          const QString &builtIn)
{
    if (!commandLine.isEmpty())
        return commandLine;
    return remembered.value_or(builtIn);
}

} // namespace tallyra
