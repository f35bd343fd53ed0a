// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <functional>

namespace tallyra {

enum class WaitEnd { Answered, Cancelled, TimedOut };

// Runs `work`, a call to a server that may be slow to answer, on a thread of its own, so that
// the windows never freeze. A quick answer shows nothing; after a moment a box says `what` is
// being waited for, with Cancel. When the user cancels or `limit` passes first, `stop` is
// called to end the call, and the work is left to finish on its own: it must own whatever it
// uses, answers included.
WaitEnd waitForServer(const QString &what, std::function<void()> work,
                      const std::function<void()> &stop, std::chrono::milliseconds limit);

} // namespace tallyra
