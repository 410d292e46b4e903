#pragma once

// What the program prepares on disk each time it starts.

#include "data/catalogue.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace kw {

// The folder the program writes into: the application folder when it can be
// written, otherwise the per-user data folder. Empty when neither can.
QString chooseDataFolder(const QString &appFolder, const QString &userFolder);

// Writes every skin graphic into folder/Graphics. Returns the names that
// could not be written.
QStringList extractGraphics(const QString &folder);

// Removes what an interrupted run can leave behind: page copies, table
// copies older versions made, and unfinished atomic saves of the progress
// files.
void removeLeftovers(const QString &folder);

struct CourseStart {
    Catalogue catalogue;
    QStringList unwritable;              // progress files that could not be created
    QMap<int, QString> damagedSubjects;  // subject -> what is wrong with its files
};

// Reads the catalogue, creates missing progress files of every named subject
// and checks every subject's files. A catalogue that cannot be read leaves
// the catalogue empty and names the reason in `catalogueProblem`.
CourseStart prepareCourse(const QString &folder, QString *catalogueProblem);

} // namespace kw
