// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <QString>

#include <optional>

class QListWidget;
class QPushButton;

namespace tallyra {

// The chooser of a backup to restore: the "*.bak" files in the root of drive A.
class FrmFileOpen : public QDialog
{
    Q_OBJECT

public:
    explicit FrmFileOpen(Platform &platform, QWidget *parent = nullptr);

    // Lists the backups; false when there was no disk and the chooser has closed itself.
    bool Form_Load();
    // The backup file chosen with OK; nothing when the chooser was left any other way.
    std::optional<QString> chosenBackup() const { return m_chosen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fliBackup_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdRefresh_Click();

    Platform &m_platform;
    QString m_selected;
    std::optional<QString> m_chosen;

    QListWidget *fliBackup = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdRefresh = nullptr;
};

} // namespace tallyra
