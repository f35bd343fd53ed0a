// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WidgetsApplication.h"
#include "platform/Platform.h"
#include "platform/PrinterSurface.h"
#include "register/DataFile.h"
#include "register/FileStore.h"
#include "register/RegisterDocument.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace tallyra {

// What a window benchmark opens its window on: a register document over a data file of its
// own, and the program's own platform. Opening a window shows no box and prints nothing, so
// the real ones only stand by.
struct WindowBench
{
    QTemporaryDir folder;
    RegisterDocument document{folder.filePath(QLatin1String(DataFileName))};
    QtPrompter prompter;
    SystemClock clock;
    AppProgramEnd programEnd;
    Drive drive{QDir::tempPath()};
    DefaultPrinter printer;
    QtSettings settings;
    Platform platform{prompter, clock, programEnd, drive, printer, settings};

    // Loads `book`; false, with the benchmark skipped, when there can be no window over it.
    bool ready(benchmark::State &state, const Checkbook &book)
    {
        if (!ensureWidgetsApplication()) {
            state.SkipWithError("windows need a QApplication, and another benchmark made a "
                                "QGuiApplication first");
            return false;
        }
        writeFileAtomically(document.path(), formatDataFile(book));
        if (document.load() == RegisterDocument::LoadResult::Loaded)
            return true;
        state.SkipWithError("the register did not load");
        return false;
    }
};

} // namespace tallyra
