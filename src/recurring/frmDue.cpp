// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/frmDue.h"

#include "entry/ChangeBoxes.h"
#include "entry/MoneyFormat.h"
#include "platform/Platform.h"
#include "platform/TableControls.h"
#include "recurring/DueEntering.h"
#include "register/DateText.h"
#include "register/RegisterDocument.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tallyra {

namespace {

enum Column { Tick, Date, CheckNumber, Payee, Amount };

} // namespace

FrmDue::FrmDue(RegisterDocument &document, Platform &platform, const QList<DueEntry> &due,
               QWidget *parent)
    : QDialog(parent), m_document(document), m_platform(platform), m_due(due)
{
    setObjectName(QStringLiteral("frmDue"));
    setWindowTitle(tr("Recurring Entries Due"));

    const int count = int(due.size());
    lblDue = named(new QLabel(tr("%n recurring entries are due", nullptr, count)), "lblDue");
    auto *explained = new QLabel(tr("The ticked entries go into the register. The others are "
                                    "skipped: their schedules move on without them."));
    explained->setWordWrap(true);

    lstDue = table("lstDue", {QString(), tr("Date"), tr("Check Number"), tr("Payee"), tr("Amount")},
                   tr("Recurring entries due"));
    lstDue->horizontalHeader()->setStretchLastSection(false);
    lstDue->horizontalHeader()->setSectionResizeMode(Payee, QHeaderView::Stretch);
    lstDue->setWordWrap(false);
    lblDue->setBuddy(lstDue);
    const Companion &companion = document.companion();
    lstDue->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const RecurringEntry &schedule = companion.schedules[due[row].schedule];
        const QString date = slashDate(due[row].date.entered);
        auto *box = new QTableWidgetItem;
        box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        box->setCheckState(Qt::Checked);
        //: %1 is the payee, %2 the date.
        box->setData(Qt::AccessibleTextRole, tr("Enter %1 on %2").arg(schedule.payee, date));
        lstDue->setItem(row, Tick, box);
        lstDue->setItem(row, Date, cell(date));
        lstDue->setItem(row, CheckNumber, cell(schedule.checkNumber));
        lstDue->setItem(row, Payee, cell(schedule.payee));
        lstDue->setItem(
            row, Amount,
            cell(formatMoney(schedule.deposit ? schedule.cents : -qint64(schedule.cents)),
                 Qt::AlignRight));
    }
    lstDue->resizeColumnsToContents();
    // Every column in view, and up to eight lines before the list scrolls.
    const int frame = 2 * lstDue->frameWidth();
    lstDue->setMinimumWidth(lstDue->horizontalHeader()->length() + frame +
                            lstDue->verticalScrollBar()->sizeHint().width());
    lstDue->setMinimumHeight(lstDue->horizontalHeader()->sizeHint().height() + frame +
                             lstDue->verticalHeader()->defaultSectionSize() *
                                 std::clamp(count, 3, 8));
    if (count > 0)
        lstDue->setCurrentCell(0, Tick);

    cmdEnter = button("cmdEnter", tr("&Enter"),
                      tr("Put the ticked entries in the register and skip the others"));
    cmdLater = button("cmdLater", tr("&Later"), tr("Leave them all due, to be asked again"));
    cmdEnter->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdEnter);
    buttons->addWidget(cmdLater);

    auto *whole = new QVBoxLayout(this);
    whole->addWidget(lblDue);
    whole->addWidget(explained);
    whole->addWidget(lstDue, 1);
    whole->addLayout(buttons);

    connect(cmdEnter, &QPushButton::clicked, this, &FrmDue::cmdEnter_Click);
    connect(cmdLater, &QPushButton::clicked, this, &QDialog::reject);
    lstDue->setFocus();
}

QList<bool> FrmDue::ticked() const
{
    QList<bool> ticks;
    for (int row = 0; row < lstDue->rowCount(); ++row)
        ticks.append(lstDue->item(row, Tick)->checkState() == Qt::Checked);
    return ticks;
}

void FrmDue::cmdEnter_Click()
{
    const QList<bool> ticks = ticked();
    const DueEntering taken =
        takeDueEntries(m_document.book(), m_document.companion(), m_due, ticks);
    switch (taken.result) {
    case DueEntering::Result::TooMany:
        m_platform.prompter.message(
            this, QMessageBox::Warning, windowTitle(),
            tr("Only %1 of the %2 ticked entries fit in the register's free slots, so none was "
               "entered. Carry entries forward (File > Carry Forward...) to make room, or untick "
               "some to skip them.")
                .arg(taken.fit)
                .arg(int(std::count(ticks.begin(), ticks.end(), true))));
        return;
    case DueEntering::Result::Refused:
        //: %1 says which entry, and what is wrong with it.
        m_platform.prompter.message(this, QMessageBox::Warning, windowTitle(),
                                    tr("%1. Nothing was entered.").arg(taken.problem));
        return;
    case DueEntering::Result::Done:
        break;
    }
    if (reportChange(m_platform.prompter, this,
                     m_document.replace(*taken.book, taken.companion,
                                        dueChangeName(taken.entered, taken.skipped),
                                        taken.entered > 0 ? DueKeepSuffix : QString())))
        accept();
}

} // namespace tallyra
