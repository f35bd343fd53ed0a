// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tallyra {

// Outcome of a file operation; on failure `error` says why, in the system's words.
struct FileResult
{
    bool ok = true;
    QString error;
};

// Replaces the file as a whole: written to a temporary file, flushed to disk, then renamed
// over the old one. A failure at any point leaves the previous file as it was.
FileResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// The whole content of a file, or nothing (with the reason in `error` when given).
std::optional<QByteArray> readWholeFile(const QString &path, QString *error = nullptr);

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
