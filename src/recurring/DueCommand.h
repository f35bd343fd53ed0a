// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace tallyra {

class RegisterDocument;

// Exit statuses of `tallyra --due`, those of `--import` where they mean the same.
inline constexpr int DueDone = 0;
inline constexpr int DueRegisterHeld = 3; // another copy of Tallyra has the register open
inline constexpr int DueNotEntered = 4;   // the register could not be read, take or save them

struct DueOutcome
{
    int status = DueDone;
    QString output; // one line per entry due and a summary
    QString error;
};

// Lists the recurring entries due up to `today` without a window; with `enter`, enters them
// all as one change after a kept copy of the data file, as the due window does. Listing alone
// makes the document read-only and writes nothing.
DueOutcome runDue(bool enter, QDate today, RegisterDocument &document);

} // namespace tallyra
