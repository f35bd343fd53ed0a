// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ServerWait.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

namespace tallyra {

namespace {

// What passes for a moment: no box for an answer within it.
constexpr std::chrono::milliseconds Moment(400);
constexpr std::chrono::milliseconds LookAgain(20);

} // namespace

WaitEnd waitForServer(const QString &what, std::function<void()> work,
                      const std::function<void()> &stop, std::chrono::milliseconds limit)
{
    auto answered = std::make_shared<std::atomic<bool>>(false);
    std::thread([work = std::move(work), answered] {
        work();
        answered->store(true);
    }).detach();

    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (answered->load())
            loop.quit();
    });
    look.start(LookAgain);
    QTimer moment;
    moment.setSingleShot(true);
    QObject::connect(&moment, &QTimer::timeout, &loop, &QEventLoop::quit);
    moment.start(std::min(Moment, limit));
    // Until the box shows, clicks and keys wait: the window must not act twice meanwhile.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (answered->load())
        return WaitEnd::Answered;

    QProgressDialog box(what, QCoreApplication::translate("ServerWait", "&Cancel"), 0, 0,
                        QApplication::activeWindow());
    box.setWindowTitle(QCoreApplication::translate("ServerWait", "Printing"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setMinimumDuration(0);
    bool cancelled = false;
    const auto cancel = [&] {
        cancelled = true;
        loop.quit();
    };
    QObject::connect(&box, &QProgressDialog::canceled, &loop, cancel);
    QObject::connect(&box, &QDialog::rejected, &loop, cancel);
    QTimer end;
    end.setSingleShot(true);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    end.start(limit - std::min(Moment, limit));
    box.show();
    loop.exec();
    if (answered->load())
        return WaitEnd::Answered;
    stop();
    return cancelled ? WaitEnd::Cancelled : WaitEnd::TimedOut;
}

} // namespace tallyra
