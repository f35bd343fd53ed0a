// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "platform/Drive.h"
#include "platform/ProgramEnd.h"
#include "platform/Prompter.h"
#include "platform/ReportSurface.h"
#include "platform/Settings.h"

namespace tallyra {

// What the windows need from the desktop and the system, handed to each window together.
struct Platform
{
    Prompter &prompter;
    Clock &clock;
    ProgramEnd &programEnd;
    Drive &drive;
    ReportPrinter &printer;
    Settings &settings;
};

} // namespace tallyra
