#include "practice/papersession.h"

#include "data/runtimeerror.h"
#include "data/taggedrecords.h"

namespace kw {

namespace {

// Every paper record of a per-paper file. A missing record would be written
// back empty by the next save, so it stops the paper from opening instead.
QStringList readPaperLines(const QString &path, int paperCount)
{
    const QStringList lines = GetPaperLines(path, paperCount);
    for (int b = 1; b <= paperCount; ++b) {
        if (lines.at(b - 1).isEmpty())
            throw RuntimeError(ErrorKind::FileNotFound,
                               QStringLiteral("%1 has no record for paper %2").arg(path).arg(100 + b));
    }
    return lines;
}

QStringList slotValues(const QStringList &lines, int index, int slotTotal)
{
    return SplitRecordFields(lines.at(index - 1), slotTotal, kPaperFieldCapacity).mid(0, slotTotal);
}

} // namespace

PaperSession::PaperSession(const PaperAddress &address, const Attempt &attempt)
    : m_address(address), m_attempt(attempt)
{
    if (address.index() < 1 || address.index() > address.paperCount)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no paper %1").arg(address.paperNumber));
    m_content = LoadPaperContent(address.folder, address.subject, address.paperNumber);
    if (m_content.slotCount() == 0 || m_content.totalMarks <= 0)
        throw RuntimeError(ErrorKind::InvalidArgument,
                           QStringLiteral("paper %1 has no answer slotTotal").arg(address.paperNumber));
    if (m_content.slotCount() > kPaperFieldCapacity)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("paper %1 has more than %2 answer slotTotal").arg(address.paperNumber).arg(kPaperFieldCapacity));
    const int slotTotal = m_content.slotCount();
    const auto path = [&](ProgressFile file) {
        return ProgressFilePath(address.folder, file, address.subject, address.code);
    };
    m_answerLines = readPaperLines(path(attempt.answersFile), address.paperCount);
    answers = slotValues(m_answerLines, address.index(), slotTotal);
    m_resultLines = readPaperLines(path(attempt.resultsFile), address.paperCount);
    results = slotValues(m_resultLines, address.index(), slotTotal);
    m_summary = ReadSubjectProgress(address.folder, address.subject, address.code, address.paperCount);
}

QString PaperSession::status() const
{
    return m_summary.records[std::size_t(m_attempt.stateRecord)].value(m_address.index() - 1);
}

QString PaperSession::storedPercent() const
{
    return m_summary.records[std::size_t(m_attempt.scoreRecord)].value(m_address.index() - 1);
}

QString PaperSession::storedTime() const
{
    return m_summary.times().value(m_address.index() - 1);
}

QString PaperSession::storedDate() const
{
    return m_summary.dates().value(m_address.index() - 1);
}

void PaperSession::saveAnswers()
{
    ReplaceLineAndSave(m_answerLines, answers, QString::number(m_address.index()), QString::number(m_address.paperNumber),
                       m_address.paperCount, int(answers.size()),
                       ProgressFilePath(m_address.folder, m_attempt.answersFile, m_address.subject, m_address.code));
}

int PaperSession::firstEmptySlot() const
{
    for (int i = 0; i < answers.size(); ++i) {
        if (answers.at(i).isEmpty())
            return i + 1;
    }
    return 0;
}

int PaperSession::answeredCount() const
{
    return int(std::count_if(answers.cbegin(), answers.cend(), [](const QString &a) { return !a.isEmpty(); }));
}

QList<int> PaperSession::remainingQuestions() const
{
    QList<int> questions;
    for (int slot = 1; slot <= answers.size(); ++slot) {
        if (!answers.at(slot - 1).trimmed().isEmpty())
            continue;
        const int question = m_content.questionOfSlot(slot);
        if (question > 0 && (questions.isEmpty() || questions.constLast() != question))
            questions.append(question);
    }
    return questions;
}

PaperMarking PaperSession::mark(qint64 secondsTaken, const QString &date, const QLocale &locale)
{
    const PaperMarking marking = MarkPaper(answers, m_content.keys, m_content.types, m_content.marks,
                                           m_content.totalMarks, locale);
    const QString folder = m_address.folder;
    ReplaceLineAndSave(m_resultLines, marking.results, QString::number(m_address.index()),
                       QString::number(m_address.paperNumber), m_address.paperCount, int(marking.results.size()),
                       ProgressFilePath(folder, m_attempt.resultsFile, m_address.subject, m_address.code));
    m_summary = RecordFirstMarking(folder, m_address.subject, m_address.code, m_address.paperCount, m_address.index(),
                                   marking.percent, TimeTakenText(secondsTaken), date);
    results = marking.results;
    return marking;
}

} // namespace kw
