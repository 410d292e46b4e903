#include "data/papercontent.h"

#include "data/catalogue.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "data/taggedrecords.h"
#include "data/temporarycopy.h"

#include <limits>

namespace kw {

namespace {

// Extracts one content table to the scratch file and hands its path to read.
template <typename Read>
void withTable(const QString &scratch, int subject, int table, Read read)
{
    const int id = ContentTableResource(subject, table);
    const int error = ExtractResourceToFile(id, QStringLiteral("Custom"), scratch);
    if (error != 0)
        throw RuntimeError(error == ErrorNumber(ErrorKind::ResourceNotFound) ? ErrorKind::ResourceNotFound
                                                                           : ErrorKind::FileAccess,
                           QStringLiteral("content table %1 cannot be read (error %2)").arg(id).arg(error));
    TemporaryCopy copy(scratch);
    read(scratch);
}

} // namespace

int PaperContent::firstSlotOf(int question) const
{
    int first = 1;
    for (int n = 1; n < question && n <= slotCounts.size(); ++n)
        first += slotCounts.at(n - 1);
    return first;
}

int QuestionOfSlot(const QList<int> &slotCounts, int slot)
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
    return QuestionOfSlot(slotCounts, slot);
}

PaperContent LoadPaperContent(const QString &appFolder, int subject, int paper)
{
    const QString scratch = appFolder + QStringLiteral("/temptext.txt");
    PaperContent content;
    withTable(scratch, subject, 2, [&](const QString &path) {
        content.questionIds = GetAllRecordFields(path, QString::number(paper));
    });
    withTable(scratch, subject, 3, [&](const QString &path) {
        content.keys = GetFieldsForKeys(path, content.questionIds);
        content.slotCounts = CountFieldsForKeys(path, content.questionIds);
    });
    withTable(scratch, subject, 4, [&](const QString &path) {
        content.types = GetFieldsForKeys(path, content.questionIds);
    });
    withTable(scratch, subject, 5, [&](const QString &path) {
        content.marks = GetFieldsForKeys(path, content.questionIds);
    });

    // Every later step indexes these lists by slot, so they must agree.
    if (content.types.size() != content.keys.size() || content.marks.size() != content.keys.size())
        throw RuntimeError(ErrorKind::InvalidArgument,
                           QStringLiteral("paper %1 of subject %2 has %3 keys, %4 types and %5 marks")
                               .arg(paper)
                               .arg(subject)
                               .arg(content.keys.size())
                               .arg(content.types.size())
                               .arg(content.marks.size()));
    int total = 0;
    for (const QString &mark : std::as_const(content.marks)) {
        total += ToCount16(mark);
        if (total > std::numeric_limits<qint16>::max())
            throw RuntimeError(ErrorKind::Overflow, QStringLiteral("paper %1 has too many marks").arg(paper));
    }
    content.totalMarks = total;
    return content;
}

} // namespace kw
