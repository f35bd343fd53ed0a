// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullRegister.h"
#include "register/Companion.h"
#include "register/DataFile.h"
#include "register/DateText.h"
#include "register/FileStore.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tallyra;

namespace {

// What one start reports: process start to the main window's first frame, in wall-clock and
// in processor time (the steadier of the two on a busy machine), and the peak resident memory
// up to that frame. Memory after it is left out: the bare window loads the fonts only on its
// way out, when its windowing goes down.
struct Start
{
    double wallMs = 0;
    double processorMs = 0;
    double peakMiB = 0;
};

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Starts one of the first-frame programs in the folder and waits for it to end. It writes the
// moment of its first frame, on the clock read here, with its processor time and memory.
std::optional<Start> start(const char *program, const QString &folder)
{
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return std::nullopt;
    const QByteArray where = QFile::encodeName(folder);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    // Qt's notes about the offscreen platform would bury the results.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, where.constData());
    char *argv[] = {const_cast<char *>(program), nullptr};

    const qint64 started = monotonicNanoseconds();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    QByteArray text;
    char buffer[128];
    for (ssize_t got; spawned == 0 && (got = read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, got);
    close(output[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return std::nullopt;

    const QList<QByteArray> numbers = text.simplified().split(' ');
    if (numbers.size() != 3)
        return std::nullopt;
    return Start{double(numbers[0].toLongLong() - started) / 1e6,
                 double(numbers[1].toLongLong()) / 1e6, numbers[2].toDouble() / 1024};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The full register, with its twelve payees, or with each payee made its own by the slot
// number, as in a register kept for years.
Checkbook fullBook(bool payeesAllDifferent)
{
    Checkbook book = fullRegister();
    for (int i = 1; payeesAllDifferent && i <= book.entryCount; ++i)
        book.slot[i].payee += QStringLiteral(" %1").arg(i);
    return book;
}

// The marks of a register balanced every month: every entry reconciled on the statement of
// its month but the last month's, which are cleared.
QByteArray fullCompanionFile(Checkbook book)
{
    Companion companion;
    qint64 balance = 0;
    for (int i = 1; i <= book.entryCount; ++i) {
        Entry &entry = book.slot[i];
        const QDate monthEnd = QDate(entry.year, entry.month, 1).addMonths(1).addDays(-1);
        const qint32 end = dateKey(monthEnd);
        balance += entry.depositCents - entry.withdrawalCents;
        if (i == book.entryCount || dateKey(book.slot[i + 1]) > end)
            companion.reconciled.append({end, balance});
        entry.clearing = Clearing::Reconciled;
        entry.reconciledOn = end;
    }
    const qint32 lastMonth = companion.reconciled.takeLast().endDate;
    for (int i = 1; i <= book.entryCount; ++i) {
        if (book.slot[i].reconciledOn == lastMonth) {
            book.slot[i].clearing = Clearing::Cleared;
            book.slot[i].reconciledOn = 0;
        }
    }
    return formatCompanion(book, companion);
}

enum Program { Bare, Text, RegisterWindow, Tallyra, Programs };
constexpr std::array<const char *, Programs> ProgramFiles = {BareWindowProgram, TextWindowProgram,
                                                             RegisterWindowProgram, TallyraProgram};
constexpr std::array<const char *, Programs> ProgramNames = {"bare", "text", "register", "tallyra"};

// Process start to the main window's first frame, offscreen: the program over a full
// default.dat against a bare Qt window, a window with one line of text and a plain Qt program
// that reads the same default.dat and shows its newest lines and total, built in the same
// tree. They take turns, so that all of them meet the same load on the machine. The
// counters are medians; the time column is the program's mean wall-clock time.
void startUpAgainstBareWindow(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString dataPath = folder.filePath(QLatin1String(DataFileName));
    const Checkbook book = fullBook(state.range(0) == MaxEntries);
    const QByteArray dataFile = formatDataFile(book);
    const QString companionFile = companionPath(dataPath);
    const QByteArray companion = state.range(1) ? fullCompanionFile(book) : QByteArray();
    if (!writeFileAtomically(dataPath, dataFile).ok ||
        (state.range(1) && !writeFileAtomically(companionFile, companion).ok)) {
        state.SkipWithError("no data file to start with");
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // One unmeasured start of each, so that none pays alone for cold caches.
    for (const char *program : ProgramFiles)
        start(program, folder.path());

    std::array<std::vector<double>, Programs> wall, processor, memory;
    int round = 0;
    for (auto _ : state) {
        for (int turn = 0; turn < Programs; ++turn) {
            const int program = (round + turn) % Programs;
            const std::optional<Start> run = start(ProgramFiles[program], folder.path());
            if (!run) {
                state.SkipWithError("a program did not show its window and end cleanly");
                return;
            }
            wall[program].push_back(run->wallMs);
            processor[program].push_back(run->processorMs);
            memory[program].push_back(run->peakMiB);
        }
        state.SetIterationTime(wall[Tallyra].back() / 1e3);
        ++round;
    }
    if (readWholeFile(dataPath) != dataFile ||
        (state.range(1) && readWholeFile(companionFile) != companion)) {
        state.SkipWithError("starting changed default.dat or its marks");
        return;
    }
    for (int program = 0; program < Programs; ++program) {
        const std::string name = ProgramNames[program];
        state.counters[name + "_ms"] = median(wall[program]);
        state.counters[name + "_cpu_ms"] = median(processor[program]);
        state.counters[name + "_MiB"] = median(memory[program]);
    }
    state.counters["time_ratio"] = median(wall[Tallyra]) / median(wall[Bare]);
    state.counters["cpu_ratio"] = median(processor[Tallyra]) / median(processor[Bare]);
    state.counters["memory_ratio"] = median(memory[Tallyra]) / median(memory[Bare]);
    // Against the program that does the same job with nothing else: the goal is 0.9 and 1.05.
    state.counters["register_time_ratio"] = median(wall[Tallyra]) / median(wall[RegisterWindow]);
    state.counters["register_cpu_ratio"] =
        median(processor[Tallyra]) / median(processor[RegisterWindow]);
    state.counters["register_memory_ratio"] =
        median(memory[Tallyra]) / median(memory[RegisterWindow]);
}
BENCHMARK(startUpAgainstBareWindow)
    ->ArgNames({"payees", "marks"})
    ->Args({12, 0})
    ->Args({MaxEntries, 0})
    ->Args({MaxEntries, 1})
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

} // namespace
