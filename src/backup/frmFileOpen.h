#pragma once

#include "platform/Platform.h"
#include "register/Checkbook.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tallyra {

// The chooser of a backup to restore: the "*.bak" files in the root of drive A. It hands its
// outcome back only through the checkbook's backupName and restoreChosen.
class FrmFileOpen : public QDialog
{
    Q_OBJECT

public:
    FrmFileOpen(Checkbook &book, Platform &platform, QWidget *parent = nullptr);

    // Lists the backups; false when there was no disk and the chooser has closed itself.
    bool Form_Load();

private:
    void fliBackup_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void cmdRefresh_Click();

    Checkbook &m_book;
    Platform &m_platform;

    QListWidget *fliBackup = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdRefresh = nullptr;
};

} // namespace tallyra
