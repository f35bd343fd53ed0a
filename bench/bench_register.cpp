// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullRegister.h"
#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tallyra;

namespace {

void formatFullRegister(benchmark::State &state)
{
    const Checkbook book = fullRegister();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatDataFile(book));
}
BENCHMARK(formatFullRegister);

void readFullRegister(benchmark::State &state)
{
    const QByteArray bytes = formatDataFile(fullRegister());
    Checkbook book;
    for (auto _ : state) {
        const auto failure = readDataFile(bytes, book);
        benchmark::DoNotOptimize(failure);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(readFullRegister);

void saveFullRegister(benchmark::State &state)
{
    const QByteArray bytes = formatDataFile(fullRegister());
    QTemporaryDir dir;
    const QString path = dir.filePath(DataFileName);
    for (auto _ : state) {
        if (!writeFileAtomically(path, bytes).ok)
            state.SkipWithError("write failed");
    }
}
BENCHMARK(saveFullRegister)->Unit(benchmark::kMicrosecond);

void loadFullRegister(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(DataFileName);
    if (!writeFileAtomically(path, formatDataFile(fullRegister())).ok) {
        state.SkipWithError("write failed");
        return;
    }
    Checkbook book;
    for (auto _ : state) {
        const auto bytes = readWholeFile(path);
        if (!bytes || readDataFile(*bytes, book))
            state.SkipWithError("read failed");
    }
}
BENCHMARK(loadFullRegister)->Unit(benchmark::kMicrosecond);

} // namespace
