// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"

#include <QDir>
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

std::optional<QString> QtSettings::setBackupFolder(const QString &folder)
{
    QSettings settings;
    const QString file = QDir::toNativeSeparators(settings.fileName());
    if (!settings.isWritable())
        return QStringLiteral("%1 cannot be written").arg(file);
    settings.setValue(BackupFolderKey, folder);
    // Written now, not when the program ends: a crash must not forget the choice, and a
    // failure is known while the user can still be told.
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::AccessError:
        return QStringLiteral("%1 cannot be written").arg(file);
    case QSettings::FormatError:
        return QStringLiteral("%1 is damaged").arg(file);
    }
    return std::nullopt;
}

QString backupFolderInUse(const QString &commandLine, const std::optional<QString> &remembered,
                          const QString &builtIn)
{
    if (!commandLine.isEmpty())
        return commandLine;
    return remembered.value_or(builtIn);
}

} // namespace tallyra
