#pragma once

// Colours shared by the windows and the skin pictures drawn for them, so that
// what a window paints around a picture matches the picture itself.

#include <QColor>
#include <QRgb>

namespace kw {

// The light grey-green of the program's panels and bands: tool bar, bottom
// band, the answer sheet's handle strip.
inline constexpr QRgb kPanelRgb = qRgb(244, 245, 235);
inline constexpr QColor kPanelColour(qRed(kPanelRgb), qGreen(kPanelRgb), qBlue(kPanelRgb));

} // namespace kw
