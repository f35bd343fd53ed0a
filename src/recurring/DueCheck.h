// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

class QWidget;

namespace tallyra {

class RegisterDocument;
struct Platform;

// What came of looking for recurring entries due.
struct DueCheck
{
    bool changed = false; // entries went in or were skipped
    QString said;         // for the status bar; empty when there is nothing to say
};

// Enters the entries due up to `today` whose schedules enter them by themselves, as one
// change, then lists those whose schedules ask first in the due window. A register open
// read-only enters nothing and only says what is due.
DueCheck askAboutDueEntries(RegisterDocument &document, Platform &platform, QWidget *parent,
                            QDate today);

} // namespace tallyra
