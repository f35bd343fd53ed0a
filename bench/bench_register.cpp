#include "register/DataFile.h"
#include "register/FileStore.h"

#include <QTemporaryDir>

#include <array>
#include <benchmark/benchmark.h>

using namespace tallyra;

namespace {

// A full register as a user would have typed it: dates ascending over a few years, the usual
// mix of checks, cash, transfers and pay, payees of every length.
Checkbook fullRegister()
{
    static const std::array<const char *, 12> payees = {
        "WATER COMPANY",
        "CITY POWER & LIGHT",
        "RENT",
        "GROCERY MART",
        "GAS",
        "CAFÉ DU COIN",
        "DR. SMITH, DDS",
        "PAY",
        "INSURANCE - AUTO AND HOME",
        "PHONE",
        "HARDWARE STORE",
        "SAVINGS",
    };
    Checkbook book;
    book.entryCount = MaxEntries;
    for (int i = 1; i <= MaxEntries; ++i) {
        Entry &entry = book.slot[i];
        entry.year = qint16(1996 + i / 250);
        entry.month = qint16(1 + (i / 21) % 12);
        entry.day = qint16(1 + i % 21);
        entry.payee = QString::fromUtf8(payees[i % payees.size()]);
        if (i % 9 == 0) {
            entry.checkNumber = QStringLiteral("DEP");
            entry.depositCents = 125000 + i * 7;
        } else {
            entry.checkNumber = i % 4 == 0 ? QStringLiteral("ATM") : QString::number(1000 + i);
            entry.withdrawalCents = 50 * (i % 400) + i % 97;
        }
    }
    return book;
}

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
