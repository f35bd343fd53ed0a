// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tallyra {

// The program's name, version, date and where to send questions.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *parent = nullptr);

protected:
    // OK is the cancel button too: Esc presses it.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void cmdOk_Click();

    QLabel *picIcon = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblCreationDate = nullptr;
    QLabel *lblMail = nullptr;
    QLabel *lblWeb = nullptr;
    QPushButton *cmdOk = nullptr;
};

} // namespace tallyra
