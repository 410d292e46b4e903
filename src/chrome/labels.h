#pragma once

// Labels the windows place by hand: a named text at a fixed place, and a
// named skin picture at its own size.

#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>

namespace kw {

inline QLabel *placedLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

// The picture fills the label, which starts at the picture's own size and
// may then be stretched, as frame edges are.
inline QLabel *pictureLabel(QWidget *parent, const QString &name, const QPixmap &pixmap)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    label->resize(pixmap.deviceIndependentSize().toSize());
    return label;
}

} // namespace kw
