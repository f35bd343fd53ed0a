// SPDX-License-Identifier: GPL-3.0-or-later
#include "carryforward/CarryForwardChange.h"

#include "register/DateText.h"

#include <QFile>

namespace tallyra {

namespace {

// The archive under the first of its names that no backup has yet.
std::optional<DriveError> writeArchive(Drive &drive, QDate date, const QByteArray &bytes,
                                       QString &name)
{
    QStringList taken;
    if (auto failed = drive.listBackups(taken))
        return failed;
    name = archiveName(date, taken);
    return drive.createFile(name, bytes);
}

} // namespace

CarryForwardOutcome carryForward(RegisterDocument &document, Drive &drive, QDate date,
                                 const std::function<bool()> &retry)
{
    CarryForwardOutcome outcome;
    const Checkbook &book = document.book();
    outcome.before = entriesBefore(book, date);
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
    for (;;) {
        outcome.archiveError = writeArchive(drive, date, archive, outcome.archive);
        if (!outcome.archiveError || outcome.archiveError->kind != DriveFailure::NotReady ||
            !retry())
            break;
    }
    if (outcome.archiveError) {
        outcome.status = CarryForwardOutcome::Status::ArchiveFailed;
        return outcome;
    }

    const std::unique_ptr<Checkbook> after = carriedForward(book, outcome.before);
    outcome.change =
        document.replace(*after, QStringLiteral("carry forward before %1").arg(slashDate(date)),
                         QLatin1String(CarryForwardKeepSuffix));
    if (outcome.change.saved())
        return outcome;
    outcome.status = CarryForwardOutcome::Status::NotChanged;
    // Nothing of the change was written, so neither is its archive; but when a copy was kept
    // on the way it may be this change, whose entries before the date are only in the archive.
    if (outcome.change.keptCopy.isEmpty())
        QFile::remove(drive.filePath(outcome.archive));
    return outcome;
}

} // namespace tallyra
