// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"

namespace tallyra {

// A full register as a user would have typed it: dates ascending over a few years, the usual
// mix of checks, cash, transfers and pay, payees of every length.
Checkbook fullRegister();

} // namespace tallyra
