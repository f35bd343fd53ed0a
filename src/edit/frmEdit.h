// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/EntryFields.h"
#include "platform/Platform.h"
#include "register/Checkbook.h"
#include "register/RegisterDocument.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tallyra {

// How the edit window ended.
enum class EditOutcome { Cancelled, Changed, Removed };

// The edit window: shows the entry in one slot and changes it (Accept), deletes it (Remove)
// or leaves it (Cancel). It works on a copy of the register and hands the changed register
// back; whoever opened it makes that the register.
class FrmEdit : public QDialog
{
    Q_OBJECT

public:
    FrmEdit(const RegisterDocument &document, int slot, Platform &platform,
            QWidget *parent = nullptr);
    ~FrmEdit() override;

    EditOutcome outcome() const { return m_outcome; }
    // The register as the window left it: with the entry changed or removed.
    const Checkbook *changedRegister() const { return m_changed.get(); }

protected:
    // Esc is bound to no button here, so it must not close the window as it would a dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void setTabOrder();
    void Form_Load();
    EntryFields entryFields() const;
    bool typeChosen();
    bool reconciledChangeAgreed(const QString &question);

    void cmdAccept_Click();
    void cmdRemove_Click();
    void cmdCancel_Click();

    const Checkbook &m_book;
    const int m_slot;
    std::unique_ptr<Checkbook> m_changed;
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
