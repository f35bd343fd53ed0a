// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tallyra {

// What the program remembers between runs: only the backup folder the user chose.
class Settings
{
public:
    virtual ~Settings() = default;

    virtual std::optional<QString> backupFolder() const = 0;
    // Remembers the folder for the next start: nothing when it is written down, or why it
    // could not be (the choice then holds for this run only).
    virtual std::optional<QString> setBackupFolder(const QString &folder) = 0;
};

// Kept with QSettings in the platform's usual place (~/.config/Tallyra/Tallyra.conf on Linux),
// under the organization and application names that main() sets.
class QtSettings final : public Settings
{
public:
    std::optional<QString> backupFolder() const override;
    std::optional<QString> setBackupFolder(const QString &folder) override;
};

// The folder backups go to on this run, first match wins: the command line's for this run
// only, the one the user chose and the program remembered, the folder the program was built
// with.
QString backupFolderInUse(const QString &commandLine, const std::optional<QString> &remembered,
                          const QString &builtIn);

} // namespace tallyra
