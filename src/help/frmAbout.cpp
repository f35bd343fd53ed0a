// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/frmAbout.h"

#include "help/HelpWidgets.h"
#include "help/SupportAddresses.h"
#include "register/Checkbook.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tallyra {

namespace {

QLabel *line(const char *name, const QString &text = {})
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    picIcon = helpPicture("picIcon", QStringLiteral(":/help/about.jpg"));
    auto *title = line("lblTitle", QStringLiteral("Tallyra."));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    lblVersion = line("lblVersion");
    lblCreationDate = line("lblCreationDate");
    lblMail = line("lblMail");
    lblWeb = line("lblWeb");
    cmdOk = new QPushButton(tr("&OK"));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &FrmAbout::cmdOk_Click);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picIcon, 0, 0, -1, 1, Qt::AlignTop);
    int row = 0;
    for (QLabel *label : {title, lblVersion, lblCreationDate,
                          line("lblMailHeading", tr("Problems or questions, email me at:")),
                          lblMail, line("lblWebHeading", tr("WebPage:")), lblWeb})
        grid->addWidget(label, row++, 1);
    grid->setRowMinimumHeight(row++, 4);
    grid->addWidget(new EtchedLine("Line1"), row++, 1);
    grid->setRowStretch(row++, 1);
    grid->addWidget(cmdOk, row, 1, Qt::AlignRight | Qt::AlignBottom);

    Form_Load();
}

void FrmAbout::Form_Load()
{
    setWindowTitle(tr("About Tallyra"));
    lblVersion->setText(tr("Version %1").arg(QLatin1String(VersionText)));
    lblWeb->setText(SupportWeb);
    lblMail->setText(SupportMail);
    lblCreationDate->setText(tr("May 18, 2000"));
}

void FrmAbout::cmdOk_Click()
{
    accept();
}

void FrmAbout::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOk->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tallyra
