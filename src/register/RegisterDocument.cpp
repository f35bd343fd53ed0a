// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/RegisterDocument.h"

#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace tallyra {

namespace {

// Names of the copies an outside change leaves, each saying which version it holds.
const QString UnsavedChangeSuffix = QStringLiteral(".unsaved-change");
const QString OutsideChangeSuffix = QStringLiteral(".outside-change");
const QString LinesPastCountSuffix = QStringLiteral(".lines-past-count");
const QString UnfinishedSaveSuffix = QStringLiteral(".unfinished-save");

// How long the file must stay quiet before a change on disk is looked at: a program that
// writes it in pieces is then done.
constexpr int SettleMilliseconds = 300;

ChangeResult notDone(ChangeResult::Status status, const QString &why,
                     const QString &keptCopy = QString(),
                     ChangeResult::Kept kept = ChangeResult::Kept::Nothing)
{
    return {status, why, keptCopy, kept};
}

// What a save cut short between writing and renaming leaves: the data file's name and six
// letters or digits. A name of six small letters could be one a user gave a copy
// (default.dat.backup), so those are left alone.
bool isUnfinishedSave(const QString &name, const QString &dataFile)
{
    // Checked by hand: a regular expression here would load and compile PCRE on every start.
    if (!name.startsWith(dataFile + u'.'))
        return false;
    const QStringView tail = QStringView(name).mid(dataFile.size() + 1);
    const auto isAsciiLower = [](QChar c) { return c >= u'a' && c <= u'z'; };
    const auto isAsciiLetterOrDigit = [&](QChar c) {
        return isAsciiLower(c) || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    };
    return tail.size() == 6 && std::all_of(tail.begin(), tail.end(), isAsciiLetterOrDigit) &&
           !std::all_of(tail.begin(), tail.end(), isAsciiLower);
}

ChangeResult readOnlyRefusal()
{
    return notDone(ChangeResult::Status::Refused,
                   RegisterDocument::tr("the register is open read-only, as another copy of "
                                        "Tallyra holds it"));
}

} // namespace

// One change of the register, kept as the slots it changed: from the first to the last slot
// that differ, both ways, with both counts. An added entry at the end costs one slot each way;
// a new register or a restore costs the whole register once.
class RegisterDocument::Command final : public QUndoCommand
{
public:
    Command(Checkbook &book, Companion &companion, const Checkbook &after,
            const Companion &companionAfter, const QString &what,
            std::optional<QByteArray> bytesBefore)
        : m_book(book), m_companion(companion), m_countBefore(book.entryCount),
          m_countAfter(after.entryCount), m_companionBefore(companion),
          m_companionAfter(companionAfter), m_bytesBefore(std::move(bytesBefore))
    {
        int last = MaxEntries;
        while (m_first <= last && book.slot[m_first] == after.slot[m_first])
            ++m_first;
        while (last >= m_first && book.slot[last] == after.slot[last])
            --last;
        for (int i = m_first; i <= last; ++i) {
            m_before.push_back(book.slot[i]);
            m_after.push_back(after.slot[i]);
        }
        // The first line names the step in lists; the second goes into Undo and Redo, where an
        // ampersand would mark an access key.
        setText(what + u'\n' + QString(what).replace(u'&', QLatin1String("&&")));
    }

    void undo() override { applyTo(m_book, m_companion, false); }
    void redo() override { applyTo(m_book, m_companion, true); }

    void applyTo(Checkbook &book, Companion &companion, bool forward) const
    {
        const std::vector<Entry> &entries = forward ? m_after : m_before;
        std::copy(entries.begin(), entries.end(), book.slot.begin() + m_first);
        book.entryCount = forward ? m_countAfter : m_countBefore;
        computeBalances(book);
        companion = forward ? m_companionAfter : m_companionBefore;
    }

    // The exact bytes the file held before this step, when they were not what the register
    // is written as: undoing the step writes them back.
    const std::optional<QByteArray> &bytesBefore() const { return m_bytesBefore; }

private:
    Checkbook &m_book;
    Companion &m_companion;
    int m_first = 1;
    qint16 m_countBefore;
    qint16 m_countAfter;
    std::vector<Entry> m_before;
    std::vector<Entry> m_after;
    Companion m_companionBefore;
    Companion m_companionAfter;
    std::optional<QByteArray> m_bytesBefore;
};

