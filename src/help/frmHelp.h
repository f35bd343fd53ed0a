// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QDialog>

class QPushButton;

namespace tallyra {

// The help topics: one button for each, and Close.
class FrmHelp : public QDialog
{
    Q_OBJECT

public:
    explicit FrmHelp(Platform &platform, QWidget *parent = nullptr);

private:
    void cmdAbout_Click();
    void cmdEnter_Click();
    void cmdRecord_Click();
    void cmdBackup_Click();
    void cmdPrinting_Click();
    void cmdDefaultHelp_Click();
    void cmdClose_Click();

    Platform &m_platform;
    QPushButton *cmdAbout = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdRecord = nullptr;
    QPushButton *cmdBackup = nullptr;
    QPushButton *cmdPrinting = nullptr;
    QPushButton *cmdDefaultHelp = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace tallyra
