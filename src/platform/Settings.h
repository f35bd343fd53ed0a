// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Drive.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tallyra {

// What the program remembers between runs: the backup folder the user chose, the main
// window's size and place, and how the columns of a bank's CSV file were mapped, by the
// file's heading line.
class Settings
{
public:
    virtual ~Settings() = default;

    virtual std::optional<QString> backupFolder() const = 0;
    // Remembers the folder for the next start: nothing when it is written down, or why it
    // could not be (the choice then holds for this run only).
    virtual std::optional<QString> setBackupFolder(const QString &folder) = 0;
    // As QWidget::saveGeometry gives it and restoreGeometry takes it; empty before the first.
    virtual QByteArray mainWindowGeometry() const = 0;
    virtual void setMainWindowGeometry(const QByteArray &geometry) = 0;

    virtual std::optional<QString> csvMapping(const QString &heading) const = 0;
    virtual void setCsvMapping(const QString &heading, const QString &mapping) = 0;
};

// Kept with QSettings in the platform's usual place (~/.config/Tallyra/Tallyra.conf on Linux),
// under the organization and application names that main() sets.
class QtSettings final : public Settings
{
public:
    std::optional<QString> backupFolder() const override;
    std::optional<QString> setBackupFolder(const QString &folder) override;
    std::optional<QString> csvMapping(const QString &heading) const override;
    void setCsvMapping(const QString &heading, const QString &mapping) override;
    QByteArray mainWindowGeometry() const override;
    void setMainWindowGeometry(const QByteArray &geometry) override;
};

// "Tallyra Backups" in the user's documents folder, the same on every system.
QString defaultBackupFolder();

struct BackupFolder
{
    QString path;
    MissingRoot missing; // only the default folder is made when it is not there
};

// The folder backups go to on this run, first match wins: the command line's for this run
// only, the one the user chose and the program remembered, the default folder.
BackupFolder backupFolderInUse(const QString &commandLine,
                               const std::optional<QString> &remembered);

} // namespace tallyra