RegisterDocument::RegisterDocument(QString path, QObject *parent)
    : QObject(parent), m_path(QFileInfo(path).absoluteFilePath()),
      m_companionPath(companionPath(m_path))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &RegisterDocument::checkDisk);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
}

RegisterDocument::~RegisterDocument() = default;

std::optional<LockHolder> RegisterDocument::lock()
{
    if (std::exchange(m_lockTried, true))
        return m_holder;
    const QString lockPath = m_path + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(lockPath);
    // A lock is stale only when the process that took it is gone, however old it is: a
    // register may well stay open for days.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        keepUnfinishedSaves();
        return std::nullopt;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        m_holder.emplace();
        m_lock->getLockInfo(&m_holder->pid, &m_holder->host, &m_holder->application);
        m_holder->since = QFileInfo(lockPath).lastModified();
        m_readOnly = true;
    }
    m_lock.reset();
    return m_holder;
}

void RegisterDocument::releaseLock()
{
    if (!m_lock)
        return;
    m_lock.reset();
    m_readOnly = true;
}

void RegisterDocument::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
}

RegisterDocument::LoadResult RegisterDocument::load(QString *reason)
{
    if (!QFileInfo::exists(m_path))
        return LoadResult::Missing;
    QString why;
    std::optional<QByteArray> bytes = readWholeFile(m_path, &why);
    if (bytes) {
        if (const std::optional<ReadFailure> fault = readDataFile(*bytes, m_book))
            why = tr("line %1, %2").arg(fault->lineNumber).arg(fault->reason);
    }
    if (!why.isEmpty()) {
        if (reason)
            *reason = why;
        return LoadResult::Unreadable;
    }
    computeBalances(m_book);
    m_identity = identityOf(m_path, *bytes);
    m_reported = m_identity;
    loadCompanion(*bytes);
    m_foreignBytes = std::move(bytes);
    // Watching starts once the program is idle, off the path to the first window.
    QTimer::singleShot(0, this, &RegisterDocument::watchFile);
    return LoadResult::Loaded;
}

ChangeResult RegisterDocument::replace(const Checkbook &after, const QString &what,
                                       const QString &keepSuffix)
{
    return replace(after, m_companion, what, keepSuffix);
}

ChangeResult RegisterDocument::replace(const Checkbook &after, const Companion &companionAfter,
                                       const QString &what, const QString &keepSuffix)
{
    lock();
    if (m_readOnly)
        return readOnlyRefusal();
    const QByteArray bytes = formatDataFile(after);
    const bool keepFirst = !keepSuffix.isEmpty() && m_book.entryCount > 0;
    if (keepFirst) {
        QString error;
        const std::optional<QString> kept = keepCopyBeforeReplacing(m_path, keepSuffix, &error);
        if (!kept)
            return notDone(ChangeResult::Status::CopyFailed, error);
        // The marks go with the copy, under the name that pairs them with it.
        if (QFileInfo::exists(m_companionPath) &&
            !keepBytes(companionPath(*kept), formatCompanion(m_book, m_companion), &error))
            return notDone(ChangeResult::Status::CopyFailed, error);
    }
    if (m_foreignBytes && *m_foreignBytes == formatDataFile(m_book))
        m_foreignBytes.reset();
    std::optional<QByteArray> bytesBefore = m_foreignBytes;
    ChangeResult result = write(bytes, companionBytes(after, companionAfter, bytes), keepFirst);
    if (result.saved()) {
        m_history.push(
            new Command(m_book, m_companion, after, companionAfter, what, std::move(bytesBefore)));
        emit registerChanged();
    }
    return result;
}

