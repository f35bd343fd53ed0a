// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramEnd.h"

#include <QCoreApplication>

namespace tallyra {

void AppProgramEnd::endProgram()
{
    m_requested = true;
    // Leaves every running event loop, modal ones included. Before the first exec() this does
    // nothing, and main() sees endRequested() instead.
    QCoreApplication::exit(0);
}

} // namespace tallyra
