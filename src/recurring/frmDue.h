// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/Recurring.h"

#include <QDate>
#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tallyra {

class RegisterDocument;
struct Platform;

// The recurring entries due up to a date, each with a box, ticked: Enter puts the ticked ones
// in the register and skips the others, moving every schedule on past both, as one change;
// Later leaves them all due.
class FrmDue : public QDialog
{
    Q_OBJECT

public:
    FrmDue(RegisterDocument &document, Platform &platform, const QList<DueEntry> &due,
           QWidget *parent = nullptr);

    // Which of the listed entries are ticked, in the order listed.
    QList<bool> ticked() const;

private:
    void cmdEnter_Click();

    RegisterDocument &m_document;
    Platform &m_platform;
    const QList<DueEntry> m_due;

    QLabel *lblDue = nullptr;
    QTableWidget *lstDue = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdLater = nullptr;
};

} // namespace tallyra
