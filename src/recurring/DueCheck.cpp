// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurring/DueCheck.h"

#include "entry/ChangeBoxes.h"
#include "platform/Platform.h"
#include "recurring/DueEntering.h"
#include "recurring/frmDue.h"
#include "register/RegisterDocument.h"

#include <QApplication>
#include <QTimer>

#include <utility>

namespace tallyra {

namespace {

struct DueCheckText
{
    Q_DECLARE_TR_FUNCTIONS(DueCheck)
};

// How soon the due entries are looked for again when another window was at work.
constexpr int DueRetryMilliseconds = 2000;

} // namespace

DueCheck askAboutDueEntries(RegisterDocument &document, Platform &platform, QWidget *parent,
                            QDate today)
{
    DueCheck check;
    QList<DueEntry> due = dueEntries(document.companion().schedules, today);
    if (due.isEmpty())
        return check;
    if (document.readOnly()) {
        check.said = DueCheckText::tr(
            "Recurring entries due: %n, left for the copy of Tallyra that can write "
            "the register",
            nullptr, int(due.size()));
        return check;
    }
    QList<DueEntry> byThemselves;
    for (const DueEntry &entry : std::as_const(due)) {
        if (!document.companion().schedules[entry.schedule].askFirst)
            byThemselves.append(entry);
    }
    if (!byThemselves.isEmpty()) {
        const DueEntering taken =
            takeDueEntries(document.book(), document.companion(), byThemselves,
                           QList<bool>(byThemselves.size(), true));
        if (taken.result == DueEntering::Result::Done &&
            reportChange(platform.prompter, parent,
                         document.replace(*taken.book, taken.companion,
                                          dueChangeName(taken.entered, 0), DueKeepSuffix))) {
            check.changed = true;
            check.said = DueCheckText::tr("Recurring entries entered by themselves: %n", nullptr,
                                          taken.entered);
        } else if (taken.result != DueEntering::Result::Done) {
            // Those that do not fit wait in the due window with the others.
            check.said =
                taken.result == DueEntering::Result::TooMany
                    ? DueCheckText::tr("The recurring entries due do not fit in the register")
                    : taken.problem;
        }
        due = dueEntries(document.companion().schedules, today);
        if (check.changed) {
            QList<DueEntry> asking;
            for (const DueEntry &entry : std::as_const(due)) {
                if (document.companion().schedules[entry.schedule].askFirst)
                    asking.append(entry);
            }
            due = asking;
        }
    }
    if (due.isEmpty())
        return check;
    const int before = document.history().index();
    FrmDue window(document, platform, due, parent);
    window.exec();
    if (document.history().index() != before) {
        check.changed = true;
        check.said = DueCheckText::tr("Done: %1").arg(document.history().undoText());
    }
    return check;
}

DueAsker::DueAsker(RegisterDocument &document, Platform &platform, QWidget *window)
    : QObject(window), m_document(document), m_platform(platform), m_window(window)
{
}

void DueAsker::ask()
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(DueRetryMilliseconds, this, &DueAsker::ask);
        return;
    }
    const QDate today = m_platform.clock.today();
    if (std::exchange(m_askedOn, today) == today)
        return;
    const DueCheck check = askAboutDueEntries(m_document, m_platform, m_window, today);
    if (!check.said.isEmpty())
        emit told(check.said);
}

void DueAsker::askAgain()
{
    m_askedOn = QDate();
    QTimer::singleShot(0, this, &DueAsker::ask);
}

} // namespace tallyra
