// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/EntryFields.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <array>

namespace tallyra {

namespace {

QComboBox *fieldFor(const EntryFields &fields, EntryField field)
{
    const std::array<QComboBox *, 6> inCheckOrder = {
        fields.year, fields.month, fields.day, fields.checkNumber, fields.payee, fields.dollars};
    return inCheckOrder[size_t(field)];
}

void sendBackTo(const EntryFields &fields, const FailedCheck &failed)
{
    QComboBox *combo = fieldFor(fields, failed.field);
    combo->setFocus();
    // Show the user which character the file cannot hold.
    if (failed.badCharAt >= 0)
        combo->lineEdit()->setSelection(int(failed.badCharAt), int(failed.badCharLength));
}

} // namespace

EntryTexts entryTexts(const EntryFields &fields)
{
    return EntryTexts{fields.year->currentText(),  fields.month->currentText(),
                      fields.day->currentText(),   fields.checkNumber->currentText(),
                      fields.payee->currentText(), fields.dollars->currentText(),
                      fields.cents->currentText()};
}

EntryType selectedType(const EntryFields &fields)
{
    if (fields.withdrawal->isChecked())
        return EntryType::Withdrawal;
    if (fields.deposit->isChecked())
        return EntryType::Deposit;
    if (fields.neither->isChecked())
        return EntryType::Neither;
    return EntryType::NoneSelected;
}

bool validateEntryFields(const EntryFields &fields, Prompter &prompter)
{
    const std::optional<FailedCheck> failed =
        firstFailedCheck(entryTexts(fields), fields.yearMessage);
    if (!failed)
        return true;
    QWidget *window = fields.year->window();
    if (failed->zeroAmountQuestion) {
        const auto answer =
            prompter.message(window, QMessageBox::Question, failed->title, failed->text,
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            return true;
    } else {
        prompter.message(window, QMessageBox::Warning, failed->title, failed->text);
    }
    sendBackTo(fields, *failed);
    return false;
}

bool confirmEntry(const EntryFields &fields, const char *heading, Prompter &prompter)
{
    const auto answer = prompter.message(fields.year->window(), QMessageBox::Question,
                                         QCoreApplication::translate("EntryFields", "Continue?"),
                                         entrySummary(heading, entryTexts(fields)),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

} // namespace tallyra
