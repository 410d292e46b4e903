#pragma once

// The course as its authors write it: catalogue.txt and one text file per
// paper (see course/FORMAT.md).

#include "data/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace kw {

struct SourceSlot {
    QString type;
    QString marks;
    QString key;  // a number key without its unit
    QString unit; // the unit symbol an N key was written with ("£7.19", "24 cm²"), or empty
    int line = 0;
};

struct SourceQuestion {
    QString id;
    QString instruction;
    QStringList body; // HTML lines
    QList<SourceSlot> answerSlots;
    int line = 0;
};

struct SourcePaper {
    int number = 0;
    QString file; // absolute path
    QList<SourceQuestion> questions;
};

struct SourceSubject {
    QString name; // empty: the subject does not exist
    QString folder;
    QStringList topics;
    QList<SourcePaper> papers; // 101 .. 100 + 5 * topics
};

struct CourseSource {
    QString root; // the course folder
    QString title;
    QString code;
    std::array<SourceSubject, 3> subjects;
};

// Reads the course under root. Problems the sources cannot be read past are
// appended to problems as "file:line: message"; the rest is read as far as it goes.
CourseSource readCourseSource(const QString &root, QStringList *problems);

// Splits a number key written with its unit ("£7.19", "24 cm²", "61°") into
// the number and the unit's symbol. A key that is no number is left whole
// for the course check to report; a unit that is unknown or on the wrong side
// of the number gives a problem. Returns the problem, or "".
QString splitNumberKey(const QString &written, QString *number, QString *unit);

// Every source file the course is made of (catalogue, papers, stylesheet,
// pictures the papers use), for build dependencies.
QStringList courseSourceFiles(const CourseSource &course);

} // namespace kw
