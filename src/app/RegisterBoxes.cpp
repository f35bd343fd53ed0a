// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegisterBoxes.h"

#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace tallyra {

bool askOpenReadOnly(Prompter &prompter, QWidget *parent, const QString &path,
                     const LockHolder &holder)
{
    const QString text =
        QCoreApplication::translate(
            "RegisterBoxes",
            "%1 is open in another copy of Tallyra (process %2 on %3, since %4).\r\n"
            "\r\nOpen it read-only to look at it, print or back it up, or quit.")
            .arg(path)
            .arg(holder.pid)
            .arg(holder.host.isEmpty()
                     ? QCoreApplication::translate("RegisterBoxes", "this computer")
                     : holder.host,
                 QLocale::c().toString(holder.since, QStringLiteral("MM/dd/yyyy h:mm AP")));
    return prompter.choose(parent, QMessageBox::Warning,
                           QCoreApplication::translate("RegisterBoxes", "Register In Use"), text,
                           {QCoreApplication::translate("RegisterBoxes", "Open &Read-Only"),
                            QCoreApplication::translate("RegisterBoxes", "&Quit")},
                           0, 1) == 0;
}

bool startNewAfterFailedLoad(RegisterDocument &document, Platform &platform, QWidget *parent,
                             bool fileExists)
{
    const auto answer = platform.prompter.message(
        parent, QMessageBox::Question, QCoreApplication::translate("RegisterBoxes", "Missing File"),
        QCoreApplication::translate("RegisterBoxes",
                                    "The default data file is missing.  Do you wish to make one?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
        platform.programEnd.endProgram();
        return false;
    }
    if (fileExists) {
        QString error;
        const std::optional<QString> kept = keepUnreadableCopy(document.path(), &error);
        if (!kept) {
            platform.prompter.message(
                parent, QMessageBox::Critical,
                QCoreApplication::translate("RegisterBoxes", "FILE KEPT AS IT IS"),
                QCoreApplication::translate("RegisterBoxes",
                                            "The unreadable %1 could not be set aside: %2\r\n"
                                            "No new register was made; the program will end.")
                    .arg(QLatin1String(DataFileName), error));
            platform.programEnd.endProgram();
            return false;
        }
        platform.prompter.message(
            parent, QMessageBox::Information,
            QCoreApplication::translate("RegisterBoxes", "Old File Kept"),
            QCoreApplication::translate("RegisterBoxes",
                                        "The data file could not be read.  It has been kept as %1, "
                                        "and a new, empty register is started.")
                .arg(QFileInfo(*kept).fileName()));
    }
    const ChangeResult made = document.startEmpty();
    if (made.saved())
        return true;
    // Asking again would only fail again: the folder takes no file.
    platform.prompter.message(
        parent, QMessageBox::Critical, QCoreApplication::translate("RegisterBoxes", "SAVE FAILED"),
        QCoreApplication::translate("RegisterBoxes", "A new %1 could not be written: %2\r\n"
                                                     "The program will end.")
            .arg(QLatin1String(DataFileName), made.error));
    platform.programEnd.endProgram();
    return false;
}

bool askDeleteRegister(Prompter &prompter, QWidget *parent)
{
    return prompter.message(parent, QMessageBox::Question,
                            QCoreApplication::translate("RegisterBoxes", "Are You Sure"),
                            QCoreApplication::translate(
                                "RegisterBoxes", "Doing this will delete your current register.\r\n"
                                                 "Do you wish to continue?"),
                            QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::Yes) == QMessageBox::Yes;
}

void tellRegisterFull(Prompter &prompter, QWidget *parent)
{
    prompter.message(parent, QMessageBox::Critical,
                     QCoreApplication::translate("RegisterBoxes", "Register Full"),
                     QCoreApplication::translate("RegisterBoxes",
                                                 "You Have reached the maximum allowed records.\r\n"
                                                 "You must backup then make a new record."));
}

void tellNothingToEdit(Prompter &prompter, QWidget *parent)
{
    prompter.message(parent, QMessageBox::Information,
                     QCoreApplication::translate("RegisterBoxes", "Nothing To Do"),
                     QCoreApplication::translate("RegisterBoxes", "There is nothing to edit."));
}

} // namespace tallyra
