#pragma once

#include "chrome/colours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace kw {

// Gives a widget a solid background of its own.
inline void fillBackground(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

} // namespace kw
