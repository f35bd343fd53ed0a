// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup/frmFileOpen.h"

#include "platform/Controls.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tallyra {

FrmFileOpen::FrmFileOpen(Platform &platform, QWidget *parent)
    : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmFileOpen"));
    setWindowTitle(tr("Open Backup File"));

    fliBackup = named(new QListWidget, "fliBackup");
    fliBackup->setToolTip(tr("Click a backup file to load"));
    fliBackup->setSelectionMode(QAbstractItemView::SingleSelection);
    fliBackup->setAccessibleName(tr("Backup files"));
    // Room for a full eight-character description and its extension.
    const QFontMetrics metrics(fliBackup->font());
    fliBackup->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("WWWWWWWW.bak")) + 32);

    cmdOk = button("cmdOk", tr("&Ok"), tr("Use the selected backup file"));
    cmdOk->setEnabled(false);
    cmdOk->setDefault(true);
    cmdCancel = button("cmdCancel", tr("&Cancel"), tr("Abort without restoring backup"));
    cmdRefresh = button("cmdRefresh", tr("&Refresh"), tr("Click here if you changed disks"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);
    buttons->addWidget(cmdRefresh);
    auto *whole = new QHBoxLayout(this);
    whole->addWidget(fliBackup, 1);
    whole->addLayout(buttons);

    fliBackup->installEventFilter(this);
    // Selection, not clicks alone, so that the arrow keys choose a file too.
    connect(fliBackup, &QListWidget::itemSelectionChanged, this, &FrmFileOpen::fliBackup_Click);
    connect(cmdOk, &QPushButton::clicked, this, &FrmFileOpen::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmFileOpen::cmdCancel_Click);
    connect(cmdRefresh, &QPushButton::clicked, this, &FrmFileOpen::cmdRefresh_Click);
}

bool FrmFileOpen::Form_Load()
{
    m_chosen.reset();
    QStringList names;
    if (m_platform.drive.listBackups(names)) {
        m_platform.prompter.message(isVisible() ? this : parentWidget(), QMessageBox::Critical,
                                    tr("NEED DISK"), tr("Need a disk in drive A:"));
        m_selected.clear();
        reject();
        return false;
    }
    {
        // Refilling the list is no click: the state of OK stays as it was.
        const QSignalBlocker quiet(fliBackup);
        fliBackup->clear();
        fliBackup->addItems(names);
    }
    m_selected.clear();
    return true;
}

void FrmFileOpen::fliBackup_Click()
{
    const QList<QListWidgetItem *> selected = fliBackup->selectedItems();
    const QString name = selected.isEmpty() ? QString() : selected.front()->text();
    m_selected = name;
    cmdOk->setEnabled(!name.isEmpty());
}

void FrmFileOpen::cmdOk_Click()
{
    // A refresh empties the choice but leaves OK as it was; then there is nothing to restore.
    if (!m_selected.isEmpty())
        m_chosen = m_selected;
    accept();
}

void FrmFileOpen::cmdCancel_Click()
{
    m_selected.clear();
    reject();
}

void FrmFileOpen::cmdRefresh_Click()
{
    Form_Load();
}

// The list puts its cursor on the first file without choosing it, so with a single backup the
// arrows would have nowhere to move and no file could be chosen by keyboard: the first arrow
// chooses the file under the cursor.
bool FrmFileOpen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != fliBackup || event->type() != QEvent::KeyPress ||
        !fliBackup->selectedItems().isEmpty() || !fliBackup->currentItem())
        return QDialog::eventFilter(watched, event);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        fliBackup->currentItem()->setSelected(true);
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace tallyra
