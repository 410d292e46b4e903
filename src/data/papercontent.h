#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

// What the content tables say about one paper. Slot lists run through the
// paper's questions in order and through each question's fields in order.
struct PaperContent {
    QStringList questionIds;
    QList<int> slotCounts; // per question
    QStringList keys;      // per slot
    QStringList types;     // per slot
    QStringList marks;     // per slot, whole numbers as text
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
int QuestionOfSlot(const QList<int> &slotCounts, int slot);

// Reads paper number `paper` of `subject` from the four content tables, each
// extracted to appFolder/temptext.txt and deleted after reading. Throws
// RuntimeError when a table is missing or damaged, or when the tables disagree.
PaperContent LoadPaperContent(const QString &appFolder, int subject, int paper);

} // namespace kw
