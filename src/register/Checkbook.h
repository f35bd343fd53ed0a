#pragma once

#include "register/Entry.h"

#include <QString>

#include <array>

namespace tallyra {

inline constexpr int MaxEntries = 1000;
// From this many entries on, the status panel warns that the register is nearly full.
inline constexpr int WarningThreshold = 971;
inline constexpr char VersionText[] = "1.3";

// Everything the windows share: the register of one checking account and the values that
// pass between the windows. Owned by the application and handed to every window by
// reference; the windows read and write the fields directly.
struct Checkbook
{
    // Entries occupy slots 1..entryCount in ascending dateKey order; slot 0 is never used.
    qint16 entryCount = 0;
    std::array<Entry, MaxEntries + 1> slot{}; // "slots" is a Qt keyword

    // Running total after each entry, derived by updateStatus. Summed in 64 bits so that no
    // register of 32-bit amounts can overflow it.
    std::array<qint64, MaxEntries + 1> balanceCents{};
    qint64 totalCents = 0;

    qint16 editIndex = 0;  // 1-based slot the edit window works on
    qint16 firstShown = 1; // slot shown on the list's top line
    QString actionWord;    // "NEW" asks the new-register routine to skip its question
    QString backupName;    // backup description, or the backup file chosen for a restore
    bool restoreChosen = false;
};

} // namespace tallyra
