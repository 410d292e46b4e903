#include "checking/answercheck.h"

#include "data/runtimeerror.h"

#include <QRegularExpression>

#include <algorithm>

namespace kw {

namespace {

const QString kFollowerKey = QStringLiteral(" ");
constexpr int kFollowerReach = 20; // a group is a head and at most 20 followers

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

const QString &entry(const QStringList &list, int slot, const char *what)
{
    if (slot < 1 || slot > list.size())
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("slot %1 has no %2").arg(slot).arg(QLatin1String(what)));
    return list.at(slot - 1);
}

bool isFollower(const QStringList &keys, int slot)
{
    return entry(keys, slot, "key") == kFollowerKey;
}

// The head of the group that follower `slot` belongs to: the nearest earlier
// slot whose key is not a single space, looking at most 20 slots back.
int headOf(const QStringList &keys, int slot)
{
    int head = slot - 1;
    for (; head >= slot - kFollowerReach; --head) {
        if (!isFollower(keys, head))
            return head;
    }
    entry(keys, head, "group head"); // 21 slots back: throws when there is none
    return head;
}

bool sameAnswer(const QString &a, const QString &b)
{
    return normaliseAnswer(a) == normaliseAnswer(b);
}

// Empties every alternative that one of slots first..last answered.
void removeGiven(QStringList &alternatives, const QStringList &answers, int first, int last)
{
    for (int u = first; u <= last; ++u) {
        const QString &given = entry(answers, u, "answer");
        for (QString &alternative : alternatives) {
            if (sameAnswer(given, alternative))
                alternative.clear();
        }
    }
}

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F);
}

QString trimAllSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text.at(begin)))
        ++begin;
    while (end > begin && isSpace(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// The number the pupil meant, with the unit's spelling taken off either end.
// A sign may stand before the unit ("-£5") as well as after it.
std::optional<double> readNumberWithUnit(const QString &answer, const Unit &unit, const QLocale &locale)
{
    QString sign;
    QString rest = answer;
    if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) {
        sign = rest.left(1);
        rest = trimAllSpaces(rest.mid(1));
    }
    for (const QString &spelling : unit.spellings) {
        QString number;
        if (rest.startsWith(spelling, Qt::CaseInsensitive))
            number = rest.mid(spelling.size());
        else if (rest.endsWith(spelling, Qt::CaseInsensitive))
            number = rest.chopped(spelling.size());
        else
            continue;
        number = trimAllSpaces(number);
        if (number.isEmpty() || (!sign.isEmpty() && !number.at(0).isDigit()))
            continue;
        if (const std::optional<double> value = readNumberAnswer(sign + number, locale))
            return value;
    }
    return std::nullopt;
}

Verdict checkNumber(const QString &entered, const QString &key, const QString &unitSymbol, const QLocale &locale)
{
    bool keyOk = false;
    const double expected = QLocale::c().toDouble(trimSpaces(key), &keyOk);
    if (!keyOk)
        throw RuntimeError(ErrorKind::TypeMismatch, QStringLiteral("number key \"%1\" is not a number").arg(key));
    const QString answer = trimAllSpaces(entered);
    std::optional<double> value = readNumberAnswer(answer, locale);
    if (!value && !unitSymbol.isEmpty()) {
        if (const Unit *unit = unitOf(unitSymbol))
            value = readNumberWithUnit(answer, *unit, locale);
    }
    return value && *value == expected ? Verdict::Right : Verdict::Wrong;
}

// Ratios, fractions and mixed numbers: spaces are dropped, except the one
// character standing where the key has its first space (the space between a
// mixed number's whole part and its fraction).
Verdict checkSpacedForm(const QString &entered, const QString &key)
{
    const qsizetype keptPosition = key.indexOf(QLatin1Char(' '));
    const QString answer = trimSpaces(entered);
    QString candidate;
    candidate.reserve(answer.size());
    for (qsizetype i = 0; i < answer.size(); ++i) {
        if (i == keptPosition || answer.at(i) != QLatin1Char(' '))
            candidate += answer.at(i);
    }
    return candidate == trimSpaces(key) ? Verdict::Right : Verdict::Wrong;
}

} // namespace

