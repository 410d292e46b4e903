#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace kw {

class Clock;
class Pictures;

// The marking progress panel: fifteen steps, shown one by one while
// the paper is marked. The window keeps painting but takes no input meanwhile.
class MarkingProgress : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSteps = 15;
    static constexpr int kStepMs = 200;

    MarkingProgress(const Pictures &pictures, QWidget *parent = nullptr);

    // Shows the panel, fills its steps one every kStepMs as the clock passes
    // the time, and hides it again.
    void run(const Clock &clock);

private:
    std::array<QLabel *, kSteps> m_bars{};
};

} // namespace kw
