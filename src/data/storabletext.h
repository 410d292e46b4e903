#pragma once

#include <QString>

namespace kw {

// True when text can be stored as one field of a record without changing the
// record: no '>' or '#' (the separators), and no control character of any
// kind (C0 including tab and line breaks, DEL, C1, and the Unicode line and
// paragraph separators), since any of those would end, shift or hide a field.
bool isStorableText(const QString &text);

} // namespace kw
