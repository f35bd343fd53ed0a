// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StatusTeller.h"

#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

#include <utility>

namespace tallyra {

namespace {

// How long a word in the status bar stays.
constexpr int StatusMilliseconds = 10000;

} // namespace

StatusTeller::StatusTeller(QMainWindow *window) : QObject(window), m_window(window)
{
    QStatusBar *bar = window->statusBar();
    connect(bar, &QStatusBar::messageChanged, bar, &QWidget::setAccessibleName);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old) {
        if (old && old == m_told)
            std::exchange(m_told, nullptr)->setAccessibleDescription(QString());
    });
}

void StatusTeller::tell(const QString &what)
{
    m_window->statusBar()->showMessage(what, StatusMilliseconds);
    QTimer::singleShot(0, this, [this, what] {
        QWidget *focus = m_window->focusWidget();
        if (!focus)
            return;
        if (m_told && m_told != focus)
            m_told->setAccessibleDescription(QString());
        m_told = focus;
        focus->setAccessibleDescription(what);
    });
}

} // namespace tallyra
