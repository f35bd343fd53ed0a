// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/FileStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tallyra {

namespace {

// Far beyond any real number of kept copies; it only stops a runaway search.
constexpr int MostKeptCopies = 9999;

constexpr qint64 ReadPiece = 1 << 20;

bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

FolderSync &folderSyncInUse()
{
    static FolderSync sync;
    return sync;
}

QString notConfirmed(const QString &file, const QString &why)
{
    return QCoreApplication::translate(
               "FileStore", "%1 was written, but the disk did not confirm its new name: %2")
        .arg(QFileInfo(file).fileName(), why);
}

enum class Kept { Yes, NameTaken, Failed };

// Tries base, base.1, base.2, ... in turn: `keep` makes the copy under a free name, and
// answers NameTaken when the name was taken meanwhile, so that the next one is tried.
template <typename Keep>
std::optional<QString> keepUnderFreeName(const QString &base, QString *error, Keep keep)
{
    for (int n = 0; n <= MostKeptCopies; ++n) {
        const QString candidate = n == 0 ? base : base + u'.' + QString::number(n);
        if (nameTaken(candidate))
            continue;
        QString why;
        const Kept kept = keep(candidate, why);
        if (kept == Kept::Yes)
            return candidate;
        if (kept == Kept::Failed) {
            if (error)
                *error = why;
            return std::nullopt;
        }
    }
    if (error)
        *error =
            QCoreApplication::translate("FileStore", "every name from %1 to %1.%2 is already taken")
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
    // Unbuffered, so that a write the disk cuts short is seen here: a buffered one is only
    // flushed by commit(), which then renames the short file into place as if it were whole.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    if (const FileResult synced = syncFolderOf(path); !synced.ok)
        return {false, notConfirmed(path, synced.error), true};
    return {};
}

FileResult syncFolder(const QString &folder)
{
#ifdef Q_OS_WIN
    // Windows offers no sync of a folder; its file systems journal the rename.
    Q_UNUSED(folder);
    return {};
#else
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return {false, qt_error_string(errno)};
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    if (synced == 0 || error == EINVAL || error == ENOTSUP || error == ENOSYS)
        return {};
    return {false, qt_error_string(error)};
#endif
}

void setFolderSync(FolderSync sync)
{
    folderSyncInUse() = std::move(sync);
}

FileResult syncFolderOf(const QString &file)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (const FolderSync &sync = folderSyncInUse())
        return sync(folder);
    return syncFolder(folder);
}

std::optional<QByteArray> readWholeFile(const QString &path, QString *error, qint64 largest)
{
    const auto fail = [error](const QString &why) -> std::optional<QByteArray> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    // Opening a FIFO for reading waits for a writer, for ever; a device could be endless.
    // Only a regular file, after following links, is read at all.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return fail(QCoreApplication::translate("FileStore", "it is not a regular file"));
    if (info.size() > largest)
        return fail(tooLargeForRegister(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    // Read in pieces straight into the result, so that a file that grew since it was
    // measured is still read no further than just past the limit. The first piece is the
    // size measured and a byte more, so that a small file costs no more than its size.
    QByteArray bytes;
    for (qint64 piece = info.size() + 1; bytes.size() <= largest; piece = ReadPiece) {
        const qsizetype at = bytes.size();
        bytes.resize(at + qsizetype(std::min(piece, largest + 1 - at)));
        const qint64 wanted = bytes.size() - at;
        const qint64 got = file.read(bytes.data() + at, wanted);
        bytes.resize(at + qsizetype(std::max<qint64>(got, 0)));
        // Less than asked for is the end of a regular file.
        if (got < wanted)
            break;
    }
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.size() > largest)
        return fail(tooLargeForRegister(file.size()));
    return bytes;
}

QString tooLargeForRegister(qint64 size)
{
    // Commas between thousands, as every number the program shows.
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::DefaultNumberOptions);
    return QCoreApplication::translate("FileStore",
                                       "at %1 bytes it is larger than any register can be")
        .arg(numbers.toString(size));
}

std::optional<QString> keepUnreadableCopy(const QString &path, QString *error)
{
    // QFile::rename never replaces an existing file, so a copy that appears meanwhile is
    // safe too.
    const std::optional<QString> kept = keepUnderFreeName(
        path + QStringLiteral(".unreadable"), error, [&](const QString &candidate, QString &why) {
            QFile file(path);
            if (file.rename(candidate))
                return Kept::Yes;
            why = file.errorString();
            return nameTaken(candidate) ? Kept::NameTaken : Kept::Failed;
        });
    if (!kept)
        return std::nullopt;
    if (const FileResult synced = syncFolderOf(*kept); !synced.ok) {
        if (error)
            *error =
                QCoreApplication::translate(
                    "FileStore", "it was moved to %1, but the disk did not confirm the move: %2")
                    .arg(QFileInfo(*kept).fileName(), synced.error);
        return std::nullopt;
    }
    return kept;
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
        if (written.ok)
            return Kept::Yes;
        // A copy that is there but not confirmed must not be followed by another.
        return !written.replaced && nameTaken(candidate) ? Kept::NameTaken : Kept::Failed;
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
