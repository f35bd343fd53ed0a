// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/BackupCopy.h"
#include "platform/Drive.h"
#include "register/DataFile.h"

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
    const auto book = std::make_unique<Checkbook>();
    for (auto _ : state) {
        if (makeBackup(*book, dataFile, drive, QStringLiteral("FULL.bak"), [] { return false; }))
            state.SkipWithError("backup failed");
    }
    state.SetBytesProcessed(state.iterations() * dataFile.size());
}
BENCHMARK(backupFullRegister)->Unit(benchmark::kMicrosecond);

// Reading and checking a full backup, then replacing default.dat with it.
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
    const auto book = std::make_unique<Checkbook>();
    for (auto _ : state) {
        if (restoreBackup(*book, drive, QStringLiteral("FULL.bak"), [] { return false; }))
            state.SkipWithError("restore failed");
    }
    QDir::setCurrent(previous);
    state.SetBytesProcessed(state.iterations() * dataFile.size());
}
BENCHMARK(restoreFullRegister)->Unit(benchmark::kMicrosecond);

} // namespace
