// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QObject>
#include <QString>

class QWidget;

namespace tallyra {

class RegisterDocument;
struct Platform;

// What came of looking for recurring entries due.
struct DueCheck
{
    bool changed = false; // entries went in or were skipped
    QString said;         // for the status bar; empty when there is nothing to say
};

// Enters the entries due up to `today` whose schedules enter them by themselves, as one
// change, then lists those whose schedules ask first in the due window. A register open
// read-only enters nothing and only says what is due.
DueCheck askAboutDueEntries(RegisterDocument &document, Platform &platform, QWidget *parent,
                            QDate today);

// Asks about the entries due at most once a day, and never over another window at work: then
// a little later, once that one is closed.
class DueAsker : public QObject
{
    Q_OBJECT

public:
    DueAsker(RegisterDocument &document, Platform &platform, QWidget *window);

    // Looks for the entries due today, unless that was done today already.
    void ask();
    // Looks again as soon as the program is idle, even if that was done today: the schedules
    // may have changed.
    void askAgain();

signals:
    void told(const QString &said);

private:
    RegisterDocument &m_document;
    Platform &m_platform;
    QWidget *m_window;
    QDate m_askedOn;
};

} // namespace tallyra
