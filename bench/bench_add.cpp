// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetsApplication.h"
#include "app/PayeeList.h"
#include "app/RegisterList.h"
#include "app/RegisterStatus.h"
#include "app/frmMoney.h"
#include "entry/EntryChecks.h"
#include "entry/PlaceEntry.h"
#include "platform/Platform.h"
#include "platform/PrinterSurface.h"
#include "register/DataFile.h"
#include "register/FileStore.h"
#include "register/RegisterDocument.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>

using namespace tallyra;

namespace {

// 999 entries over four years, so that one more fills the register.
Checkbook almostFullRegister()
{
    static const char *const payees[] = {"WATER COMPANY", "CITY POWER & LIGHT", "RENT",
                                         "GROCERY MART",  "DR. SMITH, DDS",     "PAY"};
    Checkbook book;
    book.entryCount = MaxEntries - 1;
    for (int i = 1; i <= book.entryCount; ++i) {
        Entry &entry = book.slot[i];
        entry.year = qint16(1998 + i / 250);
        entry.month = qint16(1 + (i / 21) % 12);
        entry.day = qint16(1 + i % 21);
        entry.checkNumber = QString::number(1000 + i);
        entry.payee = QString::fromLatin1(payees[i % 6]);
        entry.withdrawalCents = 50 * (i % 400) + i % 97;
    }
    return book;
}

// Older than every entry, so placing it moves all 999.
const EntryTexts OldestEntry{"1997", "12", "31", "1042", "Corner Store", "25", "00"};

// The save as the program makes it, or the same writes and rename without the fsync.
bool save(const QString &path, const QByteArray &bytes, bool sync)
{
    if (sync)
        return writeFileAtomically(path, bytes).ok;
    const QString temporary = path + QStringLiteral(".new");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return std::rename(QFile::encodeName(temporary).constData(),
                       QFile::encodeName(path).constData()) == 0;
}

// Adding an entry at 999 entries without the window: placement, save, status, reload with
// the payee pick list, and the ten list lines.
void addAt999Entries(benchmark::State &state)
{
    const bool sync = state.range(0) != 0;
    const Checkbook before = almostFullRegister();
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(DataFileName));
    Checkbook book;
    PayeeList payees;
    for (auto _ : state) {
        state.PauseTiming();
        book = before;
        state.ResumeTiming();

        placeEntry(book, OldestEntry, EntryType::Withdrawal);
        if (!save(path, formatDataFile(book), sync))
            state.SkipWithError("save failed");
        computeBalances(book);
        benchmark::DoNotOptimize(statusTexts(book));
        const std::optional<QByteArray> bytes = readWholeFile(path);
        if (!bytes || readDataFile(*bytes, book))
            state.SkipWithError("reload failed");
        benchmark::DoNotOptimize(payees.addPayeesOf(book));
        benchmark::DoNotOptimize(listPage(book, listScrollMaximum(book.entryCount)));
    }
}
BENCHMARK(addAt999Entries)->ArgName("fsync")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

class AnswerYes final : public Prompter
{
public:
    int boxes = 0;
    QMessageBox::StandardButton message(QWidget *, QMessageBox::Icon, const QString &,
                                        const QString &, QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override
    {
        ++boxes;
        return QMessageBox::Yes;
    }
    int choose(QWidget *, QMessageBox::Icon, const QString &, const QString &, const QStringList &,
               int defaultIndex, int) override
    {
        ++boxes;
        return defaultIndex;
    }
    std::optional<QString> askText(QWidget *, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> askSaveFile(QWidget *, const QString &, const QString &, const QString &,
                                       QString *) override
    {
        return std::nullopt;
    }
    std::optional<QString> askFolder(QWidget *, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> askOpenFile(QWidget *, const QString &, const QString &,
                                       const QString &) override
    {
        return std::nullopt;
    }
    void beep() override {}
};

// The real window at 999 entries over a data file of its own, on disk or in memory.
struct AlmostFullWindow
{
    explicit AlmostFullWindow(bool onDisk)
        : dir(onDisk ? QDir::tempPath() + QStringLiteral("/add-XXXXXX")
                     : QStringLiteral("/dev/shm/add-XXXXXX"))
    {
        QDir::setCurrent(dir.path());
        writeFileAtomically(QLatin1String(DataFileName), before);
        window.Form_Load();
    }
    ~AlmostFullWindow() { QDir::setCurrent(previous); }

    // Types the oldest entry and presses Add, which asks one question.
    bool add()
    {
        const auto field = [&](const char *name) {
            return window.findChild<QComboBox *>(QLatin1String(name));
        };
        field("txtYear")->setEditText(OldestEntry.year);
        field("txtMonth")->setEditText(OldestEntry.month);
        field("txtDay")->setEditText(OldestEntry.day);
        field("cmbPayee")->setEditText(OldestEntry.payee);
        field("txtDollar")->setEditText(OldestEntry.dollars);
        prompter.boxes = 0;
        window.findChild<QPushButton *>(QStringLiteral("cmdAdd"))->click();
        return prompter.boxes == 1 && document.book().entryCount == MaxEntries;
    }

    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
    const QByteArray before = formatDataFile(almostFullRegister());
    AnswerYes prompter;
    SystemClock clock;
    AppProgramEnd programEnd;
    // Adding touches neither the floppy drive nor the printer.
    Drive drive{dir.path()};
    DefaultPrinter printer;
    QtSettings settings;
    Platform platform{prompter, clock, programEnd, drive, printer, settings};
    RegisterDocument document;
    FrmMoney window{document, platform};
};

// The Add button of the real window at 999 entries: the checks, summary, placement, the
// check that the file is still the one last written, the save, the undo step, status panel,
// payee list and list labels. The folder is on disk (the save's fsync included) or in memory
// (where the fsync costs next to nothing).
void addThroughTheWindowAt999Entries(benchmark::State &state)
{
    if (!ensureWidgetsApplication())
        state.SkipWithError("another benchmark made a QGuiApplication first");
    AlmostFullWindow f(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        if (f.document.book().entryCount == MaxEntries && !f.document.undo().saved())
            state.SkipWithError("the undo did not go through");
        state.ResumeTiming();
        if (!f.add())
            state.SkipWithError("the add did not go through");
    }
}
BENCHMARK(addThroughTheWindowAt999Entries)
    ->ArgName("disk")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

// One undo, then one redo, of that add through the window's Edit menu: each writes the file.
void undoOrRedoThroughTheWindowAt1000Entries(benchmark::State &state)
{
    if (!ensureWidgetsApplication())
        state.SkipWithError("another benchmark made a QGuiApplication first");
    AlmostFullWindow f(state.range(0) != 0);
    if (!f.add())
        state.SkipWithError("the add did not go through");
    auto *undo = f.window.findChild<QAction *>(QStringLiteral("mnuUndo"));
    auto *redo = f.window.findChild<QAction *>(QStringLiteral("mnuRedo"));
    for (auto _ : state) {
        (f.document.book().entryCount == MaxEntries ? undo : redo)->trigger();
        if (f.prompter.boxes != 1)
            state.SkipWithError("a box was shown");
    }
}
BENCHMARK(undoOrRedoThroughTheWindowAt1000Entries)
    ->ArgName("disk")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

} // namespace
