#pragma once

#include "data/recordfile.h"

#include <QString>
#include <QStringList>

#include <array>

namespace kw {

// The catalogue records naming subjects 1, 2 and 3.
inline constexpr std::array<const char *, 3> kSubjectNameKeys{"LAH", "LBH", "LCH"};

// Every topic has five papers, numbered on through the subject from 101:
// topic t's k-th paper is 100 + 5(t-1) + k, and a subject's score lists hold
// it at position 5(t-1) + k - 1.
inline constexpr int kPapersPerTopic = 5;
inline constexpr int kFirstPaper = 101;

constexpr int paperPosition(int topic, int k)
{
    return kPapersPerTopic * (topic - 1) + k - 1;
}

constexpr int paperNumber(int topic, int k)
{
    return kFirstPaper + paperPosition(topic, k);
}

// Which of its topic's papers (1..5) a paper is.
constexpr int placeInTopic(int paperNumber)
{
    return (paperNumber - kFirstPaper) % kPapersPerTopic + 1;
}

struct CatalogueSubject {
    QString name;            // empty: the subject does not exist
    int topicCount = 0;      // TTn, at most 10
    int paperCount = 0;      // TPn, at most 50
    QStringList topicNames = QStringList(kTopicNameCapacity); // TNn
};

struct Catalogue {
    QString title;
    QString code;
    std::array<CatalogueSubject, 3> subjects; // subjects 1..3 at 0..2

    bool hasSubject(int subject) const;
    const CatalogueSubject &subject(int subject) const; // 1-based
};

// Reads the catalogue records. Counts and names are read only for subjects
// with a name. Throws RuntimeError on a damaged record.
Catalogue readCatalogue(const RecordFile &file);

// Reads the catalogue resource. A missing resource leaves the catalogue empty.
Catalogue loadCatalogue();

// Text that must be a whole number, as a 16-bit count. Throws TypeMismatch
// or Overflow.
int toCount16(const QString &text);

} // namespace kw
