// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/FileIdentity.h"

#include "register/FileStore.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace tallyra {

namespace {

QByteArray hashOf(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
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
    FileIdentity identity{true, info.size(), info.lastModified(), {}};
    if (const std::optional<QByteArray> read = readWholeFile(path)) {
        identity.size = read->size();
        identity.hash = hashOf(*read);
        if (bytes)
            *bytes = *read;
    }
    return identity;
}

} // namespace tallyra
