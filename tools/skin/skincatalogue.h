#pragma once

// Every skin picture: its resource id, its file name and how it is drawn.

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace kw::skin {

struct SkinPicture {
    int id;                       // resource id of type "Custom"
    QString name;                 // file name in the Graphics folder
    std::function<QImage()> draw;
};

const QList<SkinPicture> &skinPictures();

} // namespace kw::skin
