#pragma once

#include <QString>

namespace kw {

// An action's text as a reader sees it: the mnemonic markers gone ("&Save" is
// "Save") and a doubled "&&" back to one "&".
inline QString withoutMnemonic(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
                ++i;
            else
                continue;
        }
        plain += text.at(i);
    }
    return plain;
}

} // namespace kw
