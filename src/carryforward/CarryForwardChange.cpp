// SPDX-License-Identifier: GPL-3.0-or-later
#include "carryforward/CarryForwardChange.h"

#include "register/DateText.h"

#include <QCoreApplication>

namespace tallyra {

namespace {

// The archive under the first of its names that no backup has yet, and its marks beside it as
// beside any backup, so that File > Restore takes them back too. A companion file of that name
// that no archive had would otherwise lend it marks.
std::optional<DriveError> writeArchive(Drive &drive, QDate date, const QByteArray &bytes,
                                       const std::optional<QByteArray> &marks, QString &name)
{
    QStringList taken;
    if (auto failed = drive.listBackups(taken))
        return failed;
    name = archiveName(date, taken);
    if (auto failed = drive.createFile(name, bytes))
        return failed;
    const QString beside = companionPath(name);
    std::optional<DriveError> failed =
        marks ? drive.writeFile(beside, *marks) : drive.removeFile(beside);
    if (failed)
        drive.removeFile(name);
    return failed;
}

} // namespace

CarryForwardOutcome carryForward(RegisterDocument &document, Drive &drive, QDate date,
                                 const std::function<bool()> &retry)
{
    CarryForwardOutcome outcome;
    const Checkbook &book = document.book();
    outcome.before = entriesBefore(book, document.companion(), date);
    if (document.readOnly()) {
        outcome.status = CarryForwardOutcome::Status::ReadOnly;
        return outcome;
    }
    outcome.refusal = carryRefusal(outcome.before);
    if (outcome.refusal) {
        outcome.status = CarryForwardOutcome::Status::Refused;
        return outcome;
    }

    const QByteArray archive = archiveFile(book, outcome.before);
    const std::optional<QByteArray> marks =
        archiveMarks(book, document.companion(), outcome.before);
    for (;;) {
        outcome.archiveError = writeArchive(drive, date, archive, marks, outcome.archive);
        if (!outcome.archiveError || outcome.archiveError->kind != DriveFailure::NotReady ||
            !retry())
            break;
    }
    if (outcome.archiveError) {
        outcome.status = CarryForwardOutcome::Status::ArchiveFailed;
        return outcome;
    }

    const std::unique_ptr<Checkbook> after = carriedForward(book, outcome.before);
    outcome.change = document.replace(
        *after, document.companion(),
        QCoreApplication::translate("CarryForwardChange", "carry forward before %1")
            .arg(slashDate(date)),
        QLatin1String(CarryForwardKeepSuffix));
    if (outcome.change.saved())
        return outcome;
    outcome.status = CarryForwardOutcome::Status::NotChanged;
    // Nothing of the change was written, so neither is its archive; but when a copy was kept
    // on the way it may be this change, whose entries before the date are only in the archive.
    if (outcome.change.keptCopy.isEmpty()) {
        drive.removeFile(outcome.archive);
        drive.removeFile(companionPath(outcome.archive));
    }
    return outcome;
}

} // namespace tallyra
