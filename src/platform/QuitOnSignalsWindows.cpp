// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QuitOnSignals.h"

#include "platform/ProgramEnd.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <windows.h>

namespace tallyra {

namespace {

ProgramEnd *programEndInUse = nullptr;

// Runs on a thread of its own that Windows starts for the event: the program is asked to end
// from its event loop, never in the middle of a write.
BOOL WINAPI noteConsoleEvent(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { programEndInUse->endProgram(); },
            Qt::QueuedConnection);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

// Ctrl+C or Ctrl+Break in the console Tallyra was started from, and that console closing.
// A logoff or shutdown reaches the windows instead: Qt answers it by emitting aboutToQuit,
// which lets the register's lock go.
void quitOnSignals(ProgramEnd &programEnd)
{
    programEndInUse = &programEnd;
    SetConsoleCtrlHandler(noteConsoleEvent, TRUE);
}

} // namespace tallyra
