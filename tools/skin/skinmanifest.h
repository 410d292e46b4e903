#pragma once

// What the build needs besides the pictures themselves: the resource list
// rcc embeds them from, and the C++ table start-up writes them out from.

#include "skincatalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace kw::skin {

// What is wrong with the catalogue: an id given twice, a name that is not a
// plain .bmp, .gif or .ico file name, two names that differ only in letter
// case (the windows look pictures up regardless of case). Empty when
// nothing is.
QStringList catalogueProblems(const QList<SkinPicture> &pictures);

// The rcc resource list that embeds every picture, found in pictureFolder,
// as ":/Custom/<id>". Paths are relative to listFolder, where the list is
// written. contentDigest goes into a comment, so the list changes (and the
// build re-embeds) whenever a picture does.
QByteArray resourceList(const QList<SkinPicture> &pictures, const QString &pictureFolder,
                        const QString &listFolder, const QByteArray &contentDigest);

// The C++ source that defines kw::kSkinFiles (startup/skinfiles.h): every
// picture's id and file name, in catalogue order.
QByteArray skinFilesSource(const QList<SkinPicture> &pictures);

} // namespace kw::skin
