// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryChecks.h"
#include "entry/PlaceEntry.h"
#include "platform/Prompter.h"

#include <QString>

class QComboBox;
class QRadioButton;

namespace tallyra {

// A window's ten entry controls and the wording of its year message. The main window and
// the edit window check and confirm an entry through the same routines below.
struct EntryFields
{
    QComboBox *year;
    QComboBox *month;
    QComboBox *day;
    QComboBox *checkNumber;
    QComboBox *payee;
    QComboBox *dollars;
    QComboBox *cents;
    QRadioButton *withdrawal;
    QRadioButton *deposit;
    QRadioButton *neither;
    const char *yearMessage; // MainYearMessage or EditYearMessage
};

EntryTexts entryTexts(const EntryFields &fields);
EntryType selectedType(const EntryFields &fields);

// Runs the checks in order and stops at the first failure: shows its box, puts the focus on
// its field and returns false. The zero-amount question's Yes accepts at once.
bool validateEntryFields(const EntryFields &fields, Prompter &prompter);

// Shows the summary under the heading and returns whether the user answered Yes.
bool confirmEntry(const EntryFields &fields, const char *heading, Prompter &prompter);

} // namespace tallyra
