// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

namespace tallyra {

// What tells one version of a file from another: its size, when it was last modified and a
// hash of its bytes, so that a rewrite of the same size within the same second still shows.
struct FileIdentity
{
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    // None for a file that could not be read.
    std::optional<size_t> hash;

    // The same bytes: a file only touched, with nothing in it changed, is still the same.
    bool sameBytes(const FileIdentity &other) const
    {
        return exists == other.exists && size == other.size && hash == other.hash;
    }
};

// The identity of bytes about to be written or just read from `path`.
FileIdentity identityOf(const QString &path, QByteArrayView bytes);

// The identity of the file on disk now; `bytes` receives them when given. A file that cannot
// be read has no hash, and so is never the same as one that could.
FileIdentity identityOnDisk(const QString &path, QByteArray *bytes = nullptr);

} // namespace tallyra
