#pragma once

// The judgement of one answer slot, stored in the results files as "Y", "N"
// or nothing.

#include <QString>

#include <optional>

namespace kw {

enum class Verdict {
    Unmarked, // "": not judged, or a slot no rule judges
    Right,    // "Y"
    Wrong,    // "N"
};

inline QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right: return QStringLiteral("Y");
    case Verdict::Wrong: return QStringLiteral("N");
    case Verdict::Unmarked: break;
    }
    return {};
}

inline std::optional<Verdict> verdictFromText(const QString &text)
{
    if (text.isEmpty())
        return Verdict::Unmarked;
    if (text == QLatin1String("Y"))
        return Verdict::Right;
    if (text == QLatin1String("N"))
        return Verdict::Wrong;
    return std::nullopt;
}

} // namespace kw
