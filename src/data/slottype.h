#pragma once

// The kind of answer a slot takes, stored in the content tables as one letter.

#include <QChar>

#include <optional>

namespace kw {

enum class SlotType {
    Number,       // N: a number, read in the pupil's locale
    Choice,       // Q: an option number
    Word,         // T: a word, any case
    Phrase,       // L: a phrase, any case, inner spaces exact
    Ratio,        // R: such as 5:3, spaces ignored
    Fraction,     // F: such as 9/28, spaces ignored
    MixedNumber,  // X: such as 1 3/5, the space after the whole part kept
    Alternatives, // M: one slot, any of a list of alternatives
    Group,        // G: slots answered in any order from one list of alternatives
};

inline std::optional<SlotType> slotTypeFromLetter(QChar letter)
{
    switch (letter.unicode()) {
    case u'N': return SlotType::Number;
    case u'Q': return SlotType::Choice;
    case u'T': return SlotType::Word;
    case u'L': return SlotType::Phrase;
    case u'R': return SlotType::Ratio;
    case u'F': return SlotType::Fraction;
    case u'X': return SlotType::MixedNumber;
    case u'M': return SlotType::Alternatives;
    case u'G': return SlotType::Group;
    default: return std::nullopt;
    }
}

inline QChar slotTypeLetter(SlotType type)
{
    switch (type) {
    case SlotType::Number: return u'N';
    case SlotType::Choice: return u'Q';
    case SlotType::Word: return u'T';
    case SlotType::Phrase: return u'L';
    case SlotType::Ratio: return u'R';
    case SlotType::Fraction: return u'F';
    case SlotType::MixedNumber: return u'X';
    case SlotType::Alternatives: return u'M';
    case SlotType::Group: return u'G';
    }
    return u'?';
}

} // namespace kw
