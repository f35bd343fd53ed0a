// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ChangeBoxes.h"
#include "platform/Platform.h"
#include "register/Checkbook.h"
#include "register/RegisterDocument.h"

#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace tallyra {

// File > Backup: asks for a description and copies the document's data file to the backup
// folder, its cleared marks and reconciliations beside it, reporting success or the failure.
// Returns the backup's file name when one was made.
std::optional<QString> backupRegister(const RegisterDocument &document, Platform &platform,
                                      QWidget *parent);

// A backup read and checked whole, for the register to become, with the marks kept beside it.
struct RestoredBackup
{
    QString fileName;
    std::unique_ptr<Checkbook> book;
    Companion companion;
    // Why the marks beside it could not be taken; nothing when they were, or there were none.
    std::optional<QString> marksLost;
};

// File > Restore up to the point of replacing the register: the chooser, the question, and
// the whole backup read and checked. Nothing when the user stopped or the backup failed (the
// failure reported).
std::optional<RestoredBackup> chooseBackupToRestore(Platform &platform, QWidget *parent);

// File > Restore whole: the backup chosen and read becomes the register as one change (the
// register before it kept as a copy), and a box says so once it is saved.
Committed restoreBackupCommand(RegisterDocument &document, Platform &platform, QWidget *parent);

// File > Backup Folder: the folder chooser; backups go to the folder chosen from then on, and
// it is remembered for the next start (a failure to remember it is said). True when a folder
// was chosen.
bool chooseBackupFolder(Platform &platform, QWidget *parent);

} // namespace tallyra
