// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Drive.h"

#include "register/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace tallyra {

namespace {

// A name that could reach outside the root is refused before the drive is touched.
bool leavesRoot(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return true;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == QChar(0))
            return true;
#ifdef Q_OS_WIN
        // "c:x.bak" names a file on drive C.
        if (c == u':')
            return true;
#endif
    }
    return false;
}

} // namespace

DriveFailure classifyDriveError(int systemError, bool rootReady)
{
    if (!rootReady)
        return DriveFailure::NotReady;
    switch (systemError) {
#ifdef Q_OS_WIN
    case ERROR_NOT_READY:
        return DriveFailure::NotReady;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return DriveFailure::DiskFull;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_PATHNAME:
        return DriveFailure::BadFileName;
#else
#ifdef ENOMEDIUM
    case ENOMEDIUM:
        return DriveFailure::NotReady;
#endif
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return DriveFailure::DiskFull;
    // FAT file systems answer EINVAL for the characters they cannot hold in a name.
    case EINVAL:
    case EILSEQ:
    case ENAMETOOLONG:
        return DriveFailure::BadFileName;
#endif
    default:
        return DriveFailure::Other;
    }
}

int lastSystemError()
{
#ifdef Q_OS_WIN
    if (const DWORD error = GetLastError())
        return int(error);
#endif
    return errno;
}

void clearSystemError()
{
#ifdef Q_OS_WIN
    SetLastError(0);
#endif
    errno = 0;
}

Drive::Drive(QString root, MissingRoot missing) : m_root(std::move(root)), m_missing(missing) {}

QString Drive::filePath(const QString &name) const
{
    if (m_root.endsWith(u'/') || m_root.endsWith(u'\\'))
        return m_root + name;
    return m_root + u'/' + name;
}

bool Drive::rootReady() const
{
    return QFileInfo(m_root).isDir();
}

std::optional<DriveError> Drive::refuse(const QString &name) const
{
    if (leavesRoot(name)) {
        return DriveError{DriveFailure::BadFileName, 0,
                          QCoreApplication::translate("Drive", "the name holds a folder part"),
                          filePath(name)};
    }
    return readyRoot(filePath(name));
}

std::optional<DriveError> Drive::readyRoot(const QString &file) const
{
    if (rootReady())
        return std::nullopt;
    if (m_missing == MissingRoot::NoDisk)
        return noDisk(file);
    clearSystemError();
    if (QDir().mkpath(m_root) && rootReady())
        return std::nullopt;
    // The folder above is there, so this is no missing disk.
    const int systemError = lastSystemError();
    const QString why =
        systemError == 0 ? QCoreApplication::translate("Drive", "the folder could not be made")
                         : QCoreApplication::translate("Drive", "the folder could not be made: %1")
                               .arg(qt_error_string(systemError));
    return DriveError{classifyDriveError(systemError, true), systemError, why, m_root};
}

DriveError Drive::noDisk(const QString &file) const
{
    return {DriveFailure::NotReady, 0,
            QCoreApplication::translate("Drive", "there is no folder %1").arg(m_root), file};
}

// Qt reports a short write without an error of its own, so the system's words are preferred.
DriveError Drive::failure(int systemError, const QString &qtDescription, const QString &name) const
{
    return {classifyDriveError(systemError, rootReady()), systemError,
            systemError == 0 ? qtDescription : qt_error_string(systemError), filePath(name)};
}

std::optional<DriveError> Drive::listBackups(QStringList &names) const
{
    if (auto notReady = readyRoot(m_root))
        return notReady;
    const QDir dir(m_root);
    // QDir lists an unreadable folder as empty; that is no disk to choose from.
    if (!dir.isReadable()) {
        return DriveError{DriveFailure::Other, 0,
                          QCoreApplication::translate("Drive", "the folder cannot be read"),
                          m_root};
    }
    // Hidden ones too: a description may begin with a full stop, and its backup must be offered.
    names = dir.entryList({QStringLiteral("*.bak")}, QDir::Files | QDir::Hidden,
                          QDir::Name | QDir::IgnoreCase);
    return std::nullopt;
}

std::optional<DriveError> Drive::readFile(const QString &name, QByteArray &bytes) const
{
    if (auto refused = refuse(name))
        return refused;
    // A backup is a register: a file larger than any is not one, and is not read.
    const QFileInfo info(filePath(name));
    if (info.isFile() && info.size() > MaxDataFileSize)
        return DriveError{DriveFailure::Damaged, 0, tooLargeForRegister(info.size()),
                          filePath(name)};
    // Only a regular file is read: a FIFO would block the read for ever.
    clearSystemError();
    QString why;
    std::optional<QByteArray> read = readWholeFile(filePath(name), &why);
    if (!read)
        return failure(lastSystemError(), why, name);
    bytes = std::move(*read);
    return std::nullopt;
}

std::optional<DriveError> Drive::writeFile(const QString &name, const QByteArray &bytes)
{
    if (auto refused = refuse(name))
        return refused;
    // A temporary file beside the target, renamed over it only when complete.
    QSaveFile file(filePath(name));
    file.setDirectWriteFallback(false);
    clearSystemError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(lastSystemError(), file.errorString(), name);
    clearSystemError();
    if (file.write(bytes) != bytes.size()) {
        const DriveError error = failure(lastSystemError(), file.errorString(), name);
        file.cancelWriting();
        return error;
    }
    clearSystemError();
    if (!file.commit())
        return failure(lastSystemError(), file.errorString(), name);
    // The backup is there only once the folder that names it is on the disk too.
    return syncFolderFor(
        name, QCoreApplication::translate("Drive", "the disk did not confirm the new file: %1"));
}

std::optional<DriveError> Drive::createFile(const QString &name, const QByteArray &bytes)
{
    if (auto refused = refuse(name))
        return refused;
    const auto taken = [&] {
        return DriveError{DriveFailure::Other, 0,
                          QCoreApplication::translate("Drive", "a file of that name is there"),
                          filePath(name)};
    };
    if (QFileInfo::exists(filePath(name)))
        return taken();
    // Written whole under a name of its own first; QFile::rename never replaces a file, so
    // one that appears meanwhile under the name is left as it is.
    const QString partName = u'.' + name + QStringLiteral(".part");
    if (auto failed = writeFile(partName, bytes)) {
        failed->file = filePath(name);
        return failed;
    }
    QFile part(filePath(partName));
    clearSystemError();
    if (part.rename(filePath(name)))
        return std::nullopt;
    const DriveError error = QFileInfo::exists(filePath(name))
                                 ? taken()
                                 : failure(lastSystemError(), part.errorString(), name);
    part.remove();
    return error;
}

std::optional<DriveError> Drive::removeFile(const QString &name)
{
    if (auto refused = refuse(name))
        return refused;
    QFile file(filePath(name));
    if (!file.exists())
        return std::nullopt;
    clearSystemError();
    if (!file.remove())
        return failure(lastSystemError(), file.errorString(), name);
    return syncFolderFor(
        name, QCoreApplication::translate("Drive", "the disk did not confirm the removal: %1"));
}

// The folder naming `name` synced; `what` says, with the reason as %1, what was not confirmed.
std::optional<DriveError> Drive::syncFolderFor(const QString &name, const QString &what) const
{
    clearSystemError();
    if (const FileResult synced = syncFolderOf(filePath(name)); !synced.ok) {
        const int systemError = lastSystemError();
        return DriveError{classifyDriveError(systemError, rootReady()), systemError,
                          what.arg(synced.error), filePath(name)};
    }
    return std::nullopt;
}

} // namespace tallyra
