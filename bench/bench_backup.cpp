// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/BackupCopy.h"
#include "platform/Drive.h"
#include "register/DataFile.h"
#include "register/RegisterDocument.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

using namespace tallyra;

namespace {

// The data file of a full register, every slot in use.
QByteArray fullDataFile()
{
    const auto book = std::make_unique<Checkbook>();
    book->entryCount = MaxEntries;
    for (int i = 1; i <= MaxEntries; ++i) {
        book->slot[i] = Entry{qint16(1996 + i / 250),
                              qint16(1 + i % 12),
                              qint16(1 + i % 28),
                              QString::number(1000 + i),
                              QStringLiteral("INSURANCE - AUTO AND HOME"),
                              50 * (i % 400),
                              0};
    }
    return formatDataFile(*book);
}

// A full register copied to a drive in a temporary folder, flushed to disk each time.
void backupFullRegister(benchmark::State &state)
{
    const QByteArray dataFile = fullDataFile();
    QTemporaryDir root;
    Drive drive(root.path());
    for (auto _ : state) {
        if (makeBackup(dataFile, std::nullopt, drive, QStringLiteral("FULL.bak"),
                       [] { return false; }))
            state.SkipWithError("backup failed");
    }
    state.SetBytesProcessed(state.iterations() * dataFile.size());
}
BENCHMARK(backupFullRegister)->Unit(benchmark::kMicrosecond);

// Reading and checking a full backup, then replacing default.dat with it as one change of
// the register document: the identity check, the write, the undo step. (The copy kept first
// is left out: thousands of them would only measure the search for a free name.)
void restoreFullRegister(benchmark::State &state)
{
    QTemporaryDir root;
    Drive drive(root.path());
    const QByteArray dataFile = fullDataFile();
    if (drive.writeFile(QStringLiteral("FULL.bak"), dataFile)) {
        state.SkipWithError("no backup to restore");
        return;
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root.path());
    RegisterDocument document;
    document.startEmpty();
    for (auto _ : state) {
        const auto restored = std::make_unique<Checkbook>();
        if (readBackup(
                drive, QStringLiteral("FULL.bak"), [] { return false; }, *restored) ||
            !document.replace(*restored, QStringLiteral("restore")).saved())
            state.SkipWithError("restore failed");
        state.PauseTiming();
        document.undo();
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
    state.SetBytesProcessed(state.iterations() * dataFile.size());
}
BENCHMARK(restoreFullRegister)->Unit(benchmark::kMicrosecond);

} // namespace
