#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace kw {

// A button drawn entirely by a skin picture. It takes keyboard focus and
// carries an accessible name, so it works without a mouse too.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureButton(const QString &objectName, QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace kw
