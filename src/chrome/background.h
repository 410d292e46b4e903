#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace kw {

// The light grey-green of the program's panels and bands.
inline const QColor kPanelColour(244, 245, 235);

// Gives a widget a solid background of its own.
inline void FillBackground(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

} // namespace kw
