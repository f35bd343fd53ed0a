// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/DriveFailureBoxes.h"

#include <QCoreApplication>
#include <QDir>

namespace tallyra {

namespace {

QString failureReport(const DriveError &error)
{
    const QString what = error.systemError == 0
                             ? error.description
                             : QCoreApplication::translate("DriveFailureBoxes", "Error %1: %2")
                                   .arg(error.systemError)
                                   .arg(error.description);
    return QCoreApplication::translate("DriveFailureBoxes",
                                       "%1\r\nFile: %2\r\n\r\nYour register and default.dat "
                                       "are unchanged.  The program will now end.")
        .arg(what, error.file);
}

} // namespace

bool askDriveRetry(Prompter &prompter, QWidget *parent)
{
    const auto answer = prompter.message(
        parent, QMessageBox::Critical,
        QCoreApplication::translate("DriveFailureBoxes", "DISK NOT READY"),
        QCoreApplication::translate("DriveFailureBoxes", "There seems to be no disk in the drive."),
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
        prompter.message(
            parent, QMessageBox::Critical,
            QCoreApplication::translate("DriveFailureBoxes", "DISK FULL"),
            QCoreApplication::translate("DriveFailureBoxes",
                                        "The disk is full.  Please remove disk and try again"));
        return;
    case DriveFailure::BadFileName:
        prompter.message(
            parent, QMessageBox::Critical,
            QCoreApplication::translate("DriveFailureBoxes", "HUH!?"),
            QCoreApplication::translate("DriveFailureBoxes",
                                        "What kind of file name was that?  Try to backup again."));
        return;
    case DriveFailure::Damaged:
        prompter.message(parent, QMessageBox::Critical,
                         QCoreApplication::translate("DriveFailureBoxes", "DAMAGED BACKUP"),
                         QCoreApplication::translate("DriveFailureBoxes",
                                                     "The backup %1 cannot be restored: %2.\r\n"
                                                     "Your register is as it was.")
                             .arg(QDir::toNativeSeparators(error.file), error.description));
        return;
    case DriveFailure::Other:
        prompter.message(
            parent, QMessageBox::Critical,
            QCoreApplication::translate("DriveFailureBoxes", "UH OH!"),
            QCoreApplication::translate(
                "DriveFailureBoxes", "Something really weird just happened.  I haven't a clue."));
        prompter.message(parent, QMessageBox::Critical,
                         QCoreApplication::translate("DriveFailureBoxes", "FAILURE"),
                         failureReport(error));
        platform.programEnd.endProgram();
        return;
    }
}

} // namespace tallyra
