#include "data/papercontent.h"

#include "data/catalogue.h"
#include "data/recordfile.h"
#include "data/resources.h"
#include "data/runtimeerror.h"

#include <QFile>

#include <limits>

namespace kw {

namespace {

QList<SlotType> slotTypes(const QStringList &letters, int paperNumber)
{
    QList<SlotType> types;
    types.reserve(letters.size());
    for (const QString &letter : letters) {
        const std::optional<SlotType> type =
            letter.size() == 1 ? slotTypeFromLetter(letter.at(0)) : std::nullopt;
        if (!type)
            throw RuntimeError(ErrorKind::InvalidArgument,
                               QStringLiteral("paper %1 has a slot of unknown type \"%2\"").arg(paperNumber).arg(letter));
        types.append(*type);
    }
    return types;
}

} // namespace

int PaperContent::firstSlotOf(int question) const
{
    int first = 1;
    for (int n = 1; n < question && n <= slotCounts.size(); ++n)
        first += slotCounts.at(n - 1);
    return first;
}

int questionOfSlot(const QList<int> &slotCounts, int slot)
{
    int reached = 0;
    for (int n = 1; n <= slotCounts.size(); ++n) {
        reached += slotCounts.at(n - 1);
        if (reached >= slot)
            return n;
    }
    return 0;
}

int PaperContent::questionOfSlot(int slot) const
{
    return kw::questionOfSlot(slotCounts, slot);
}

namespace {

RecordFile contentTable(int subject, int number)
{
    return RecordFile::fromResource(contentTableResource(subject, number));
}

} // namespace

SubjectContent::SubjectContent(int subject)
    : m_subject(subject), m_papers(contentTable(subject, 2)), m_keys(contentTable(subject, 3)),
      m_types(contentTable(subject, 4)), m_marks(contentTable(subject, 5))
{
    if (QFile::exists(resourcePath(contentTableResource(subject, 6), QStringLiteral("Custom"))))
        m_units = contentTable(subject, 6);
}

PaperContent loadPaperContent(int subject, int paperNumber)
{
    return SubjectContent(subject).paper(paperNumber);
}

PaperContent SubjectContent::paper(int paperNumber) const
{
    const int subject = m_subject;
    PaperContent content;
    content.questionIds = m_papers.allFields(QString::number(paperNumber));
    content.keys = m_keys.fieldsForKeys(content.questionIds);
    content.slotCounts = m_keys.fieldCountsForKeys(content.questionIds);
    const QStringList typeLetters = m_types.fieldsForKeys(content.questionIds);
    const QStringList marks = m_marks.fieldsForKeys(content.questionIds);
    content.units = m_units ? m_units->fieldsForKeys(content.questionIds) : QStringList(content.keys.size());

    // Every later step indexes these lists by slot, so they must agree.
    if (typeLetters.size() != content.keys.size() || marks.size() != content.keys.size()
        || content.units.size() != content.keys.size())
        throw RuntimeError(ErrorKind::InvalidArgument,
                           QStringLiteral("paper %1 of subject %2 has %3 keys, %4 types, %5 marks and %6 units")
                               .arg(paperNumber)
                               .arg(subject)
                               .arg(content.keys.size())
                               .arg(typeLetters.size())
                               .arg(marks.size())
                               .arg(content.units.size()));
    content.types = slotTypes(typeLetters, paperNumber);
    int total = 0;
    content.marks.reserve(marks.size());
    for (const QString &text : marks) {
        const int mark = toCount16(text);
        content.marks.append(mark);
        total += mark;
        if (total > std::numeric_limits<qint16>::max())
            throw RuntimeError(ErrorKind::Overflow, QStringLiteral("paper %1 has too many marks").arg(paperNumber));
    }
    content.totalMarks = total;
    return content;
}

} // namespace kw
