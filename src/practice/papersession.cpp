#include "practice/papersession.h"

#include "checking/answerhints.h"
#include "data/runtimeerror.h"

#include <QFileInfo>

namespace kw {

namespace {

// A per-paper file holding a record for every paper. A missing record would
// be written back empty by the next save, so it stops the paper from opening
// instead.
RecordFile readPaperFile(const QString &path, int paperCount)
{
    RecordFile file = RecordFile::fromFile(path);
    const QStringList lines = file.paperLines(paperCount);
    for (int b = 1; b <= paperCount; ++b) {
        if (lines.at(b - 1).isEmpty())
            throw RuntimeError(ErrorKind::FileNotFound,
                               QStringLiteral("%1 has no record for paper %2").arg(QFileInfo(path).fileName()).arg(100 + b));
    }
    return file;
}

QStringList slotValues(const RecordFile &file, int paperNumber, int slotTotal)
{
    return RecordFile::splitFields(file.line(QString::number(paperNumber)), slotTotal, kPaperFieldCapacity)
        .mid(0, slotTotal);
}

QList<Verdict> verdicts(const QStringList &texts, const QString &path, int paperNumber)
{
    QList<Verdict> out;
    out.reserve(texts.size());
    for (const QString &text : texts) {
        const std::optional<Verdict> verdict = verdictFromText(text);
        if (!verdict)
            throw RuntimeError(ErrorKind::InvalidArgument,
                               QStringLiteral("%1: paper %2 has a result \"%3\" that is not Y, N or empty")
                                   .arg(QFileInfo(path).fileName())
                                   .arg(paperNumber)
                                   .arg(excerpt(text)));
        out.append(*verdict);
    }
    return out;
}

QStringList verdictTexts(const QList<Verdict> &verdicts)
{
    QStringList texts;
    texts.reserve(verdicts.size());
    for (const Verdict verdict : verdicts)
        texts.append(verdictText(verdict));
    return texts;
}

// Replaces the paper's record in a copy of file and writes the copy; the
// caller's file changes only once the write succeeded.
void savePaperRecord(RecordFile &file, int paperNumber, const QStringList &fields, const QString &path,
                     const FileWriter &writer)
{
    RecordFile changed = file;
    changed.setRecord(QString::number(paperNumber), fields);
    writer.write(path, changed.toBytes());
    file = changed;
}

} // namespace

PaperSession::PaperSession(const PaperAddress &address, const Attempt &attempt, const FileWriter &writer)
    : m_address(address), m_attempt(attempt), m_writer(&writer)
{
    if (address.index() < 1 || address.index() > address.paperCount)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange, QStringLiteral("no paper %1").arg(address.paperNumber));
    m_content = loadPaperContent(address.subject, address.paperNumber);
    if (m_content.slotCount() == 0 || m_content.totalMarks <= 0)
        throw RuntimeError(ErrorKind::InvalidArgument,
                           QStringLiteral("paper %1 has no answer slots").arg(address.paperNumber));
    if (m_content.slotCount() > kPaperFieldCapacity)
        throw RuntimeError(ErrorKind::SubscriptOutOfRange,
                           QStringLiteral("paper %1 has more than %2 answer slots").arg(address.paperNumber).arg(kPaperFieldCapacity));
    const int slotTotal = m_content.slotCount();
    const QString resultsPath = progressFilePath(address.folder, attempt.resultsFile, address.subject, address.code);
    m_answerFile = readPaperFile(progressFilePath(address.folder, attempt.answersFile, address.subject, address.code),
                                 address.paperCount);
    answers = slotValues(m_answerFile, address.paperNumber, slotTotal);
    const RecordFile resultFile = readPaperFile(resultsPath, address.paperCount);
    results = verdicts(slotValues(resultFile, address.paperNumber, slotTotal), resultsPath, address.paperNumber);
    m_summary = readSubjectProgress(address.folder, address.subject, address.code, address.paperCount);

    if (attempt.carriesOver) {
        const QString firstResultsPath =
            progressFilePath(address.folder, ProgressFile::FirstResults, address.subject, address.code);
        m_firstResults = verdicts(slotValues(readPaperFile(firstResultsPath, address.paperCount), address.paperNumber,
                                             slotTotal),
                                  firstResultsPath, address.paperNumber);
        m_firstAnswers = slotValues(readPaperFile(progressFilePath(address.folder, ProgressFile::First,
                                                                   address.subject, address.code),
                                                  address.paperCount),
                                    address.paperNumber, slotTotal);
        for (int i = 0; i < slotTotal; ++i) {
            if (m_firstResults.at(i) == Verdict::Right) {
                answers[i] = m_firstAnswers.at(i);
                results[i] = Verdict::Right;
            }
        }
    }
}

bool PaperSession::carriedOver(int slot) const
{
    return m_attempt.carriesOver && m_firstResults.value(slot - 1) == Verdict::Right;
}

QString PaperSession::hint(int slot, const QLocale &locale) const
{
    if (!m_attempt.carriesOver || marked() || m_firstResults.value(slot - 1) != Verdict::Wrong)
        return {};
    return answerHint(m_firstAnswers, m_content.keys, m_content.types, slot, locale, m_content.units.value(slot - 1));
}

QString PaperSession::modelAnswer(int slot) const
{
    return kw::modelAnswer(answers, m_content.keys, m_content.types, slot);
}

bool PaperSession::marked() const
{
    return m_summary.isMarked(m_attempt.state, m_address.index() - 1);
}

QString PaperSession::storedPercent() const
{
    return m_summary.texts(m_attempt.score).value(m_address.index() - 1);
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
    savePaperRecord(m_answerFile, m_address.paperNumber, answers,
                    progressFilePath(m_address.folder, m_attempt.answersFile, m_address.subject, m_address.code),
                    *m_writer);
}

int PaperSession::firstEmptySlot() const
{
    for (int i = 0; i < answers.size(); ++i) {
        if (answers.at(i).isEmpty() && !carriedOver(i + 1))
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
        if (!answers.at(slot - 1).trimmed().isEmpty() || carriedOver(slot))
            continue;
        const int question = m_content.questionOfSlot(slot);
        if (question > 0 && (questions.isEmpty() || questions.constLast() != question))
            questions.append(question);
    }
    return questions;
}

PaperMarking PaperSession::mark(qint64 secondsTaken, const QString &date, const QLocale &locale)
{
    const PaperMarking marking = markPaper(answers, m_content, locale);
    const QStringList resultTexts = verdictTexts(marking.results);
    if (m_attempt.timed)
        m_summary = recordFirstMarking(m_address.folder, m_address.subject, m_address.code, m_address.paperCount,
                                       m_address.index(), resultTexts, marking.percent, timeTakenText(secondsTaken),
                                       date, *m_writer);
    else
        m_summary = recordSecondMarking(m_address.folder, m_address.subject, m_address.code, m_address.paperCount,
                                        m_address.index(), resultTexts, marking.percent, *m_writer);
    results = marking.results;
    return marking;
}

} // namespace kw
