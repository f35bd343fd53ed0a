// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/DriveFailureBoxes.h"

#include <QDir>

namespace tallyra {

namespace {

QString failureReport(const DriveError &error)
{
    const QString what =
        error.systemError == 0
            ? error.description
            : QStringLiteral("Error %1: %2").arg(error.systemError).arg(error.description);
    return what + QStringLiteral("\r\nFile: ") + error.file +
           QStringLiteral("\r\n\r\nYour register and default.dat are unchanged.  "
                          "The program will now end.");
}

} // namespace

bool askDriveRetry(Prompter &prompter, QWidget *parent)
{
    const auto answer =
        prompter.message(parent, QMessageBox::Critical, QStringLiteral("DISK NOT READY"),
                         QStringLiteral("There seems to be no disk in the drive."),
                         QMessageBox::Retry | QMessageBox::Cancel);
    return answer == QMessageBox::Retry;
}

void reportDriveFailure(Platform &platform, QWidget *parent, const DriveError &error)
{
    Prompter &prompter = platform.prompter;
    switch (error.kind) {
    case DriveFailure::NotReady:
        return;
    case DriveFailure::DiskFull:
        prompter.message(parent, QMessageBox::Critical, QStringLiteral("DISK FULL"),
                         QStringLiteral("The disk is full.  Please remove disk and try again"));
        return;
    case DriveFailure::BadFileName:
        prompter.message(parent, QMessageBox::Critical, QStringLiteral("HUH!?"),
                         QStringLiteral("What kind of file name was that?  Try to backup again."));
        return;
    case DriveFailure::Damaged:
        prompter.message(parent, QMessageBox::Critical, QStringLiteral("DAMAGED BACKUP"),
                         QStringLiteral("The backup %1 cannot be restored: %2.\r\n"
                                        "Your register is as it was.")
                             .arg(QDir::toNativeSeparators(error.file), error.description));
        return;
    case DriveFailure::Other:
        prompter.message(
            parent, QMessageBox::Critical, QStringLiteral("UH OH!"),
            QStringLiteral("Something really weird just happened.  I haven't a clue."));
        prompter.message(parent, QMessageBox::Critical, QStringLiteral("FAILURE"),
                         failureReport(error));
        platform.programEnd.endProgram();
        return;
    }
}

} // namespace tallyra
