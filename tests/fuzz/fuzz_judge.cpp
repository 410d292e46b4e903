// Judging one paper from arbitrary slots and answers. The input is read like
// the judge lines of `kwcourse judge`, one slot a line:
//
//   TYPE<TAB>KEY<TAB>ANSWER[<TAB>MARKS]
//
// and a line "@name" judges in the locale of that name. A letter no rule
// knows stands for one of the types all the same, so every line is a slot.
// Judging may refuse a malformed key with RuntimeError; nothing may crash,
// hang or throw anything else. Marking a paper agrees with judging its slots
// one by one, its score is the marks of the slots judged right, and a key the
// course check accepts is judged right when it is itself the answer.

#include "fuzzcheck.h"

#include "checking/answercheck.h"
#include "checking/marking.h"
#include "checking/slotjudging.h"
#include "compiler/coursecheck.h"
#include "data/percent.h"
#include "data/recordfile.h"
#include "data/runtimeerror.h"

#include <algorithm>
#include <array>
#include <optional>

using namespace kw;
using kwfuzz::require;

namespace {

constexpr int kMostSlots = 200;

constexpr std::array<SlotType, 9> kAllTypes{SlotType::Number, SlotType::Choice, SlotType::Word,
                                            SlotType::Phrase, SlotType::Ratio, SlotType::Fraction,
                                            SlotType::MixedNumber, SlotType::Alternatives, SlotType::Group};

const char *verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right: return "right";
    case Verdict::Wrong: return "wrong";
    case Verdict::Unmarked: return "unmarked";
    }
    return "?";
}

SlotType typeFrom(const QString &text)
{
    if (text.isEmpty())
        return SlotType::Word;
    if (const std::optional<SlotType> known = slotTypeFromLetter(text.at(0)))
        return *known;
    return kAllTypes[text.at(0).unicode() % kAllTypes.size()];
}

struct Paper {
    PaperContent content;
    QStringList answers;
    QLocale locale = QLocale::c();
};

Paper paperFrom(const QByteArray &bytes)
{
    Paper paper;
    for (const QString &line : RecordFile::splitLines(QString::fromUtf8(bytes))) {
        if (line.startsWith(QLatin1Char('@'))) {
            paper.locale = QLocale(line.mid(1));
            continue;
        }
        if (paper.content.keys.size() >= kMostSlots)
            break;
        const QStringList parts = line.split(QLatin1Char('\t'));
        const int marks = std::clamp(parts.value(3, QStringLiteral("1")).toInt(), 1, 99);
        paper.content.types.append(typeFrom(parts.value(0)));
        paper.content.keys.append(parts.value(1));
        paper.answers.append(parts.value(2));
        paper.content.marks.append(marks);
        paper.content.totalMarks += marks;
    }
    paper.content.questionIds = {QStringLiteral("10001")};
    paper.content.slotCounts = {paper.content.slotCount()};
    return paper;
}

// The verdict of one slot judged alone, or nothing when the key is refused.
std::optional<Verdict> judgeAlone(const Paper &paper, int slot)
{
    const SlotType type = paper.content.types.at(slot - 1);
    try {
        if (isGroupType(type))
            return checkGroupAnswer(paper.answers, paper.content.keys, slot);
        return checkAnswer(paper.answers.at(slot - 1), paper.content.keys.at(slot - 1), type, paper.locale);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

void checkEveryType(const QString &answer, const QString &key, const QLocale &locale)
{
    for (SlotType type : kAllTypes) {
        try {
            const Verdict verdict = checkAnswer(answer, key, type, locale);
            require(!isGroupType(type) || verdict == Verdict::Unmarked,
                    "checkAnswer leaves the group types unmarked");
        } catch (const RuntimeError &) {
        }
    }
}

// A key the course check accepts answers itself (read as the course writes
// numbers, since a locale may take '.' for a group separator), and each alternative of an accepted alternatives key
// answers the slot that holds the key.
void checkAcceptedKey(const Paper &paper, int slot)
{
    const SlotType type = paper.content.types.at(slot - 1);
    const QString &key = paper.content.keys.at(slot - 1);
    const QString letter = slotTypeLetter(type);
    if (!keyFormProblem(letter, key).isEmpty())
        return;
    const QString where = letter + QLatin1Char(' ') + key;
    if (!isGroupType(type)) {
        try {
            require(checkAnswer(key, key, type, QLocale::c()) == Verdict::Right,
                    "an accepted key is judged right as its own answer", where);
        } catch (const RuntimeError &error) {
            kwfuzz::fail("an accepted key can be judged", where + QStringLiteral(": ") + error.detail());
        }
        return;
    }
    QStringList answers = paper.answers;
    for (const QString &alternative : alternativesOf(key)) {
        answers[slot - 1] = alternative;
        require(checkGroupAnswer(answers, paper.content.keys, slot) == Verdict::Right,
                "each alternative of an accepted key is judged right", where + QStringLiteral(" <- ") + alternative);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Paper paper = paperFrom(kwfuzz::bytesOf(data, size));
    const int slotTotal = paper.content.slotCount();
    if (slotTotal == 0) // no paper has no slots
        return 0;

    std::optional<PaperMarking> marking;
    try {
        marking = markPaper(paper.answers, paper.content, paper.locale);
    } catch (const RuntimeError &) {
    }

    bool anyRefused = false;
    int score = 0;
    for (int slot = 1; slot <= slotTotal; ++slot) {
        const std::optional<Verdict> alone = judgeAlone(paper, slot);
        anyRefused = anyRefused || !alone;
        if (marking && alone) {
            const Verdict marked = marking->results.at(slot - 1);
            require(marked == *alone, "marking judges a slot as judging it alone does",
                    QStringLiteral("slot %1: marked %2, alone %3")
                        .arg(slot)
                        .arg(QLatin1String(verdictName(marked)), QLatin1String(verdictName(*alone))));
            if (marked == Verdict::Right)
                score += paper.content.marks.at(slot - 1);
        }
        if (isGroupType(paper.content.types.at(slot - 1))) {
            try {
                groupModelAnswer(paper.answers, paper.content.keys, slot);
            } catch (const RuntimeError &) {
            }
        }
        checkEveryType(paper.answers.at(slot - 1), paper.content.keys.at(slot - 1), paper.locale);
        checkAcceptedKey(paper, slot);
    }

    require(marking.has_value() != anyRefused, "marking refuses a paper exactly when one of its slots is refused");
    if (marking) {
        require(marking->results.size() == slotTotal, "marking judges every slot");
        require(marking->score == score, "the score is the marks of the slots judged right",
                QStringLiteral("%1 against %2").arg(marking->score).arg(score));
        require(marking->percent == percentText(score, paper.content.totalMarks),
                "the percentage is the score of the total marks", marking->percent);
    }
    return 0;
}