const QList<Unit> &unitSpellings()
{
    auto unit = [](const char *symbol, const char *name, bool before, std::initializer_list<const char *> spellings) {
        Unit u{QString::fromUtf8(symbol), QString::fromUtf8(name), before, {QString::fromUtf8(symbol)}};
        for (const char *spelling : spellings)
            u.spellings.append(QString::fromUtf8(spelling));
        return u;
    };
    static const QList<Unit> units{
        unit("£", "pounds", true, {"pounds", "pound"}),
        unit("p", "pence", false, {"pence", "penny"}),
        unit("%", "per cent", false, {"per cent", "percent"}),
        unit("°", "degrees", false, {"º", "degrees", "degree", "deg"}),
        unit("°C", "degrees Celsius", false, {"ºC", "° C", "degrees Celsius", "degrees C", "Celsius", "C", "°", "degrees"}),
        unit("mm", "millimetres", false, {"millimetres", "millimetre", "millimeters", "millimeter"}),
        unit("cm", "centimetres", false, {"centimetres", "centimetre", "centimeters", "centimeter", "cms"}),
        unit("m", "metres", false, {"metres", "metre", "meters", "meter"}),
        unit("km", "kilometres", false, {"kilometres", "kilometre", "kilometers", "kilometer"}),
        unit("mm²", "square millimetres", false, {"mm2", "mm^2", "sq mm", "square mm", "square millimetres", "square millimeters"}),
        unit("cm²", "square centimetres", false, {"cm2", "cm^2", "sq cm", "square cm", "square centimetres", "square centimeters"}),
        unit("m²", "square metres", false, {"m2", "m^2", "sq m", "square m", "square metres", "square meters"}),
        unit("km²", "square kilometres", false, {"km2", "km^2", "sq km", "square km", "square kilometres", "square kilometers"}),
        unit("cm³", "cubic centimetres", false, {"cm3", "cm^3", "cubic cm", "cubic centimetres", "cubic centimeters"}),
        unit("m³", "cubic metres", false, {"m3", "m^3", "cubic m", "cubic metres", "cubic meters"}),
        unit("ml", "millilitres", false, {"millilitres", "millilitre", "milliliters", "milliliter"}),
        unit("litres", "litres", false, {"litre", "liters", "liter", "l"}),
        unit("g", "grams", false, {"grams", "gram", "grammes"}),
        unit("kg", "kilograms", false, {"kilograms", "kilogram", "kilos", "kilo"}),
        unit("N", "newtons", false, {"newtons", "newton"}),
        unit("seconds", "seconds", false, {"second", "secs", "sec", "s"}),
        unit("minutes", "minutes", false, {"minute", "mins", "min"}),
        unit("hours", "hours", false, {"hour", "hrs", "hr", "h"}),
        unit("days", "days", false, {"day"}),
        unit("weeks", "weeks", false, {"week"}),
        unit("years", "years", false, {"year", "yrs"}),
        unit("km/h", "kilometres per hour", false, {"km per hour", "kilometres per hour", "kilometers per hour", "kmh", "kph"}),
        unit("m/s", "metres per second", false, {"metres per second", "meters per second"}),
    };
    return units;
}

const Unit *unitOf(const QString &symbol)
{
    for (const Unit &unit : unitSpellings()) {
        if (unit.symbol == symbol)
            return &unit;
    }
    return nullptr;
}

