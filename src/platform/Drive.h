// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tallyra {

// The classes a floppy failure falls into, numbered as the user has always known them.
enum class DriveFailure {
    NotReady = 71,
    DiskFull = 61,
    BadFileName = 52,
    Other = 0,
    // Not of the drive: the file is there but no whole register (cut short, damaged, or
    // larger than any register can be).
    Damaged = -1,
};

struct DriveError
{
    DriveFailure kind = DriveFailure::Other;
    int systemError = 0; // errno (GetLastError on Windows); 0 when the system reported none
    QString description; // in the system's words where it gave them
    QString file;        // the file being read or written
};

// Sorts a system error into its class. A root that is not there as a folder means there is
// no disk, whatever the system answered.
DriveFailure classifyDriveError(int systemError, bool rootReady);

// The error of the system call that failed last on this thread (errno; GetLastError on
// Windows). Clear it before a call so that a refusal without a system error reads as 0.
int lastSystemError();
void clearSystemError();

// What a root that is not there means: a folder the user chose, gone (the stick pulled out),
// or the default folder, made on first use.
enum class MissingRoot { NoDisk, Make };

// Files in the root of a floppy drive. Every operation answers nothing on success, or the
// failure, classified; no file stays open after a call returns.
class Drive
{
public:
    explicit Drive(QString root, MissingRoot missing = MissingRoot::NoDisk);
    virtual ~Drive() = default;
    Drive(const Drive &) = delete;
    Drive &operator=(const Drive &) = delete;

    const QString &root() const { return m_root; }
    // Another backup folder, chosen while the program runs.
    void setRoot(const QString &root, MissingRoot missing = MissingRoot::NoDisk)
    {
        m_root = root;
        m_missing = missing;
    }
    QString filePath(const QString &name) const;

    // The names of the "*.bak" files in the root, sorted as the user reads them.
    virtual std::optional<DriveError> listBackups(QStringList &names) const;
    // A file larger than any register can be is refused as damaged, unread.
    virtual std::optional<DriveError> readFile(const QString &name, QByteArray &bytes) const;
    // Replaces the file whole: a failure leaves no part of the new content under the name,
    // and an earlier file of that name as it was.
    virtual std::optional<DriveError> writeFile(const QString &name, const QByteArray &bytes);
    // Writes a file that is not there yet: an existing file of that name is never replaced,
    // and a failure leaves nothing under the name.
    virtual std::optional<DriveError> createFile(const QString &name, const QByteArray &bytes);
    // Removes the file if it is there, and is done once the disk has no name for it.
    virtual std::optional<DriveError> removeFile(const QString &name);

private:
    bool rootReady() const;
    std::optional<DriveError> readyRoot(const QString &file) const;
    std::optional<DriveError> refuse(const QString &name) const;
    DriveError noDisk(const QString &file) const;
    DriveError failure(int systemError, const QString &qtDescription, const QString &name) const;
    std::optional<DriveError> syncFolderFor(const QString &name, const QString &what) const;

    QString m_root;
    MissingRoot m_missing;
};

} // namespace tallyra
