// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"
#include "register/Companion.h"
#include "register/DataFile.h"
#include "register/FileIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>

namespace tallyra {

// Who holds the lock of a data file that another copy of the program has open.
struct LockHolder
{
    qint64 pid = 0;
    QString host;
    QString application;
    QDateTime since;
};

// How a change, an undo or a redo ended.
struct ChangeResult
{
    enum class Status {
        Saved,       // written; memory, file and history follow the change
        Unconfirmed, // written, but the disk did not confirm the new name: a power cut could
                     // still undo it
        Refused,     // nothing to do, or the register is open read-only: nothing written
        CopyFailed,  // the copy kept before replacing a register failed: nothing written
        SaveFailed,  // the write failed: the file and the register are as they were
        Reloaded,    // the file had changed elsewhere and the user took that version
    };
    Status status = Status::Saved;
    // Why a save failed, in the system's words.
    QString error;
    // A kept copy made on the way, and what it holds.
    QString keptCopy;
    enum class Kept {
        Nothing,
        OtherVersion,   // the version another program wrote
        UnsavedChange,  // the change that was not written
        LinesPastCount, // the file as it was, with record lines past its count that the
                        // register never showed and the write replaced
    };
    Kept kept = Kept::Nothing;

    bool saved() const { return status == Status::Saved || status == Status::Unconfirmed; }
};

// What the user chose when the data file changed on disk since it was last read or written.
enum class OutsideChangeChoice {
    Reload,  // take the other version; the change not yet written is kept as a copy
    KeepMine // keep the other version as a copy, then write this one
};

// The names under which each version would be kept, for the question to name them.
struct OutsideChange
{
    QString mineKeptAs;   // where "Reload" keeps the change not yet written
    QString theirsKeptAs; // where "Keep Mine" keeps the other version
};

// The register as a document: the register itself, the data file it lives in, the lock that keeps a
// second copy of the program from writing it too, the identity of the bytes last read or written
// (so that an outside change is never overwritten) and the undo history. Every change goes through
// here as one command: it is written at once, and memory always equals the file.
class RegisterDocument : public QObject
{
    Q_OBJECT

public:
    explicit RegisterDocument(QString path = QLatin1String(DataFileName),
                              QObject *parent = nullptr);
    ~RegisterDocument() override;

    const Checkbook &book() const { return m_book; }
    // What is kept beside the register in its companion file (companionPath): the statements
    // balanced. Each entry's clearing is in the register itself.
    const Companion &companion() const { return m_companion; }
    // What became of the companion file at the last load when its marks could not all be
    // taken (kept aside as damaged or from a later version, or marks naming no entry): a
    // sentence for the status bar; empty when all was well.
    const QString &companionNotice() const { return m_companionNotice; }
    // Made absolute as the document is made: the folder it was opened in stays its folder.
    const QString &path() const { return m_path; }

    // The lock beside the data file (path + ".lock"). A lock left by a process that is gone is
    // taken over. Nothing when the lock is ours (or the folder allows no lock file at all, in
    // which case writing fails as it would anyway); the holder when another copy has it, and
    // the register is then read-only. Tried once: taking the lock syncs it to disk, which a
    // window need not wait for before it first shows, so every write asks for it first too.
    std::optional<LockHolder> lock();
    // Complete copies a save cut short left beside the data file (default.dat.Ab3x9Q), renamed
    // when the lock was taken to names that say what they are.
    const QStringList &unfinishedSavesKept() const { return m_unfinishedSaves; }
    // Lets the lock go as the program ends (on Windows, a logoff ends the process right after
    // the windows were told, before anything is destroyed). Nothing is written after it.
    void releaseLock();
    // Works on without the lock: every change is refused.
    void setReadOnly(bool readOnly);
    bool readOnly() const { return m_readOnly; }

    enum class LoadResult { Loaded, Missing, Unreadable };
    // Reads the data file into the register and records its identity, then the marks and
    // reconciliations of the companion file. After a failure the register is as it was;
    // `reason` says why the file could not be read. A companion file that does not read never
    // stops the register from loading: it is kept aside, and companionNotice() says so.
    LoadResult load(QString *reason = nullptr);

