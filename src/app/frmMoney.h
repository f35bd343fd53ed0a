#pragma once

#include "app/PayeeList.h"
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
    static constexpr int ListLines = 10;

    FrmMoney(Checkbook &book, Platform &platform, QWidget *parent = nullptr);

    // The start-up sequence; run again, whole, after a new register or a restore.
    void Form_Load();
    void resetEntryFields();
    void updateStatus();
    // Writes the register to the data file; a failure is reported and the old file stays.
    void saveRegister();
    // Reads the data file back; false when the user chose to end the program instead.
    bool loadRegister();

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
