#pragma once

#include <QLabel>

namespace kw {

// A caption that acts as the control it names when clicked.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace kw
