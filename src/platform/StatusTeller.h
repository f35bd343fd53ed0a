// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QMainWindow;
class QWidget;

namespace tallyra {

// Tells a result on a main window's status bar for a while, and to a screen reader. A reader
// speaks what changes on the control it is at, and Qt has no other way to announce: the
// control with the focus, once the change has settled it, describes the result until the
// focus moves on. The status bar's own message is its accessible name.
class StatusTeller : public QObject
{
public:
    explicit StatusTeller(QMainWindow *window);

    void tell(const QString &what);

private:
    QMainWindow *m_window;
    // The control that describes the last result told.
    QPointer<QWidget> m_told;
};

} // namespace tallyra
