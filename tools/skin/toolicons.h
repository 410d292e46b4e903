#pragma once

// The tool-bar icons. Each draws itself on a 32 x 32 grid; the caller places
// and scales the grid.

class QPainter;

namespace kw::skin {

using IconPainter = void (*)(QPainter &painter);

void homeIcon(QPainter &painter);
void reportIcon(QPainter &painter);
void printIcon(QPainter &painter);
void closeIcon(QPainter &painter);
void saveIcon(QPainter &painter);
void markIcon(QPainter &painter);
void backIcon(QPainter &painter);
void forwardIcon(QPainter &painter);
void aboutIcon(QPainter &painter);
void trashIcon(QPainter &painter);
void setupIcon(QPainter &painter);

} // namespace kw::skin
