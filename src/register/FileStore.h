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

} // namespace tallyra
