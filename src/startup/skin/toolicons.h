#pragma once

// The tool-bar icons. Each draws itself on a 32 x 32 grid; the caller places
// and scales the grid.

class QPainter;

namespace kw::skin {

using IconPainter = void (*)(QPainter &painter);

void HomeIcon(QPainter &painter);
void ReportIcon(QPainter &painter);
void PrintIcon(QPainter &painter);
void CloseIcon(QPainter &painter);
void SaveIcon(QPainter &painter);
void MarkIcon(QPainter &painter);
void BackIcon(QPainter &painter);
void ForwardIcon(QPainter &painter);
void AboutIcon(QPainter &painter);
void TrashIcon(QPainter &painter);
void SetupIcon(QPainter &painter);

} // namespace kw::skin
