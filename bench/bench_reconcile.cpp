// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullRegister.h"
#include "WindowBench.h"
#include "reconcile/frmReconcile.h"

using namespace tallyra;

namespace {

// File > Reconcile... on a full register never reconciled: every one of the 1000 entries is
// open, so both lists are filled with all of them, the figures summed, and the window shown
// and painted once.
void openReconcileWindowOn1000Entries(benchmark::State &state)
{
    WindowBench bench;
    if (!bench.ready(state, fullRegister()))
        return;
    for (auto _ : state) {
        FrmReconcile window(bench.document, bench.platform);
        window.show();
        window.repaint();
        if (window.shown().outstandingSlots.size() != MaxEntries)
            state.SkipWithError("not every entry is listed");
    }
}
BENCHMARK(openReconcileWindowOn1000Entries)->Unit(benchmark::kMillisecond);

} // namespace
