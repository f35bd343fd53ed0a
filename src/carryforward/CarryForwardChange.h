// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "carryforward/CarryForward.h"
#include "platform/Drive.h"
#include "register/RegisterDocument.h"

#include <functional>
#include <optional>

namespace tallyra {

// How a carry-forward ended.
struct CarryForwardOutcome
{
    enum class Status {
        Done,          // the archive is written and the register replaced: one save, one step
        ReadOnly,      // the register is open read-only: nothing done
        Refused,       // see `refusal`: nothing done
        ArchiveFailed, // see `archiveError`: nothing changed
        NotChanged,    // the register document did not take the change: see `change`
    };
    Status status = Status::Done;
    EntriesBefore before;
    std::optional<CarryRefusal> refusal;
    // The archive's name in the backup folder. After NotChanged it is gone again, unless a
    // copy was kept on the way (this change, when another version was reloaded instead).
    QString archive;
    std::optional<DriveError> archiveError;
    ChangeResult change;
};

// What the kept copy of the register before a carry-forward is called after (default.dat.…).
inline constexpr char CarryForwardKeepSuffix[] = "before-carry-forward";

// Moves the entries before `date` to an archive in the backup folder, never over an existing
// file, then replaces them in the register by their balance forward entry, as one change of
// the document (a kept copy first, one save, one undo step). `retry` is asked each time the
// backup folder is not there; true tries again.
CarryForwardOutcome carryForward(RegisterDocument &document, Drive &drive, QDate date,
                                 const std::function<bool()> &retry);

} // namespace tallyra
