// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Console.h"

#ifdef _WIN32
#include <cstdio>
#include <windows.h>
#endif

namespace tallyra {

#ifdef _WIN32
namespace {

bool goesSomewhere(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void useParentConsole()
{
    const bool out = goesSomewhere(STD_OUTPUT_HANDLE);
    const bool err = goesSomewhere(STD_ERROR_HANDLE);
    if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}
#else
void useParentConsole() {}
#endif

} // namespace tallyra
