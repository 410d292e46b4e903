#pragma once

// What the program prepares on disk each time it starts.

#include "data/catalogue.h"
#include "data/filewriter.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace kw {

struct DataFolder {
    QString path;            // where the program keeps its files; empty when nowhere will do
    QStringList copiedFiles; // names of earlier results copied into it from the program's folder
    QString problem;         // for the pupil, when path is empty
};

// The folder the program writes into: the application folder when it can be
// written, otherwise the per-user data folder. When the application folder
// cannot be written but holds progress files and the per-user folder holds
// none, those files are copied into the per-user folder (byte for byte,
// through writer) so that the pupil's earlier results go on; nothing
// already in the per-user folder is ever replaced. An installed program
// passes an empty appFolder: it keeps nothing beside itself, even when the
// one running it could write there, so that every pupil has results of
// their own.
DataFolder chooseDataFolder(const QString &appFolder, const QString &userFolder,
                            const FileWriter &writer = FileWriter());

// The folder named on the command line, made absolute, when it can be
// written (it is created if missing); otherwise an empty path and the
// problem.
DataFolder givenDataFolder(const QString &folder, const FileWriter &writer = FileWriter());

// Whether appFolder is the program folder of an installed copy: the file
// at installedMarker (relative to appFolder, the copy's metainfo) is there.
bool isInstalledProgramFolder(const QString &appFolder, const QString &installedMarker);

// Writes every skin graphic into folder/Graphics. A graphic already there
// with exactly the program's bytes is left as it is; the others are written
// in place without waiting for the disk, since every start checks them all
// again. Links and anything but plain files are never written through.
// Returns the names that could not be written.
QStringList extractGraphics(const QString &folder);

// Removes what an interrupted run can leave behind, and only files the
// program itself makes: page copies (temppaper<digits>.mht), table copies
// older versions made (temptext<digits>.txt), and the writer's unfinished
// saves of progress files, marking journals, page and table copies and (from
// earlier versions) skin graphics. Links and folders are left alone.
void removeLeftovers(const QString &folder);

struct CourseStart {
    Catalogue catalogue;
    QStringList unwritable;              // progress files that could not be created or completed
    QMap<int, QString> damagedSubjects;  // subject -> what is wrong with its files
};

// Reads the catalogue, finishes (or drops) a marking a kill interrupted,
// creates missing progress files of every named subject and checks every
// subject's files. A catalogue that cannot be read leaves the catalogue
// empty and names the reason in `catalogueProblem`.
CourseStart prepareCourse(const QString &folder, QString *catalogueProblem, const FileWriter &writer = FileWriter());

} // namespace kw
