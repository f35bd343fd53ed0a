// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

namespace tallyra {

// On Windows a program with windows has no console of its own, so what --help, --version
// and --import print would go nowhere: it is sent to the console of the program that started
// Tallyra (the command prompt it was typed in) unless the output already goes to a file or
// pipe. Elsewhere standard output is always there, and this does nothing.
void useParentConsole();

// Opens standard input to be read byte for byte (Windows would turn CR LF into LF). The
// reason when it cannot be read: a terminal would wait for typing, so it is refused.
QString openStandardInput(QFile &input);

} // namespace tallyra
