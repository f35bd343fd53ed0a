// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryFields.h"
#include "platform/Platform.h"
#include "register/Checkbook.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallyra {

// How the edit window ended.
enum class EditOutcome { Cancelled, Changed, Removed };

// The edit window: shows the entry in one slot and changes it (Accept), deletes it (Remove)
// or leaves it (Cancel). It changes the register in memory only; whoever opened it saves and
// reloads once it has closed.
class FrmEdit : public QDialog
{
    Q_OBJECT

public:
    FrmEdit(Checkbook &book, int slot, Platform &platform, QWidget *parent = nullptr);

    EditOutcome outcome() const { return m_outcome; }

protected:
    // Esc is bound to no button here, so it must not close the window as it would a dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void setTabOrder();
    void Form_Load();
    EntryFields entryFields() const;
    bool typeChosen();

    void cmdAccept_Click();
    void cmdRemove_Click();
    void cmdCancel_Click();

    Checkbook &m_book;
    const int m_slot;
    Platform &m_platform;
    EditOutcome m_outcome = EditOutcome::Cancelled;

    QComboBox *txtEditMonth = nullptr;
    QComboBox *txtEditDay = nullptr;
    QComboBox *txtEditYear = nullptr;
    QComboBox *txtEditCheckNum = nullptr;
    QComboBox *txtEditPayee = nullptr;
    QComboBox *txtEditDollar = nullptr;
    QComboBox *txtEditCent = nullptr;
    QGroupBox *Frame1 = nullptr;
    QRadioButton *optEditOut = nullptr;
    QRadioButton *optEditIn = nullptr;
    QRadioButton *optEditNeither = nullptr;
    QPushButton *cmdAccept = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdCancel = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
};

} // namespace tallyra
