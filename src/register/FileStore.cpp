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
    const QString base = path + QStringLiteral(".unreadable");
    for (int n = 0; n <= MostKeptCopies; ++n) {
        const QString candidate = n == 0 ? base : base + u'.' + QString::number(n);
        if (nameTaken(candidate))
            continue;
        // QFile::rename never replaces an existing file, so a copy that appears meanwhile
        // is safe too: the next name is tried.
        QFile file(path);
        if (file.rename(candidate))
            return candidate;
        if (!nameTaken(candidate)) {
            if (error)
                *error = file.errorString();
            return std::nullopt;
        }
    }
    if (error)
        *error = QStringLiteral("every name from %1 to %1.%2 is already taken")
                     .arg(base)
                     .arg(MostKeptCopies);
    return std::nullopt;
}

} // namespace tallyra
