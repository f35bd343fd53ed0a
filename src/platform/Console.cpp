// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Console.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
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

QString openStandardInput(QFile &input)
{
    const int fd = fileno(stdin);
#ifdef _WIN32
    const bool terminal = _isatty(fd);
    _setmode(fd, _O_BINARY);
#else
    const bool terminal = isatty(fd);
#endif
    if (terminal)
        return QCoreApplication::translate("Console",
                                           "standard input is a terminal; give the statement "
                                           "with < FILE or through a pipe");
    if (!input.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return input.errorString();
    return QString();
}

} // namespace tallyra