// Nothing when there is nothing to keep and no companion file yet: a register whose entries
// were never marked is its data file alone, as it always was.
// When the schedules move while the data file changes, the journal goes with them.
std::optional<QByteArray> RegisterDocument::companionBytes(const Checkbook &book,
                                                           const Companion &companion,
                                                           const QByteArray &dataBytes) const
{
    if (holdsNothing(book, companion) && !m_companionIdentity.exists &&
        !QFileInfo::exists(m_companionPath))
        return std::nullopt;
    if (companion.schedules == m_companion.schedules)
        return formatCompanion(book, companion);
    const QByteArray before = dataDigest(m_foreignBytes ? *m_foreignBytes : formatDataFile(m_book));
    const QByteArray after = dataDigest(dataBytes);
    if (before == after)
        return formatCompanion(book, companion);
    const ScheduleJournal journal{before, after, m_companion.schedules};
    return formatCompanion(book, companion, &journal);
}

ChangeResult RegisterDocument::startEmpty()
{
    lock();
    if (m_readOnly)
        return readOnlyRefusal();
    const QByteArray bytes = emptyDataFile();
    const FileResult written = writeFileAtomically(m_path, bytes);
    if (!written.ok && !written.replaced)
        return notDone(ChangeResult::Status::SaveFailed, written.error);
    // Marks of a register that is no longer there would name none of the new one's entries.
    if (QFileInfo::exists(m_companionPath))
        setCompanionAside(QStringLiteral(".without-register"));
    remember(bytes, std::nullopt);
    m_companionIdentity = {};
    m_book = Checkbook{};
    m_companion = Companion{};
    m_history.clear();
    QTimer::singleShot(0, this, &RegisterDocument::watchFile);
    emit registerChanged();
    return {};
}

ChangeResult RegisterDocument::undo()
{
    return step(false);
}

ChangeResult RegisterDocument::redo()
{
    return step(true);
}

ChangeResult RegisterDocument::step(bool forward)
{
    lock();
    if (m_readOnly)
        return readOnlyRefusal();
    const int index = m_history.index() - (forward ? 0 : 1);
    if (index < 0 || index >= m_history.count())
        return notDone(ChangeResult::Status::Refused, tr("there is nothing to do"));
    const auto *command = static_cast<const Command *>(m_history.command(index));
    const auto target = std::make_unique<Checkbook>(m_book);
    Companion targetCompanion = m_companion;
    command->applyTo(*target, targetCompanion, forward);
    const std::optional<QByteArray> &exact = command->bytesBefore();
    const QByteArray bytes = !forward && exact ? *exact : formatDataFile(*target);
    ChangeResult result = write(bytes, companionBytes(*target, targetCompanion, bytes));
    if (!result.saved())
        return result;
    forward ? m_history.redo() : m_history.undo();
    if (!forward && exact)
        m_foreignBytes = exact;
    emit registerChanged();
    return result;
}

