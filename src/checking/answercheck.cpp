#include "checking/answercheck.h"

#include "data/runtimeerror.h"

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

Verdict checkNumber(const QString &entered, const QString &key, const QLocale &locale)
{
    const QString answer = trimSpaces(entered);
    bool ok = false;
    double value = locale.toDouble(answer, &ok);
    if (!ok) // a pupil in a comma locale may still type the decimal point
        value = QLocale::c().toDouble(answer, &ok);
    if (!ok)
        return Verdict::Wrong;
    bool keyOk = false;
    const double expected = QLocale::c().toDouble(trimSpaces(key), &keyOk);
    if (!keyOk)
        throw RuntimeError(ErrorKind::TypeMismatch, QStringLiteral("number key \"%1\" is not a number").arg(key));
    return value == expected ? Verdict::Right : Verdict::Wrong;
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

Verdict checkAnswer(const QString &entered, const QString &key, SlotType type, const QLocale &locale)
{
    switch (type) {
    case SlotType::Number:
        return checkNumber(entered, key, locale);
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
