// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetsApplication.h"
#include "chart/frmChart.h"
#include "platform/Platform.h"
#include "platform/PrinterSurface.h"
#include "register/DataFile.h"
#include "register/FileStore.h"
#include "register/RegisterDocument.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tallyra;

namespace {

// 1000 entries over three years: checks and cash most days, pay twice a month.
Checkbook threeYears()
{
    Checkbook book;
    book.entryCount = MaxEntries;
    for (int i = 1; i <= MaxEntries; ++i) {
        const QDate date = QDate(2000, 1, 1).addDays((i - 1) * 1095 / MaxEntries);
        Entry &entry = book.slot[i];
        entry = {qint16(date.year()),
                 qint16(date.month()),
                 qint16(date.day()),
                 QString::number(1000 + i),
                 QStringLiteral("PAYEE %1").arg(i % 40),
                 0,
                 0};
        if (i % 14 == 0)
            entry.depositCents = 180000;
        else
            entry.withdrawalCents = 500 + i * 7919 % 20000;
    }
    computeBalances(book);
    return book;
}

// File > Balance Chart on a full register: the window built, the history and month table
// summed, and the whole window shown and painted once.
void openChartWindowOn1000Entries(benchmark::State &state)
{
    if (!ensureWidgetsApplication()) {
        state.SkipWithError("windows need a QApplication, and another benchmark made a "
                            "QGuiApplication first");
        return;
    }
    // The window reads the register through a document over a file of its own.
    QTemporaryDir folder;
    RegisterDocument document(folder.filePath(QLatin1String(DataFileName)));
    writeFileAtomically(document.path(), formatDataFile(threeYears()));
    if (document.load() != RegisterDocument::LoadResult::Loaded)
        state.SkipWithError("the register did not load");
    // Opening shows no box and prints nothing: the real ones stand by.
    QtPrompter prompter;
    SystemClock clock;
    AppProgramEnd programEnd;
    Drive drive(QDir::tempPath());
    DefaultPrinter printer;
    QtSettings settings;
    Platform platform{prompter, clock, programEnd, drive, printer, settings};
    for (auto _ : state) {
        FrmChart window(document, platform);
        window.resize(900, 700);
        window.show();
        window.repaint();
    }
}
BENCHMARK(openChartWindowOn1000Entries)->Unit(benchmark::kMillisecond);

} // namespace
