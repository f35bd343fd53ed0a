// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "carryforward/CarryForwardChange.h"
#include "platform/Platform.h"
#include "register/RegisterDocument.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace tallyra {

// Carries the balance forward: the entries before a chosen date go to an archive in the
// backup folder and one BALANCE FORWARD entry takes their place, which frees room in a
// register that is nearly full. Opened modally from File > Carry Forward...; it changes the
// register only through the document, and closes once it has (Accepted).
class FrmCarryForward : public QDialog
{
    Q_OBJECT

public:
    FrmCarryForward(RegisterDocument &document, Platform &platform, QWidget *parent = nullptr);

    // How the last press of the button ended; nothing before one.
    const std::optional<CarryForwardOutcome> &outcome() const { return m_outcome; }

private:
    void buildControls();
    std::optional<QDate> chosenDate() const;
    void showEntriesBefore();
    bool confirmCarry(const EntriesBefore &before);
    void reportOutcome(const CarryForwardOutcome &outcome);
    void refuse(QMessageBox::Icon icon, const QString &title, const QString &text);

    void cmdCarry_Click();

    RegisterDocument &m_document;
    Platform &m_platform;
    std::optional<CarryForwardOutcome> m_outcome;

    QComboBox *txtCarryMonth = nullptr;
    QComboBox *txtCarryDay = nullptr;
    QComboBox *txtCarryYear = nullptr;
    QLabel *lblCount = nullptr;
    QLabel *lblNet = nullptr;
    QLabel *lblAfter = nullptr;
    QPushButton *cmdCarry = nullptr;
    QPushButton *cmdCancel = nullptr;
};

} // namespace tallyra
