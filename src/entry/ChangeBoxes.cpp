// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ChangeBoxes.h"

#include "register/DataFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace tallyra {

namespace {

// The status bar's word on a change that was saved: `done` ("Added 12/07/2026 GAS $5.00"),
// and where the file or the other program's version was kept when it was.
QString changeDoneText(const ChangeResult &result, const QString &done)
{
    const QString kept = QFileInfo(result.keptCopy).fileName();
    switch (result.kept) {
    case ChangeResult::Kept::OtherVersion:
        return QCoreApplication::translate("ChangeBoxes",
                                           "%1; the other program's version is kept as %2")
            .arg(done, kept);
    case ChangeResult::Kept::LinesPastCount:
        return QCoreApplication::translate("ChangeBoxes", "%1; the file as it was is kept as %2")
            .arg(done, kept);
    default:
        return done;
    }
}

// The status bar's word when the user chose the other program's version over a change.
QString reloadedInsteadText(const ChangeResult &result)
{
    return QCoreApplication::translate(
               "ChangeBoxes", "Reloaded: changed by another program; your change is kept as %1")
        .arg(QFileInfo(result.keptCopy).fileName());
}

} // namespace

bool reportChange(Prompter &prompter, QWidget *parent, const ChangeResult &result)
{
    using Status = ChangeResult::Status;
    if (result.saved() && result.kept == ChangeResult::Kept::LinesPastCount)
        prompter.message(
            parent, QMessageBox::Information,
            QCoreApplication::translate("ChangeBoxes", "Lines Kept"),
            QCoreApplication::translate("ChangeBoxes",
                                        "%1 held record lines past the number of entries its "
                                        "first line gives, which the register never showed.  "
                                        "The file as it was is kept as %2.")
                .arg(QLatin1String(DataFileName), QFileInfo(result.keptCopy).fileName()));
    switch (result.status) {
    case Status::Saved:
        return true;
    case Status::Unconfirmed:
        prompter.message(
            parent, QMessageBox::Warning,
            QCoreApplication::translate("ChangeBoxes", "SAVE NOT CONFIRMED"),
            QCoreApplication::translate("ChangeBoxes",
                                        "%1 was written, but the disk did not confirm its new "
                                        "name: %2\r\nThe change is in the file, but a power cut "
                                        "now could undo it.")
                .arg(QLatin1String(DataFileName), result.error));
        return true;
    case Status::Refused:
        prompter.message(parent, QMessageBox::Warning,
                         QCoreApplication::translate("ChangeBoxes", "Not Changed"),
                         QCoreApplication::translate("ChangeBoxes", "Nothing was changed: %1.")
                             .arg(result.error));
        break;
    case Status::CopyFailed:
        prompter.message(parent, QMessageBox::Critical,
                         QCoreApplication::translate("ChangeBoxes", "COPY FAILED"),
                         QCoreApplication::translate(
                             "ChangeBoxes", "The register could not be kept as a copy before it is "
                                            "replaced: %1\r\nNothing was changed.")
                             .arg(result.error));
        break;
    case Status::SaveFailed:
        prompter.message(
            parent, QMessageBox::Critical,
            QCoreApplication::translate("ChangeBoxes", "SAVE FAILED"),
            QCoreApplication::translate("ChangeBoxes",
                                        "The register could not be saved to %1: %2\r\n"
                                        "The file still holds the register as it was last saved.")
                .arg(QLatin1String(DataFileName), result.error));
        break;
    case Status::Reloaded:
        // The user chose it, and the question said where the change is kept.
        break;
    }
    return false;
}

Committed commitChange(RegisterDocument &document, Prompter &prompter, QWidget *parent,
                       const Checkbook &after, const Companion &companionAfter, const QString &what,
                       const QString &done, const QString &keepSuffix)
{
    const ChangeResult result = document.replace(after, companionAfter, what, keepSuffix);
    Committed committed;
    if (result.status == ChangeResult::Status::Reloaded)
        committed.told << reloadedInsteadText(result);
    committed.saved = reportChange(prompter, parent, result);
    if (committed.saved)
        committed.told << changeDoneText(result, done);
    return committed;
}

void askAboutOutsideChanges(RegisterDocument &document, Prompter &prompter, QWidget *parent)
{
    // The document outlives the window: the question goes with it.
    QObject::connect(parent, &QObject::destroyed, &document,
                     [&document] { document.setOutsideChangeQuestion({}); });
    const QPointer<QWidget> window(parent);
    document.setOutsideChangeQuestion([&document, &prompter, window](const OutsideChange &names) {
        const QString text =
            QCoreApplication::translate(
                "ChangeBoxes", "%1 was changed by another program since Tallyra last read or wrote "
                               "it.\r\n\r\n"
                               "Reload: show the other version; your change is kept as %2.\r\n"
                               "Keep Mine: the other version is kept as %3, then your change is "
                               "written.")
                .arg(document.path(), QFileInfo(names.mineKeptAs).fileName(),
                     QFileInfo(names.theirsKeptAs).fileName());
        // Esc takes the choice that writes over nothing.
        const int answer = prompter.choose(
            window.data(), QMessageBox::Warning,
            QCoreApplication::translate("ChangeBoxes", "Changed By Another Program"), text,
            {QCoreApplication::translate("ChangeBoxes", "&Reload"),
             QCoreApplication::translate("ChangeBoxes", "&Keep Mine")},
            0, 0);
        return answer == 1 ? OutsideChangeChoice::KeepMine : OutsideChangeChoice::Reload;
    });
}

} // namespace tallyra