std::optional<double> readNumberAnswer(const QString &text, const QLocale &locale)
{
    const QString answer = trimAllSpaces(text);
    if (std::any_of(answer.begin(), answer.end(), isSpace)) {
        // Only whole groups of three: "1 2" is two numbers, not twelve.
        static const QRegularExpression spaced(
            QStringLiteral("^([-+]?)([1-9]\\d{0,2}(?:[ \\x{00A0}\\x{202F}]\\d{3})+)(?:([.,])(\\d+))?$"));
        const QRegularExpressionMatch m = spaced.match(answer);
        if (!m.hasMatch())
            return std::nullopt;
        const QString separator = m.captured(3);
        if (!separator.isEmpty() && separator != locale.decimalPoint() && separator != QLatin1String("."))
            return std::nullopt;
        QString plain = m.captured(1) + m.captured(2);
        plain.removeIf(isSpace);
        if (!separator.isEmpty())
            plain += QLatin1Char('.') + m.captured(4);
        bool ok = false;
        const double value = QLocale::c().toDouble(plain, &ok);
        return ok ? std::optional<double>(value) : std::nullopt;
    }
    bool ok = false;
    double value = locale.toDouble(answer, &ok);
    if (!ok) // a pupil in a comma locale may still type the decimal point
        value = QLocale::c().toDouble(answer, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString normaliseAnswer(const QString &text)
{
    return trimSpaces(text).toLower();
}

QStringList alternativesOf(const QString &key)
{
    const int count = int(key.count(QLatin1Char(';')));
    if (count == 0)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("alternatives key \"%1\" has no ';'").arg(key));
    QStringList alternatives;
    alternatives.reserve(count);
    qsizetype p = 0;
    for (int i = 1; i < count; ++i) {
        const qsizetype q = key.indexOf(QLatin1Char(';'), p + 1);
        alternatives.append(key.mid(p + 1, q - p - 1));
        p = q;
    }
    alternatives.append(key.mid(p + 1));
    return alternatives;
}

Verdict checkAnswer(const QString &entered, const QString &key, SlotType type, const QLocale &locale,
                    const QString &unit)
{
    switch (type) {
    case SlotType::Number:
        return checkNumber(entered, key, unit, locale);
    case SlotType::Choice:
    case SlotType::Word:
    case SlotType::Phrase:
        return sameAnswer(entered, key) ? Verdict::Right : Verdict::Wrong;
    case SlotType::Ratio:
    case SlotType::Fraction:
    case SlotType::MixedNumber:
        return checkSpacedForm(entered, key);
    case SlotType::Alternatives:
    case SlotType::Group:
        break;
    }
    return Verdict::Unmarked;
}

Verdict checkGroupAnswer(const QStringList &answers, const QStringList &keys, int slot)
{
    const QString &answer = entry(answers, slot, "answer");
    if (!isFollower(keys, slot)) {
        const QStringList alternatives = alternativesOf(entry(keys, slot, "key"));
        for (const QString &alternative : alternatives) {
            if (sameAnswer(answer, alternative))
                return Verdict::Right;
        }
        return Verdict::Wrong;
    }

    const int head = headOf(keys, slot);
    QStringList alternatives = alternativesOf(entry(keys, head, "key"));
    removeGiven(alternatives, answers, head, slot - 1);
    // An answer of spaces only is no answer, even against an emptied entry.
    if (normaliseAnswer(answer).isEmpty())
        return Verdict::Wrong;
    for (const QString &alternative : std::as_const(alternatives)) {
        if (sameAnswer(answer, alternative))
            return Verdict::Right;
    }
    return Verdict::Wrong;
}

QString groupModelAnswer(const QStringList &answers, const QStringList &keys, int slot)
{
    const bool follower = isFollower(keys, slot);
    const int head = follower ? headOf(keys, slot) : slot;
    const int position = slot - head + 1; // the head is position 1

    int size = 1;
    for (int u = head + 1; u <= head + kFollowerReach && u <= keys.size() && isFollower(keys, u); ++u)
        ++size;

    QStringList alternatives = alternativesOf(entry(keys, head, "key"));

    int givenBefore = 0;
    if (follower) {
        for (int u = head; u < slot; ++u) {
            for (const QString &alternative : std::as_const(alternatives)) {
                if (sameAnswer(entry(answers, u, "answer"), alternative))
                    ++givenBefore;
            }
        }
    }

    removeGiven(alternatives, answers, head, head + size - 1);

    if (follower) {
        // The slot's rank among the group's slots that gave no alternative so far.
        int rank = position - givenBefore;
        for (const QString &alternative : std::as_const(alternatives)) {
            if (alternative.isEmpty())
                continue;
            if (--rank == 0)
                return alternative;
        }
        return {};
    }

    const QString &headAnswer = entry(answers, head, "answer");
    QString model;
    for (const QString &alternative : std::as_const(alternatives)) {
        if (sameAnswer(headAnswer, alternative))
            return {};
        if (!alternative.isEmpty() && model.isEmpty())
            model = alternative;
    }
    return model;
}

} // namespace kw