    // Asked before a write when the file on disk is no longer the one last read or written.
    using OutsideChangeQuestion = std::function<OutsideChangeChoice(const OutsideChange &)>;
    void setOutsideChangeQuestion(OutsideChangeQuestion ask)
    {
        m_askOutsideChange = std::move(ask);
    }

    // Replaces the whole register by `after` as one undoable command named `what` (a short
    // text such as "add 12/07/2026 GAS $5.00"), after keeping a copy of the file under
    // path.`keepSuffix` when one is given and the register holds entries. Adding, changing and
    // removing entries, a new register, a restore, an import and a carry-forward all end here.
    ChangeResult replace(const Checkbook &after, const QString &what,
                         const QString &keepSuffix = QString());
    // The same, with what is kept beside the register changed too, in the same step. A kept
    // copy of the data file gets the companion file's copy beside it (companionPath).
    ChangeResult replace(const Checkbook &after, const Companion &companionAfter,
                         const QString &what, const QString &keepSuffix = QString());

    // Writes the data file of a new, empty register without asking anything and starts a new
    // history: for a data file that was missing or unreadable (and has been set aside).
    ChangeResult startEmpty();

    // Each written at once like any change; an undo or redo that cannot be written leaves the
    // register, the file and the history where they were.
    ChangeResult undo();
    ChangeResult redo();
    QUndoStack &history() { return m_history; }

    // Whether the file on disk is still the one last read or written.
    bool changedOnDisk() const;
    // Takes the version on disk: reads it, clears the history. A file that no longer reads
    // gives Unreadable, and the register stays as it was.
    LoadResult reloadFromDisk(QString *reason = nullptr);

    // What came of taking in what another program wrote to the data file.
    struct OutsideReload
    {
        enum class Result {
            Unchanged, // the file is the one last read or written after all
            Reloaded,  // the other version is the register now; the history is cleared
            Unreadable // the file no longer reads; the register is as it was
        };
        Result result = Result::Unchanged;
        // When it no longer reads: where the register as last shown was kept (path +
        // ".last-shown"), since it is then on no disk; nothing when it could not be kept.
        std::optional<QString> lastShownKept;
    };
    // Called while idle once fileChangedOnDisk() was signalled and no window works on the
    // register: takes the version on disk, or keeps the register as last shown beside it.
    OutsideReload takeOutsideChange();

signals:
    // The register in memory changed: by a command, an undo or redo, or a reload.
    void registerChanged();
    // Noticed while idle: the file on disk is no longer the one last read or written.
    void fileChangedOnDisk();
    // The history was cleared because another version of the file was loaded.
    void historyCleared();

private:
    class Command;

    ChangeResult write(const QByteArray &bytes, const std::optional<QByteArray> &companion,
                       bool fileKept = false);
    std::optional<QByteArray> companionBytes(const Checkbook &book, const Companion &companion,
                                             const QByteArray &dataBytes) const;
    bool companionChangedOnDisk(QByteArray *bytes = nullptr) const;
    void loadCompanion(QByteArrayView dataBytes);
    void setCompanionAside(const QString &suffix);
    ChangeResult takeVersionOnDisk(const QString &changed, const QByteArray &mine);
    ChangeResult step(bool forward);
    void remember(const QByteArray &bytes, const std::optional<QByteArray> &companion);
    void watchFile();
    void checkDisk();
    void keepUnfinishedSaves();

    Checkbook m_book;
    Companion m_companion;
    const QString m_path;
    const QString m_companionPath;
    FileIdentity m_companionIdentity;
    FileIdentity m_companionReported;
    QString m_companionNotice;
    std::unique_ptr<QLockFile> m_lock;
    bool m_lockTried = false;
    std::optional<LockHolder> m_holder;
    QStringList m_unfinishedSaves;
    bool m_readOnly = false;
    FileIdentity m_identity;
    // An outside version already reported, so that it is reported once.
    FileIdentity m_reported;
    // The file's bytes when they are not what the register would be written as (a file from
    // elsewhere, lines ended by LF alone), so that undoing the first change gives them back.
    std::optional<QByteArray> m_foreignBytes;
    QUndoStack m_history;
    OutsideChangeQuestion m_askOutsideChange;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

} // namespace tallyra
