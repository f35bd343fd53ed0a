// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/FileIdentity.h"

#include "register/FileStore.h"

#include <QFileInfo>
#include <QHashFunctions>

namespace tallyra {

namespace {

// Tells versions apart within one run, which is all it is kept for: Qt's own hash, many times
// faster than a cryptographic one, and no one is trying to forge a register.
size_t hashOf(QByteArrayView bytes)
{
    return qHash(bytes, size_t(0));
}

} // namespace

FileIdentity identityOf(const QString &path, QByteArrayView bytes)
{
    const QFileInfo info(path);
    return {true, bytes.size(), info.lastModified(), hashOf(bytes)};
}

FileIdentity identityOnDisk(const QString &path, QByteArray *bytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    FileIdentity identity{true, info.size(), info.lastModified(), std::nullopt};
    if (const std::optional<QByteArray> read = readWholeFile(path)) {
        identity.size = read->size();
        identity.hash = hashOf(*read);
        if (bytes)
            *bytes = *read;
    }
    return identity;
}

} // namespace tallyra
