#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

// Runs the event loop until the condition holds. The deadline only turns a
// hang into a failure; nothing here depends on how fast anything is.
inline bool RunUntil(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(60000);
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    if (!done()) {
        poll.start();
        loop.exec();
    }
    return done();
}
