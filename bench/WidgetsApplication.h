// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace tallyra {

// The application object the window benchmarks need, made by the first of them, offscreen.
// False when another benchmark made a QGuiApplication first, which windows cannot use.
inline bool ensureWidgetsApplication()
{
    if (!QApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tallyra_bench";
        static char *argv[] = {name, nullptr};
        // Lives to the end of the program, like the application object of the program.
        new QApplication(argc, argv);
    }
    return qobject_cast<QApplication *>(QApplication::instance()) != nullptr;
}

} // namespace tallyra