// Writes the file unless it, or the companion file, has changed on disk since it was last read
// or written; then the user chooses which version stays, and the other is kept as a copy
// first. The companion file goes first: a save cut short after it leaves marks that name
// entries of the new register, which the old one's entries simply do not take.
ChangeResult RegisterDocument::write(const QByteArray &bytes,
                                     const std::optional<QByteArray> &companion, bool fileKept)
{
    ChangeResult result;
    QByteArray onDisk;
    QByteArray companionOnDisk;
    const FileIdentity disk = identityOnDisk(m_path, &onDisk);
    const bool dataChanged = !disk.sameBytes(m_identity);
    if (dataChanged || companionChangedOnDisk(&companionOnDisk)) {
        // Either file may have been changed; the question names the one that was.
        const QString changed = dataChanged ? m_path : m_companionPath;
        if (!m_askOutsideChange)
            return notDone(ChangeResult::Status::Refused,
                           tr("%1 was changed by another program").arg(changed));
        const OutsideChange names{freeCopyName(changed + UnsavedChangeSuffix),
                                  freeCopyName(changed + OutsideChangeSuffix)};
        if (m_askOutsideChange(names) == OutsideChangeChoice::Reload)
            return takeVersionOnDisk(changed,
                                     dataChanged ? bytes : companion.value_or(QByteArray()));
        const bool theirsExists = dataChanged ? disk.exists : QFileInfo::exists(m_companionPath);
        if (theirsExists) {
            QString error;
            const std::optional<QString> kept = keepBytes(
                changed + OutsideChangeSuffix, dataChanged ? onDisk : companionOnDisk, &error);
            if (!kept)
                return notDone(ChangeResult::Status::CopyFailed, error);
            result.keptCopy = *kept;
            result.kept = ChangeResult::Kept::OtherVersion;
        }
    }
    // A file whose count line says fewer entries than it holds: the lines past the count were
    // never shown, and this write replaces them, so the file as it was is kept first (unless
    // the change kept it already).
    if (!fileKept && result.keptCopy.isEmpty() && m_foreignBytes &&
        overwritesRecordsPastCount(*m_foreignBytes, bytes)) {
        QString error;
        const std::optional<QString> kept =
            keepBytes(m_path + LinesPastCountSuffix, *m_foreignBytes, &error);
        if (!kept)
            return notDone(ChangeResult::Status::CopyFailed, error);
        result.keptCopy = *kept;
        result.kept = ChangeResult::Kept::LinesPastCount;
    }
    const bool companionWrite =
        companion && !identityOf(m_companionPath, *companion).sameBytes(m_companionIdentity);
    if (companionWrite) {
        const FileResult written = writeFileAtomically(m_companionPath, *companion);
        if (!written.ok && !written.replaced)
            return notDone(ChangeResult::Status::SaveFailed, written.error, result.keptCopy,
                           result.kept);
    }
    // A change of marks alone leaves the data file as it is.
    const bool dataWrite = dataChanged || !identityOf(m_path, bytes).sameBytes(m_identity);
    const FileResult written = dataWrite ? writeFileAtomically(m_path, bytes) : FileResult{};
    if (!written.ok && !written.replaced) {
        // The marks go back to the register that is still on disk.
        if (companionWrite)
            writeFileAtomically(m_companionPath, formatCompanion(m_book, m_companion));
        return notDone(ChangeResult::Status::SaveFailed, written.error, result.keptCopy,
                       result.kept);
    }
    remember(bytes, companion);
    if (!written.ok) {
        result.status = ChangeResult::Status::Unconfirmed;
        result.error = written.error;
    }
    return result;
}

bool RegisterDocument::companionChangedOnDisk(QByteArray *bytes) const
{
    return !identityOnDisk(m_companionPath, bytes).sameBytes(m_companionIdentity);
}

// The change not written is kept as a copy; the register becomes the version on disk.
ChangeResult RegisterDocument::takeVersionOnDisk(const QString &changed, const QByteArray &mine)
{
    QString error;
    const std::optional<QString> kept = keepBytes(changed + UnsavedChangeSuffix, mine, &error);
    if (!kept)
        return notDone(ChangeResult::Status::CopyFailed, error);
    QString reason;
    if (reloadFromDisk(&reason) != LoadResult::Loaded)
        return notDone(ChangeResult::Status::SaveFailed,
                       tr("the other version cannot be read: %1").arg(reason), *kept);
    return notDone(ChangeResult::Status::Reloaded, QString(), *kept,
                   ChangeResult::Kept::UnsavedChange);
}

bool RegisterDocument::changedOnDisk() const
{
    return !identityOnDisk(m_path).sameBytes(m_identity) || companionChangedOnDisk();
}

RegisterDocument::OutsideReload RegisterDocument::takeOutsideChange()
{
    using Result = OutsideReload::Result;
    if (!changedOnDisk())
        return {Result::Unchanged, std::nullopt};
    if (reloadFromDisk() == LoadResult::Loaded)
        return {Result::Reloaded, std::nullopt};
    return {Result::Unreadable,
            keepBytes(m_path + QStringLiteral(".last-shown"), formatDataFile(m_book))};
}

RegisterDocument::LoadResult RegisterDocument::reloadFromDisk(QString *reason)
{
    const LoadResult loaded = load(reason);
    if (loaded != LoadResult::Loaded)
        return loaded;
    m_history.clear();
    emit historyCleared();
    emit registerChanged();
    return loaded;
}

void RegisterDocument::remember(const QByteArray &bytes, const std::optional<QByteArray> &companion)
{
    m_identity = identityOf(m_path, bytes);
    m_reported = m_identity;
    m_foreignBytes.reset();
    if (companion) {
        m_companionIdentity = identityOf(m_companionPath, *companion);
        m_companionReported = m_companionIdentity;
    }
}

