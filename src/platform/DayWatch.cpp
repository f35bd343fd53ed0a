// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DayWatch.h"

#include <QDateTime>

#include <algorithm>

namespace tallyra {

namespace {

// A timer does not run while the computer sleeps, so one set for the next midnight before a
// night asleep would fire far into the next day: it is never set for longer than this.
constexpr qint64 LongestWaitMs = 60 * 60 * 1000;
// Past midnight, so that a timer a little early still finds the new date.
constexpr qint64 AfterMidnightMs = 1000;

} // namespace

DayWatch::DayWatch(const Clock &clock, QObject *parent)
    : QObject(parent), m_clock(clock), m_today(clock.today())
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DayWatch::check);
    waitForMidnight();
}

void DayWatch::check()
{
    waitForMidnight();
    const QDate today = m_clock.today();
    if (today == m_today)
        return;
    m_today = today;
    emit dateChanged(today);
}

void DayWatch::waitForMidnight()
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 toMidnight = now.msecsTo(now.date().addDays(1).startOfDay()) + AfterMidnightMs;
    m_timer.start(int(std::clamp<qint64>(toMidnight, AfterMidnightMs, LongestWaitMs)));
}

} // namespace tallyra
