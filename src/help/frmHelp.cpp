// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmHelp.h"

#include "help/HelpTopics.h"
#include "help/HelpWidgets.h"
#include "help/frmAbout.h"

#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyra {

FrmHelp::FrmHelp(Platform &platform, QWidget *parent) : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help"));
    auto *column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    const auto topic = [this, column](const char *name, const QString &text,
                                      void (FrmHelp::*handler)()) {
        auto *button = new QPushButton(text);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, handler);
        column->addWidget(button);
        return button;
    };
    cmdAbout = topic("cmdAbout", tr("&About the Program"), &FrmHelp::cmdAbout_Click);
    cmdEnter = topic("cmdEnter", tr("About the &Main Screen"), &FrmHelp::cmdEnter_Click);
    cmdRecord = topic("cmdRecord", tr("&Editing a Record"), &FrmHelp::cmdRecord_Click);
    cmdBackup = topic("cmdBackup", tr("&Backing Up and Restoring"), &FrmHelp::cmdBackup_Click);
    cmdPrinting = topic("cmdPrinting", tr("&Printing a Report"), &FrmHelp::cmdPrinting_Click);
    cmdDefaultHelp =
        topic("cmdDefaultHelp", tr("What is the &Default File?"), &FrmHelp::cmdDefaultHelp_Click);
    cmdClose = closeButton("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &FrmHelp::cmdClose_Click);
    column->addSpacing(6);
    column->addWidget(cmdClose, 0, Qt::AlignHCenter);
    // Room around the longest caption; the column gives every topic button its width.
    int widest = 0;
    for (QPushButton *button :
         {cmdAbout, cmdEnter, cmdRecord, cmdBackup, cmdPrinting, cmdDefaultHelp})
        widest = std::max(widest, button->sizeHint().width());
    cmdAbout->setMinimumWidth(widest + 4 * fontMetrics().averageCharWidth());
    // The first topic has the focus, as the tab order begins there, not the default button.
    cmdAbout->setFocus();
}

void FrmHelp::cmdAbout_Click()
{
    FrmAbout window(this);
    window.exec();
}

void FrmHelp::cmdEnter_Click()
{
    FrmEnter window(this);
    window.exec();
}

void FrmHelp::cmdRecord_Click()
{
    FrmEditHelp window(this);
    window.exec();
}

void FrmHelp::cmdBackup_Click()
{
    FrmBackupHelp window(m_platform.prompter, this);
    window.exec();
}

void FrmHelp::cmdPrinting_Click()
{
    FrmPrintHelp window(this);
    window.exec();
}

void FrmHelp::cmdDefaultHelp_Click()
{
    FrmDefaultHelp window(this);
    window.exec();
}

void FrmHelp::cmdClose_Click()
{
    accept();
}

} // namespace tallyra
