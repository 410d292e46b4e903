#pragma once

// The pupil's progress: six tagged record files per subject, beside the
// program, named from a stem, the subject number and the product code
// (for example marks2KWY6.txt).

#include "data/catalogue.h"
#include "data/filewriter.h"

#include <QString>
#include <QStringList>

#include <array>

namespace kw {

enum class ProgressFile {
    Marks = 1,         // six summary records, one field per paper
    First = 2,         // first-attempt answers, one record per paper
    Second = 3,        // second-attempt answers
    FirstResults = 4,  // first-attempt slot results
    SecondResults = 5, // second-attempt slot results
    Trend = 6,         // first-attempt percentages in marking order
};

inline constexpr std::array<ProgressFile, 6> kProgressFiles{
    ProgressFile::Marks, ProgressFile::First, ProgressFile::Second,
    ProgressFile::FirstResults, ProgressFile::SecondResults, ProgressFile::Trend};

// "marks", "first", "second", "fresults", "sresults", "trend"
QString progressFileStem(ProgressFile file);
QString progressFilePath(const QString &folder, ProgressFile file, int subject, const QString &code);
// The names (without folder) of the subject's six files.
QStringList progressFileNames(int subject, const QString &code);

// Where a marking of the subject keeps its journal until all its files are
// written (see markingjournal.h): folder/marking<subject><code>.txt.
QString markingJournalPath(const QString &folder, int subject, const QString &code);

// Completes a marking of the subject that a kill or a failed write
// interrupted, or drops its journal when the files have moved on since.
// Throws RuntimeError when a file cannot be written.
void finishInterruptedMarking(const QString &folder, int subject, const QString &code, const FileWriter &writer);

// Creates those of the subject's six files that do not exist, from their
// templates, through writer; files that exist (or anything else standing
// under their names) are never touched. Returns the files that could not be
// written.
QStringList createMissingProgressFiles(const QString &folder, int subject, const QString &code,
                                       const FileWriter &writer);

// Replaces every progress file of every named subject with its template
// (erasing all results), through writer. An unfinished marking is dropped
// first, so it can never come back. Returns the files that could not be
// written.
QStringList createProgressFiles(const QString &folder, const Catalogue &catalogue, const FileWriter &writer);

// Starts a damaged subject afresh: keeps a copy of every file beside it
// (name.damaged, or .damaged-2, .damaged-3, ... so that no earlier copy is
// ever replaced), then writes every file's template over it. Returns "" when
// the subject is sound afterwards, otherwise a reason for the pupil that
// names the file (never the folder). A file that is a folder, a link or
// cannot be read is refused before anything changes.
QString startSubjectAfresh(const QString &folder, int subject, const QString &code, int paperCount,
                           const FileWriter &writer);

// The six summary records of the marks file, one field per paper, in the
// order the file holds them.
enum class SummaryField {
    FirstScore,    // percentage of the first attempt
    SecondScore,   // percentage of the second attempt
    TimeTaken,     // hours:minutes:seconds of the first attempt
    DateCompleted, // date of the first marking
    FirstState,    // 1 once the first attempt is marked, else 0
    SecondState,   // 1 once the second attempt is marked, else 0
};

inline constexpr std::array<SummaryField, 6> kSummaryFields{
    SummaryField::FirstScore, SummaryField::SecondScore, SummaryField::TimeTaken,
    SummaryField::DateCompleted, SummaryField::FirstState, SummaryField::SecondState};

// The record key of every summary field, indexed by SummaryField.
inline constexpr std::array<const char *, 6> kSummaryKeys{"FSE", "SSE", "LTM", "CDD", "FST", "SST"};

inline QString summaryKey(SummaryField field)
{
    return QLatin1String(kSummaryKeys[std::size_t(field)]);
}

inline bool isStateField(SummaryField field)
{
    return field == SummaryField::FirstState || field == SummaryField::SecondState;
}

// The summary of a subject: for each field, one entry per paper (position 0
// is paper 101; kProgressCapacity entries, papers past the subject's count
// empty or unmarked).
class SubjectProgress {
public:
    SubjectProgress();

    // The stored text of a score, time or date field.
    const QStringList &texts(SummaryField field) const;
    const QStringList &firstScores() const { return texts(SummaryField::FirstScore); }
    const QStringList &secondScores() const { return texts(SummaryField::SecondScore); }
    const QStringList &times() const { return texts(SummaryField::TimeTaken); }
    const QStringList &dates() const { return texts(SummaryField::DateCompleted); }

    // Whether the attempt of a state field is marked for the paper at position.
    bool isMarked(SummaryField state, int position) const;

    void setText(SummaryField field, int position, const QString &text);
    void setMarked(SummaryField state, int position, bool marked);

    // The record of field for the first paperCount papers, as stored.
    QStringList recordFields(SummaryField field, int paperCount) const;

private:
    std::array<QStringList, 6> m_texts; // entries of the state fields stay empty
    std::array<QList<bool>, 2> m_marked; // FirstState, SecondState
};

// Reads the summary records of a subject with paperCount papers. Throws
// RuntimeError when the file is missing, a record is missing or short, or a
// state is not 0 or 1.
SubjectProgress readSubjectProgress(const QString &folder, int subject, const QString &code, int paperCount);

// Why the subject's progress files cannot be used as they are, or "" when
// they are sound: a file that is missing, a link, a folder or not text; a
// record missing, or with more or fewer fields than the subject has papers
// or the paper has answer slots (as its content says); a score, state, result
// or trend value that is not what the program writes. The reason names the
// file and quotes at most a short excerpt of what is wrong. Never changes a
// file.
QString progressFilesProblem(const QString &folder, int subject, const QString &code, int paperCount);

// Stores a first marking of paper index `paper` (1-based): its slot results
// in the first-attempt results file, its percentage, time taken and date in
// the summary, its first attempt marked, and the percentage appended to the
// trend, all three files committed together (a kill leaves all of them as
// they were or all as new). A paper already marked adds nothing more to the
// trend, so a marking retried after a failure is counted once. Every other
// field is written back as read. Returns the summary as written. Throws
// RuntimeError when a file cannot be read or written.
SubjectProgress recordFirstMarking(const QString &folder, int subject, const QString &code, int paperCount, int paper,
                                   const QStringList &slotResults, const QString &percent, const QString &timeTaken,
                                   const QString &date, const FileWriter &writer);

// Stores a second marking of paper index `paper` the same way: its slot
// results in the second-attempt results file, its percentage and its second
// attempt marked in the summary, both files committed together. The first
// attempt's fields and the trend are left as they are.
SubjectProgress recordSecondMarking(const QString &folder, int subject, const QString &code, int paperCount,
                                    int paper, const QStringList &slotResults, const QString &percent,
                                    const FileWriter &writer);

} // namespace kw
