// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Drive.h"
#include "platform/Platform.h"

class QWidget;

namespace tallyra {

// "DISK NOT READY": true when the user wants the failed step tried again.
bool askDriveRetry(Prompter &prompter, QWidget *parent);

// Tells the user how a backup or restore failed, by the failure's class. A drive that was
// not ready has had its answer (Cancel) and gets no more; a damaged backup is said to be so,
// and the program goes on; any failure of no named class is reported in full, and then the
// program ends.
void reportDriveFailure(Platform &platform, QWidget *parent, const DriveError &error);

} // namespace tallyra
