#pragma once

// One drawing function per family of skin pictures. Every function returns a
// picture of the size given for it in skintheme.h.

#include "toolicons.h"

#include <QImage>

namespace kw::skin {

enum class ButtonState { Off, On, Pressed, Disabled };

// Title strip: blue while the window is active, white while it is not.
enum class Strip { Active, Inactive };

// Window buttons on the title strip: on the blue strip with the mouse over
// them (Hover) or not (Resting), and on the white strip (Inactive).
enum class WindowButtonLook { Hover, Resting, Inactive };
enum class WindowGlyph { Close, Maximise, Minimise, Restore };

enum class Side { Left, Right };

// Tool bar (skincontrols.cpp).
QImage toolButton(IconPainter icon, ButtonState state);
QImage plainButton(ButtonState state);
QImage loadButton(bool hover);

// Bands and small parts (skincontrols.cpp).
enum class BandKind { SecondAttemptBox, RemainingBox, StatusBox, MarkingBox };
QImage bottomBand(BandKind kind);
QImage columnHead(QSize size);
QImage progressStep();
QImage sizeGrip();
QImage bullet();
QImage sheetHandle();
QImage penMark();
QImage sectionBar();

// Window frame and tabs (skinchrome.cpp).
QImage titleLeft(Strip strip);
QImage titleCentre(Strip strip);
QImage titleRight(Strip strip);
QImage windowButton(WindowGlyph glyph, WindowButtonLook look);
QImage frameSide(Side side);
QImage frameBottom();
QImage frameCorner(Side side);
QImage dialogCorner(Side side);
QImage tab(bool front, bool hover);

// Icons, logo and the instruction card (skinpictures.cpp).
QImage windowIcon();
QImage pencilIcon(QSize size);
QImage handPointer();
QImage infoMark();
QImage logo();
QImage instruction();

} // namespace kw::skin
