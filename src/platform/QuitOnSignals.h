// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallyra {

class ProgramEnd;

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) end the program in order,
// as its Exit does: the event loop stops, and everything the program holds, the register's
// lock among them, is let go on the way out. The signal is only noted in the handler; the
// program ends from its event loop, never in the middle of a write.
void quitOnSignals(ProgramEnd &programEnd);

} // namespace tallyra
