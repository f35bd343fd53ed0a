// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"

#include <QCryptographicHash>
#include <QSettings>

namespace tallyra {

namespace {

const QString BackupFolderKey = QStringLiteral("backupFolder");

// A heading holds any character, slashes too, which QSettings would take as groups: the key
// is its hash.
QString csvMappingKey(const QString &heading)
{
    return QStringLiteral("csvMappings/") +
           QString::fromLatin1(
               QCryptographicHash::hash(heading.toUtf8(), QCryptographicHash::Sha1).toHex());
}

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

std::optional<QString> QtSettings::csvMapping(const QString &heading) const
{
    const QString mapping = QSettings().value(csvMappingKey(heading)).toString();
    if (mapping.isEmpty())
        return std::nullopt;
    return mapping;
}

void QtSettings::setCsvMapping(const QString &heading, const QString &mapping)
{
    QSettings settings;
    settings.setValue(csvMappingKey(heading), mapping);
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
