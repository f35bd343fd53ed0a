// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tallyra {

// The texts of a window's seven entry fields, as they read when its button is pressed.
struct EntryTexts
{
    QString year;
    QString month;
    QString day;
    QString checkNumber;
    QString payee;
    QString dollars;
    QString cents;
};

// The field that a failed check sends the user back to, in the order of the checks.
enum class EntryField { Year, Month, Day, CheckNumber, Payee, Dollars };

// The two entry windows word their year message and their summary differently. Translated
// where they are shown.
inline constexpr char MainYearMessage[] = QT_TRANSLATE_NOOP(
    "EntryChecks", "The year field has to be greater than 1900 and less than 10000.");
inline constexpr char EditYearMessage[] = QT_TRANSLATE_NOOP(
    "EntryChecks", "The year field has to be greater than 1900 and less then 10000.");
inline constexpr char AddingHeading[] = QT_TRANSLATE_NOOP("EntryChecks", "Adding:");
inline constexpr char ChangingHeading[] = QT_TRANSLATE_NOOP("EntryChecks", "Changing to:");

struct FailedCheck
{
    // A zero amount is a question: Yes accepts the entry as it is, No sends the user back.
    bool zeroAmountQuestion = false;
    EntryField field = EntryField::Year;
    QString title;
    QString text;
    // For a character the data file cannot hold, or the part of a text past what an entry
    // takes: where it is in the field, and its length.
    qsizetype badCharAt = -1;
    qsizetype badCharLength = 0;
};

// The first check that the texts fail, in the order year, month, day, check number, payee,
// amount; nothing when every check passes.
std::optional<FailedCheck> firstFailedCheck(const EntryTexts &texts, const char *yearMessage);

// The amount in the whole cents an entry stores, or nothing when it does not fit.
std::optional<qint32> storableCents(const EntryTexts &texts);

// The six lines that ask whether to store the entry: the heading, then the values as typed.
QString entrySummary(const char *heading, const EntryTexts &texts);

} // namespace tallyra
