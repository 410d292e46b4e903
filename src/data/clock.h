#pragma once

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace kw {

// Where windows take the time from, and how they wait, so tests can set the
// time and never sleep.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Lets ms milliseconds pass while events (painting among them) go on.
    virtual void wait(int ms) const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void wait(int ms) const override
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

} // namespace kw
