#include "checking/answerhints.h"

#include "checking/answercheck.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <optional>

namespace kw {

namespace {

const QString kFollowerKey = QStringLiteral(" ");

// A whole number, a fraction or a mixed number as written: "3", "9/28", "1 3/5".
struct WrittenFraction {
    qint64 whole = 0;
    qint64 numerator = 0;
    qint64 denominator = 1;
    bool hasWhole = false;
    bool hasFraction = false;

    // The value as an improper fraction.
    qint64 top() const { return whole * denominator + numerator; }
    bool sameValueAs(const WrittenFraction &other) const
    {
        // Cross-multiplied; the course's numbers are far too small to overflow.
        return top() * other.denominator == other.top() * denominator;
    }
    bool inLowestTerms() const { return !hasFraction || std::gcd(numerator, denominator) == 1; }
    bool proper() const { return !hasFraction || numerator < denominator; }
};

std::optional<WrittenFraction> readFraction(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(?:(\\d{1,6})(?:\\s+(\\d{1,6})\\s*/\\s*(\\d{1,6}))?|(\\d{1,6})\\s*/\\s*(\\d{1,6}))\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    WrittenFraction fraction;
    if (match.hasCaptured(4)) {
        fraction.numerator = match.captured(4).toLongLong();
        fraction.denominator = match.captured(5).toLongLong();
        fraction.hasFraction = true;
    } else {
        fraction.whole = match.captured(1).toLongLong();
        fraction.hasWhole = true;
        if (match.hasCaptured(2)) {
            fraction.numerator = match.captured(2).toLongLong();
            fraction.denominator = match.captured(3).toLongLong();
            fraction.hasFraction = true;
        }
    }
    if (fraction.denominator == 0)
        return std::nullopt;
    return fraction;
}

QString fractionHint(const QString &answer, const QString &key, SlotType type)
{
    const std::optional<WrittenFraction> given = readFraction(answer);
    const std::optional<WrittenFraction> wanted = readFraction(key);
    if (!given || !wanted || !given->sameValueAs(*wanted))
        return {};
    if (type == SlotType::MixedNumber && wanted->hasWhole && !given->hasWhole)
        return QStringLiteral("Equal in value: write it as a mixed number");
    if (type == SlotType::Fraction && given->hasWhole && !wanted->hasWhole)
        return QStringLiteral("Equal in value: write it as a fraction");
    if (!given->inLowestTerms() || !given->proper())
        return QStringLiteral("Equal in value, but not in its simplest form");
    return {};
}

QList<qint64> ratioParts(const QString &text)
{
    QList<qint64> parts;
    for (const QString &part : text.split(QLatin1Char(':'))) {
        bool ok = false;
        const qint64 value = part.trimmed().toLongLong(&ok);
        if (!ok)
            return {};
        parts.append(value);
    }
    return parts.size() >= 2 ? parts : QList<qint64>{};
}

QString ratioHint(const QString &answer, const QString &key)
{
    const QList<qint64> given = ratioParts(answer);
    QList<qint64> wanted = ratioParts(key);
    if (given.isEmpty() || wanted.isEmpty() || given == wanted)
        return {};
    QList<qint64> sortedGiven = given;
    std::sort(sortedGiven.begin(), sortedGiven.end());
    std::sort(wanted.begin(), wanted.end());
    return sortedGiven == wanted ? QStringLiteral("The right numbers, but in the wrong order") : QString();
}

// The answer with a unit or a sign of money, degrees or per cent taken off
// either end, and what came off; nothing when nothing did.
std::optional<std::pair<QString, QString>> withoutUnit(const QString &answer)
{
    static const QStringList marks = [] {
        QStringList all{QStringLiteral("£"), QStringLiteral("$"), QStringLiteral("€"), QStringLiteral("%"),
                        QStringLiteral("°")};
        for (const Unit &unit : unitSpellings())
            all += unit.spellings;
        // The longest spelling first, so "cm²" comes off whole rather than as "cm".
        std::sort(all.begin(), all.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
        return all;
    }();
    for (const QString &mark : marks) {
        if (answer.startsWith(mark, Qt::CaseInsensitive))
            return std::pair(answer.mid(mark.size()).trimmed(), mark);
        if (answer.endsWith(mark, Qt::CaseInsensitive))
            return std::pair(answer.chopped(mark.size()).trimmed(), mark);
    }
    return std::nullopt;
}

QString numberHint(const QString &answer, const QLocale &locale, const QString &unitSymbol)
{
    if (readNumberAnswer(answer, locale))
        return {};
    const auto bare = withoutUnit(answer);
    if (bare && readNumberAnswer(bare->first, locale)) {
        // The slot's own unit is welcome beside the number: the number itself was wrong.
        const Unit *unit = unitOf(unitSymbol);
        if (unit && unit->spellings.contains(bare->second, Qt::CaseInsensitive))
            return {};
        return QStringLiteral("Type the number only");
    }
    return QStringLiteral("That is not a number: type it in digits, like 12 or 3.5");
}

// The first slot of the group that slot belongs to, or 0 when it is in none.
int groupHead(const QStringList &keys, const QList<SlotType> &types, int slot)
{
    int head = slot;
    while (head >= 1 && keys.value(head - 1) == kFollowerKey)
        --head;
    return head >= 1 && types.value(head - 1) == SlotType::Group ? head : 0;
}

// A hint when slot repeats an answer given in an earlier slot of its group.
QString groupHint(const QStringList &answers, const QStringList &keys, const QList<SlotType> &types, int slot)
{
    const int head = groupHead(keys, types, slot);
    if (head == 0)
        return {};
    const QString mine = normaliseAnswer(answers.value(slot - 1));
    for (int other = head; other < slot; ++other) {
        if (normaliseAnswer(answers.value(other - 1)) == mine)
            return QStringLiteral("You gave this answer already in this group");
    }
    return {};
}

} // namespace

QString answerHint(const QStringList &answers, const QStringList &keys, const QList<SlotType> &types, int slot,
                   const QLocale &locale, const QString &unit)
{
    const QString answer = answers.value(slot - 1).trimmed();
    if (answer.isEmpty() || slot < 1 || slot > keys.size() || slot > types.size())
        return {};
    const QString &key = keys.at(slot - 1);
    if (key == kFollowerKey || types.at(slot - 1) == SlotType::Group)
        return groupHint(answers, keys, types, slot);
    switch (types.at(slot - 1)) {
    case SlotType::Number:
        return numberHint(answer, locale, unit);
    case SlotType::Fraction:
    case SlotType::MixedNumber:
        return fractionHint(answer, key, types.at(slot - 1));
    case SlotType::Ratio:
        return ratioHint(answer, key);
    default:
        return {};
    }
}

QString modelAnswer(const QStringList &answers, const QStringList &keys, const QList<SlotType> &types, int slot)
{
    const QString key = keys.value(slot - 1);
    switch (types.value(slot - 1, SlotType::Word)) {
    case SlotType::Group:
        return groupModelAnswer(answers, keys, slot);
    case SlotType::Alternatives: {
        const qsizetype end = key.indexOf(QLatin1Char(';'), 1);
        return end < 0 ? key.mid(1) : key.mid(1, end - 1);
    }
    default:
        return key;
    }
}

} // namespace kw
