#pragma once

// Several files that must change together, such as the results record, the
// summary and the trend line one marking writes.
//
// The new contents of every file are first written to a journal beside them;
// the moment the journal's save completes is the commit point. The files are
// then replaced one by one and the journal removed. A kill or a failed write
// after the commit point leaves the journal behind, and finishing it (at the
// next start, or before the next commit) writes the rest. A kill before the
// commit point leaves every file as it was.
//
// The journal also holds a digest of what each file held before. It is only
// finished while every file still holds either that or its new contents: a
// journal that the files have moved on from (results erased since, say) is
// dropped instead of bringing old contents back.

#include "data/filewriter.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kw {

struct FileChange {
    QString path;     // a file in the journal's folder
    QByteArray bytes; // what it is to hold
};

// Writes every change, all or none as far as a kill can tell. Throws
// RuntimeError when a file cannot be written: before the commit point nothing
// has changed; after it the journal is left for finishJournal.
void commitTogether(const QString &journalPath, const QList<FileChange> &changes, const FileWriter &writer);

// Removes the journal at path. Returns true when it is gone (or never was);
// false, with errno telling why, when it could not be removed.
bool removeJournalFile(const QString &path);

// Completes a commit that a kill or a failed write interrupted. Only files
// named in allowedNames (names, not paths, in the journal's folder) are ever
// written; a stale or damaged journal is removed and no file changed. Throws
// RuntimeError when a file cannot be written or the journal cannot be
// removed; the journal is then kept for the next try.
void finishJournal(const QString &journalPath, const QStringList &allowedNames, const FileWriter &writer);

} // namespace kw
