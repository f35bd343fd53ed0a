// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace tallyra {

// The main window's payee field. It is as wide as a number of characters, not as its longest
// payee: sizing it from the list measured every payee of a full register at start-up, which
// took longer than all the rest, and a long payee widened the window. Its list opens as wide
// as the longest payee instead, measured then.
class PayeeField final : public QComboBox
{
public:
    explicit PayeeField(QWidget *parent = nullptr);

    void showPopup() override;
};

} // namespace tallyra
