// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/DataFile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace tallyra {

// Outcome of a file operation; on failure `error` says why, in the system's words.
struct FileResult
{
    bool ok = true;
    QString error;
    // A failure after the rename: the new content is under the name all the same, only the
    // disk did not confirm the name (see syncFolder), so the old content is gone from it.
    bool replaced = false;
};

// Replaces the file as a whole: written to a temporary file, flushed to disk, renamed over
// the old one, and the folder synced so that the new name survives a power cut. A failure
// before the rename leaves the previous file as it was.
FileResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// Makes a folder's names durable: a rename into it is on the disk only once the folder is.
// A file system that cannot sync a folder at all counts as synced. On failure errno is the
// system's reason, for callers that sort failures by it.
FileResult syncFolder(const QString &folder);

// The folder sync that every rename here and on the backup drive is followed by: syncFolder,
// unless a test has put its own in place (an empty function puts syncFolder back).
using FolderSync = std::function<FileResult(const QString &folder)>;
void setFolderSync(FolderSync sync);
FileResult syncFolderOf(const QString &file);

// The whole content of a file, or nothing (with the reason in `error` when given). A file
// larger than `largest` bytes is refused before anything of it is read.
std::optional<QByteArray> readWholeFile(const QString &path, QString *error = nullptr,
                                        qint64 largest = MaxDataFileSize);

// Why a file of that size is refused unread.
QString tooLargeForRegister(qint64 size);

// Moves an unreadable data file out of the way under a name no earlier copy has
// (path.unreadable, path.unreadable.1, ...). Returns the new name, or nothing on failure.
std::optional<QString> keepUnreadableCopy(const QString &path, QString *error = nullptr);

// Copies a file that is about to be replaced to a name no earlier copy has (path.suffix,
// path.suffix.1, ...), written whole and flushed to disk before this returns. Returns the
// copy's name, or nothing on failure, with no copy left behind.
std::optional<QString> keepCopyBeforeReplacing(const QString &path, const QString &suffix,
                                               QString *error = nullptr);

// Writes bytes under a name no earlier copy has (base, base.1, ...), whole and flushed to disk.
// Returns the name, or nothing on failure, with no copy left behind.
std::optional<QString> keepBytes(const QString &base, const QByteArray &bytes,
                                 QString *error = nullptr);

// The name keepBytes would use now for `base`.
QString freeCopyName(const QString &base);

} // namespace tallyra
