#pragma once

// A clock the test sets: waiting moves it on at once.

#include "data/clock.h"

#include <QCoreApplication>

#include <functional>

namespace kwtest {

class TestClock final : public kw::Clock {
public:
    explicit TestClock(QDateTime start = QDateTime(QDate(2026, 12, 8), QTime(10, 0))) : m_now(std::move(start)) {}
    QDateTime now() const override { return m_now; }
    void wait(int ms) const override
    {
        m_now = m_now.addMSecs(ms);
        if (whileWaiting)
            whileWaiting();
        QCoreApplication::processEvents();
    }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }
    // Runs on every wait: what the pupil does while the program waits.
    std::function<void()> whileWaiting;

private:
    mutable QDateTime m_now;
};

} // namespace kwtest
