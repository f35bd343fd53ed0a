// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the start-up benchmark's copies of the program and of its baselines, never into
// the program itself. When the first main window has painted its first frame, it writes three
// numbers to standard output and quits: the monotonic clock and the process's processor time,
// both in nanoseconds, and its peak resident memory so far in KiB. So the benchmark measures
// process start to window shown from outside, with the program's own code unchanged.

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

class FirstFrame final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != QEvent::Paint || !qobject_cast<QMainWindow *>(watched))
            return false;
        m_seen = true;
        // The window's children paint in the same pass: the frame is whole once it returns.
        QMetaObject::invokeMethod(this, &FirstFrame::report, Qt::QueuedConnection);
        return false;
    }

private:
    void report()
    {
        // CLOCK_MONOTONIC is one clock for every process, so the benchmark can subtract.
        timespec wall{};
        timespec processor{};
        clock_gettime(CLOCK_MONOTONIC, &wall);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &processor);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%lld %lld %ld\n", nanoseconds(wall), nanoseconds(processor), usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    static long long nanoseconds(const timespec &time)
    {
        return static_cast<long long>(time.tv_sec) * 1'000'000'000LL + time.tv_nsec;
    }

    bool m_seen = false;
};

void watchForFirstFrame()
{
    QCoreApplication::instance()->installEventFilter(new FirstFrame(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstFrame)
