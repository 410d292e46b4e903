#pragma once

// The pupil's progress: six tagged record files per subject, beside the
// program, named from a stem, the subject number and the product code
// (for example marks2KWY6.txt).

#include "data/catalogue.h"

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
QString ProgressFileStem(ProgressFile file);
QString ProgressFilePath(const QString &folder, ProgressFile file, int subject, const QString &code);

// Creates those of the subject's six files that do not exist, from their
// templates; files that exist are never touched. Returns the files that could
// not be written.
QStringList CreateMissingProgressFiles(const QString &folder, int subject, const QString &code);

// Replaces every progress file of every named subject with its template
// (erasing all results). Returns the files that could not be written.
QStringList CreateProgressFiles(const QString &folder, const Catalogue &catalogue);

// The six summary records of a subject, each with one entry per paper
// (kProgressCapacity entries, papers past the subject's count empty).
struct SubjectProgress {
    static constexpr std::array<const char *, 6> kKeys{"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
    std::array<QStringList, 6> records;

    const QStringList &firstScores() const { return records[0]; }  // FSE
    const QStringList &secondScores() const { return records[1]; } // SSE
    const QStringList &times() const { return records[2]; }        // LTM
    const QStringList &dates() const { return records[3]; }        // CDD
    const QStringList &firstStates() const { return records[4]; }  // FST
    const QStringList &secondStates() const { return records[5]; } // SST
};

// Reads the summary records of a subject with paperCount papers. Throws
// RuntimeError when the file is missing or a record is missing or short.
SubjectProgress ReadSubjectProgress(const QString &folder, int subject, const QString &code, int paperCount);

// Why the subject's progress files cannot be used as they are (a record
// missing or short, a score or state that is not what the program writes,
// bytes that are not text), or "" when they are sound.
QString ProgressFilesProblem(const QString &folder, int subject, const QString &code, int paperCount);

// Stores a first marking of paper index `paper` (1-based): its percentage,
// time taken and date in the summary, its state "1", and the percentage
// appended to the trend. Every other field is written back as read. Returns
// the summary as written.
SubjectProgress RecordFirstMarking(const QString &folder, int subject, const QString &code, int paperCount, int paper,
                        const QString &percent, const QString &timeTaken, const QString &date);

} // namespace kw
