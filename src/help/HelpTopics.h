// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tallyra {

class Prompter;

// The five help topics: fixed text around a picture of the window each one explains.

class FrmEnter : public QDialog
{
    Q_OBJECT

public:
    explicit FrmEnter(QWidget *parent = nullptr);

private:
    void Command1_Click();

    QLabel *Image1 = nullptr;
    QPushButton *Command1 = nullptr;
};

class FrmEditHelp : public QDialog
{
    Q_OBJECT

public:
    explicit FrmEditHelp(QWidget *parent = nullptr);

private:
    void cmdClose_Click();

    QLabel *Image1 = nullptr;
    QPushButton *cmdClose = nullptr;
};

class FrmBackupHelp : public QDialog
{
    Q_OBJECT

public:
    explicit FrmBackupHelp(Prompter &prompter, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Image1_Click();
    void cmdClose_Click();

    Prompter &m_prompter;
    QLabel *Image1 = nullptr;
    QPushButton *cmdClose = nullptr;
};

class FrmPrintHelp : public QDialog
{
    Q_OBJECT

public:
    explicit FrmPrintHelp(QWidget *parent = nullptr);

private:
    void cmdClose_Click();

    QLabel *Image1 = nullptr;
    QPushButton *cmdClose = nullptr;
};

class FrmDefaultHelp : public QDialog
{
    Q_OBJECT

public:
    explicit FrmDefaultHelp(QWidget *parent = nullptr);

private:
    void cmdClose_Click();

    QPushButton *cmdClose = nullptr;
};

} // namespace tallyra
