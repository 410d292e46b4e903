#pragma once

#include <QtGlobal>

class QFont;
class QString;
class QTextLayout;

namespace kw {

// Lays `text` out in `layout` in `font`, in lines `width` wide placed one under
// the other from the top left. Lines break at word boundaries and, where one
// word is wider than a line, inside the word, so nothing is cut off. Returns
// the height of all the lines.
qreal wrapText(QTextLayout &layout, const QString &text, const QFont &font, int width);

} // namespace kw
