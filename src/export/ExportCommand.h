// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"
#include "register/Checkbook.h"

class QWidget;

namespace tallyra {

// File > Export: asks where and in which format (CSV unless another filter is chosen, named
// for today in the documents folder), writes the register there whole and says how it went.
void exportCommand(const Checkbook &book, Platform &platform, QWidget *parent);

} // namespace tallyra
