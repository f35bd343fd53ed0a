// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingSurface.h"
#include "platform/PrinterSurface.h"
#include "report/ReportLayout.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <array>
#include <benchmark/benchmark.h>

using namespace tallyra;

namespace {

// A full register over a little more than a year, so that a range of whole years selects
// every entry; payees range from short to longer than the column.
Checkbook fullReportRegister()
{
    static const std::array<const char *, 6> payees = {
        "RENT",
        "GROCERY MART",
        "CITY POWER & LIGHT",
        "CAFÉ DU COIN",
        "PAY",
        "INSURANCE - AUTO, HOME AND LIFE - QUARTERLY PREMIUM FOR THE WHOLE FAMILY",
    };
    Checkbook book;
    book.entryCount = MaxEntries;
    for (int i = 1; i <= MaxEntries; ++i) {
        Entry &entry = book.slot[i];
        entry.year = qint16(2000 + i / 900);
        entry.month = qint16(1 + (i / 75) % 12);
        entry.day = qint16(1 + i % 28);
        entry.payee = QString::fromUtf8(payees[i % payees.size()]);
        entry.checkNumber = i % 7 == 0 ? QStringLiteral("DEP") : QString::number(1000 + i);
        if (i % 7 == 0)
            entry.depositCents = 250000 + i;
        else
            entry.withdrawalCents = 1234 * i;
    }
    return book;
}

const ReportRange WholeRange{20000101, 20011231, {"1", "1", "2000", "12", "31", "2001"}};

// The PDF writer measures text through the fonts of a GUI application.
void ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    static char name[] = "tallyra_bench";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    static char *argv[] = {name, platformOption, offscreen, nullptr};
    static int argc = 3;
    static QGuiApplication app(argc, argv);
}

void layOutFullReport(benchmark::State &state)
{
    const Checkbook book = fullReportRegister();
    for (auto _ : state) {
        test::Recording recording;
        test::RecordingSurface surface(recording);
        benchmark::DoNotOptimize(printReport(book, WholeRange, surface));
        benchmark::DoNotOptimize(recording.texts.data());
    }
}
BENCHMARK(layOutFullReport)->Unit(benchmark::kMicrosecond);

void printFullReportToPdf(benchmark::State &state)
{
    ensureGuiApplication();
    const Checkbook book = fullReportRegister();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        auto pdf = std::make_unique<QPdfWriter>(path);
        pdf->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(18, 18, 18, 18), QPageLayout::Point));
        PrinterSurface surface(std::move(pdf), path);
        if (printReport(book, WholeRange, surface))
            state.SkipWithError("the PDF could not be written");
    }
}
BENCHMARK(printFullReportToPdf)->Unit(benchmark::kMillisecond);

} // namespace
