#pragma once

#include "app/EntryFields.h"
#include "app/PayeeList.h"
#include "app/RegisterList.h"
#include "platform/Platform.h"
#include "register/Checkbook.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tallyra {

// The main window: the fields for a new entry, the status panel, the ten-line list of the
// register and the menus that open every other window.
class FrmMoney : public QMainWindow
{
    Q_OBJECT

public:
    FrmMoney(Checkbook &book, Platform &platform, QWidget *parent = nullptr);

    // The start-up sequence; run again, whole, after a new register or a restore.
    void Form_Load();
    void resetEntryFields();
    void updateStatus();
    // Writes the register to the data file; a failure is reported, the old file stays and
    // false is returned.
    bool saveRegister();
    // Reads the data file back; false when the user chose to end the program instead.
    bool loadRegister();
    void showList();
    // Turns the line offset (0..9) in editIndex into the slot shown on that line and opens the
    // edit window on it; an empty line has nothing to edit. The register is saved and read
    // back however the window ended.
    void openEditor();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildEntryArea(QWidget *area);
    void buildInfoFrame();
    void buildListArea(QWidget *area);
    void buildMenus();
    void setTabOrder();

    bool startNewAfterFailedLoad(bool fileExists);
    void mergePayees();
    void setListScrollToEnd();
    void showLine(int index, const ListLine &line);
    EntryFields entryFields() const;
    void readyForNextEntry();
    void clearEntryExceptDate();
    void reloadAfterFailedSave();

    void cmdAdd_Click();

    void cmdExit_Click();
    void mnuExit_Click();
    void mnuNew_Click();
    void mnuBackup_Click();
    void askBackupDescription();
    void mnuRestore_Click();
    void mnuContent_Click();
    void mnuAbout_Click();
    void lblWarning_Click();
    void mnuPrint_Click();
    bool txtDollar_KeyPress(QChar typed);
    void vsbList_Change();
    void vsbList_Scroll();
    // Line n's button hands its line to openEditor.
    void cmd1_Click() { openLine(0); }
    void cmd2_Click() { openLine(1); }
    void cmd3_Click() { openLine(2); }
    void cmd4_Click() { openLine(3); }
    void cmd5_Click() { openLine(4); }
    void cmd6_Click() { openLine(5); }
    void cmd7_Click() { openLine(6); }
    void cmd8_Click() { openLine(7); }
    void cmd9_Click() { openLine(8); }
    void cmd10_Click() { openLine(9); }
    void openLine(int offset);

    Checkbook &m_book;
    Platform &m_platform;
    PayeeList m_payees;

    // The controls, named as the rest of the program and its tests know them.
    QComboBox *txtMonth = nullptr;
    QComboBox *txtDay = nullptr;
    QComboBox *txtYear = nullptr;
    QComboBox *cmbCheckNum = nullptr;
    QComboBox *cmbPayee = nullptr;
    QComboBox *txtDollar = nullptr;
    QComboBox *txtCent = nullptr;
    QGroupBox *frmType = nullptr;
    QRadioButton *optWithdrawl = nullptr;
    QRadioButton *optDeposit = nullptr;
    QRadioButton *optNeither = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdExit = nullptr;

    QGroupBox *frmInfo = nullptr;
    QLabel *lblE1 = nullptr;
    QLabel *lblTotal = nullptr;
    QLabel *lblE2 = nullptr;
    QLabel *lblRecNum = nullptr;
    QLabel *lblWarning = nullptr;

    // The list: line n uses button n and index n - 1 of each label array.
    std::array<QPushButton *, ListLines> cmdLine{};
    std::array<QLabel *, ListLines> date{};
    std::array<QLabel *, ListLines> check{};
    std::array<QLabel *, ListLines> payee{};
    std::array<QLabel *, ListLines> out{};
    std::array<QLabel *, ListLines> dep{};
    std::array<QLabel *, ListLines> total{};
    QScrollBar *vsbList = nullptr;

    QAction *mnuBackup = nullptr;
    QAction *mnuRestore = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuNew = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuContent = nullptr;
    QAction *mnuAbout = nullptr;
};

} // namespace tallyra
