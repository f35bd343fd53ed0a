// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ChangeBoxes.h"
#include "platform/Platform.h"

#include <QPoint>

namespace tallyra {

// The menu of a line of the list: "Repeat This Entry..." when `repeatable`. True when chosen.
bool askRepeatFromLineMenu(QWidget *parent, QPoint at, bool repeatable);

// Opens the schedule window filled from `entry`, to enter it again every month from a month
// after it, and saves the schedule made as one change. An entry without an amount has nothing
// to repeat, which a box says.
Committed repeatEntryCommand(RegisterDocument &document, const Entry &entry, Platform &platform,
                             QWidget *parent);

} // namespace tallyra
