// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace tallyra {

namespace {

const QString BackupFolderKey = QStringLiteral("backupFolder");
const QString GeometryKey = QStringLiteral("mainWindow/geometry");

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

std::optional<QString> QtSettings::setBackupFolder(const QString &folder)
{
    QSettings settings;
    const QString file = QDir::toNativeSeparators(settings.fileName());
    if (!settings.isWritable())
        return QCoreApplication::translate("Settings", "%1 cannot be written").arg(file);
    settings.setValue(BackupFolderKey, folder);
    // Written now, not when the program ends: a crash must not forget the choice, and a
    // failure is known while the user can still be told.
    settings.sync();
    switch (settings.status()) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::AccessError:
        return QCoreApplication::translate("Settings", "%1 cannot be written").arg(file);
    case QSettings::FormatError:
        return QCoreApplication::translate("Settings", "%1 is damaged").arg(file);
    }
    return std::nullopt;
}

QByteArray QtSettings::mainWindowGeometry() const
{
    return QSettings().value(GeometryKey).toByteArray();
}

void QtSettings::setMainWindowGeometry(const QByteArray &geometry)
{
    QSettings settings;
    settings.setValue(GeometryKey, geometry);
    settings.sync();
}

QString defaultBackupFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(QStringLiteral("Tallyra Backups"));
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

BackupFolder backupFolderInUse(const QString &commandLine, const std::optional<QString> &remembered)
{
    if (!commandLine.isEmpty())
        return {commandLine, MissingRoot::NoDisk};
    if (remembered)
        return {*remembered, MissingRoot::NoDisk};
    return {defaultBackupFolder(), MissingRoot::Make};
}

} // namespace tallyra