void RegisterDocument::loadCompanion(QByteArrayView dataBytes)
{
    m_companion = Companion{};
    m_companionIdentity = {};
    m_companionNotice.clear();
    if (!QFileInfo::exists(m_companionPath)) {
        m_companionReported = m_companionIdentity;
        return;
    }
    QString why;
    const std::optional<QByteArray> bytes = readWholeFile(m_companionPath, &why);
    if (!bytes) {
        m_companionNotice =
            tr("The cleared marks cannot be read (%1): the register shows none").arg(why);
        return;
    }
    const CompanionRead read = readCompanion(*bytes, m_book, m_companion);
    using Result = CompanionRead::Result;
    if (read.result != Result::Read) {
        setCompanionAside(read.result == Result::Newer ? QStringLiteral(".newer-version")
                                                       : QStringLiteral(".damaged"));
        return;
    }
    m_companionIdentity = identityOf(m_companionPath, *bytes);
    m_companionReported = m_companionIdentity;
    QList<RecurringEntry> schedules = schedulesForData(m_companion, read, dataBytes);
    if (schedules != m_companion.schedules) {
        m_companion.schedules = std::move(schedules);
        m_companionNotice = tr("The last change was cut short before the register was written: "
                               "the recurring entries are as they were before it");
        return;
    }
    if (read.unmatched > 0)
        m_companionNotice =
            tr("Cleared marks dropped, naming entries the register no longer holds: %n", nullptr,
               read.unmatched);
}

// Moves a companion file that cannot be used out of the way, under a name that says why, so
// that nothing of it is lost and the next change starts a new one. A copy that is read-only
// leaves it where it is.
void RegisterDocument::setCompanionAside(const QString &suffix)
{
    const QString name = QFileInfo(m_companionPath).fileName();
    if (m_readOnly) {
        m_companionNotice =
            tr("The cleared marks in %1 cannot be used: the register shows none").arg(name);
        return;
    }
    const QString aside = freeCopyName(m_companionPath + suffix);
    if (QFile::rename(m_companionPath, aside)) {
        syncFolderOf(aside);
        m_companionNotice = tr("The cleared marks were lost: %1 could not be used and is kept "
                               "as %2")
                                .arg(name, QFileInfo(aside).fileName());
    } else {
        m_companionNotice =
            tr("The cleared marks in %1 cannot be used: the register shows none").arg(name);
    }
    m_companion = Companion{};
    m_companionIdentity = {};
    m_companionReported = identityOnDisk(m_companionPath);
}

// A file replaced by a rename is a new file, no longer watched: the folder is watched too,
// and the file again whenever it is there.
void RegisterDocument::watchFile()
{
    if (m_watcher.directories().isEmpty())
        m_watcher.addPath(QFileInfo(m_path).absolutePath());
    for (const QString &file : {m_path, m_companionPath}) {
        if (!m_watcher.files().contains(file) && QFileInfo::exists(file))
            m_watcher.addPath(file);
    }
}

void RegisterDocument::keepUnfinishedSaves()
{
    const QFileInfo data(m_path);
    const QDir folder = data.absoluteDir();
    const QString companionName = QFileInfo(m_companionPath).fileName();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        const bool ofCompanion = isUnfinishedSave(name, companionName);
        if (!ofCompanion && !isUnfinishedSave(name, data.fileName()))
            continue;
        const QString kept =
            freeCopyName((ofCompanion ? m_companionPath : m_path) + UnfinishedSaveSuffix);
        if (QFile::rename(folder.filePath(name), kept))
            m_unfinishedSaves << kept;
    }
    if (!m_unfinishedSaves.isEmpty())
        syncFolderOf(m_path);
}

void RegisterDocument::checkDisk()
{
    watchFile();
    const FileIdentity disk = identityOnDisk(m_path);
    const FileIdentity companion = identityOnDisk(m_companionPath);
    const bool dataNew = !disk.sameBytes(m_identity) && !disk.sameBytes(m_reported);
    const bool companionNew =
        !companion.sameBytes(m_companionIdentity) && !companion.sameBytes(m_companionReported);
    if (!dataNew && !companionNew)
        return;
    m_reported = disk;
    m_companionReported = companion;
    emit fileChangedOnDisk();
}

} // namespace tallyra
