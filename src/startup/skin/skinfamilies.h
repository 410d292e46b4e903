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
QImage ToolButton(IconPainter icon, ButtonState state);
QImage PlainButton(ButtonState state);
QImage LoadButton(bool hover);

// Bands and small parts (skincontrols.cpp).
enum class BandKind { SecondAttemptBox, RemainingBox, StatusBox, MarkingBox };
QImage BottomBand(BandKind kind);
QImage ColumnHead(QSize size);
QImage ProgressStep();
QImage SizeGrip();
QImage Bullet();
QImage SheetHandle();
QImage PenMark();
QImage SectionBar();

// Window frame and tabs (skinchrome.cpp).
QImage TitleLeft(Strip strip);
QImage TitleCentre(Strip strip);
QImage TitleRight(Strip strip);
QImage WindowButton(WindowGlyph glyph, WindowButtonLook look);
QImage FrameSide(Side side);
QImage FrameBottom();
QImage FrameCorner(Side side);
QImage DialogCorner(Side side);
QImage Tab(bool front, bool hover);

// Icons, logo and the instruction card (skinpictures.cpp).
QImage WindowIcon();
QImage PencilIcon(QSize size);
QImage HandPointer();
QImage InfoMark();
QImage Logo();
QImage Instruction();

} // namespace kw::skin
