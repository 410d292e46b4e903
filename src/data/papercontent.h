#pragma once

#include "data/recordfile.h"
#include "data/slottype.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kw {

// What the content tables say about one paper. Slot lists run through the
// paper's questions in order and through each question's fields in order.
struct PaperContent {
    QStringList questionIds;
    QList<int> slotCounts; // per question
    QStringList keys;      // per slot
    QList<SlotType> types; // per slot
    QList<int> marks;      // per slot
    QStringList units;     // per slot: the unit symbol of a number slot, or empty
    int totalMarks = 0;

    int questionCount() const { return int(questionIds.size()); }
    int slotCount() const { return int(keys.size()); }
    // 1-based slot number of the first slot of question n (1-based).
    int firstSlotOf(int question) const;
    // 1-based question that holds slot (1-based).
    int questionOfSlot(int slot) const;
};

// 1-based question that holds slot (1-based), given each question's slot
// count; 0 when the slots run out first.
int questionOfSlot(const QList<int> &slotCounts, int slot);

// The content tables of one subject, carried as resources, each parsed
// once, for reading several of its papers.
class SubjectContent {
public:
    explicit SubjectContent(int subject);

    // Paper number `paperNumber` (a course without a units table has no
    // units). Throws RuntimeError when a table is missing or damaged (a slot
    // type letter no rule knows among the damage), or when the tables
    // disagree.
    PaperContent paper(int paperNumber) const;

private:
    int m_subject;
    RecordFile m_papers;
    RecordFile m_keys;
    RecordFile m_types;
    RecordFile m_marks;
    std::optional<RecordFile> m_units;
};

// One paper of a subject, read as SubjectContent reads it.
PaperContent loadPaperContent(int subject, int paperNumber);

} // namespace kw
