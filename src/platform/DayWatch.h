// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <QDate>
#include <QObject>
#include <QTimer>

namespace tallyra {

// Tells when the date changes while the program runs, for whatever depends on today: a timer
// to the next midnight, and the clock asked again when it fires.
class DayWatch : public QObject
{
    Q_OBJECT

public:
    explicit DayWatch(const Clock &clock, QObject *parent = nullptr);

    // The date last seen on the clock.
    QDate today() const { return m_today; }

public slots:
    // Asks the clock now, and tells of a new date.
    void check();

signals:
    void dateChanged(QDate today);

private:
    void waitForMidnight();

    const Clock &m_clock;
    QDate m_today;
    QTimer m_timer;
};

} // namespace tallyra
