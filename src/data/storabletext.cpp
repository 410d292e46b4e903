#include "data/storabletext.h"

namespace kw {

namespace {

bool isRefused(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'>' || u == u'#' || u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029;
}

} // namespace

bool isStorableText(const QString &text)
{
    for (const QChar c : text) {
        if (isRefused(c))
            return false;
    }
    return true;
}

} // namespace kw
