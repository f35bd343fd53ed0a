// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/FileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tallyra {

namespace {

// Far beyond any real number of kept copies; it only stops a runaway search.
constexpr int MostKeptCopies = 9999;

bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Tries base, base.1, base.2, ... in turn: `keep` makes the copy under a free name and
// answers false when the name was taken meanwhile, so that the next one is tried.
template <typename Keep>
std::optional<QString> keepUnderFreeName(const QString &base, QString *error, Keep keep)
{
    for (int n = 0; n <= MostKeptCopies; ++n) {
        const QString candidate = n == 0 ? base : base + u'.' + QString::number(n);
        if (nameTaken(candidate))
            continue;
        QString why;
        if (keep(candidate, why))
            return candidate;
        if (!nameTaken(candidate)) {
            if (error)
                *error = why;
            return std::nullopt;
        }
    }
    if (error)
        *error = QStringLiteral("every name from %1 to %1.%2 is already taken")
                     .arg(base)
                     .arg(MostKeptCopies);
    return std::nullopt;
}

} // namespace

FileResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Writing in place would lose the old file on a failure half-way.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

std::optional<QByteArray> readWholeFile(const QString &path, QString *error)
{
    // Opening a FIFO for reading waits for a writer, for ever; a device could be endless.
    // Only a regular file, after following links, is read at all.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("it is not a regular file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> keepUnreadableCopy(const QString &path, QString *error)
{
    // QFile::rename never replaces an existing file, so a copy that appears meanwhile is
    // safe too.
    return keepUnderFreeName(path + QStringLiteral(".unreadable"), error,
                             [&](const QString &candidate, QString &why) {
                                 QFile file(path);
                                 if (file.rename(candidate))
                                     return true;
                                 why = file.errorString();
                                 return false;
                             });
}

std::optional<QString> keepCopyBeforeReplacing(const QString &path, const QString &suffix,
                                               QString *error)
{
    QString readError;
    const std::optional<QByteArray> bytes = readWholeFile(path, &readError);
    if (!bytes) {
        if (error)
            *error = readError;
        return std::nullopt;
    }
    return keepBytes(path + u'.' + suffix, *bytes, error);
}

std::optional<QString> keepBytes(const QString &base, const QByteArray &bytes, QString *error)
{
    return keepUnderFreeName(base, error, [&](const QString &candidate, QString &why) {
        const FileResult written = writeFileAtomically(candidate, bytes);
        why = written.error;
        return written.ok;
    });
}

QString freeCopyName(const QString &base)
{
    for (int n = 0; n <= MostKeptCopies; ++n) {
        const QString candidate = n == 0 ? base : base + u'.' + QString::number(n);
        if (!nameTaken(candidate))
            return candidate;
    }
    return base;
}

} // namespace tallyra
