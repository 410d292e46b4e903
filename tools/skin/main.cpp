// kwskin: draws the program's skin pictures into a folder, or lays out a
// contact sheet of a folder of them for a look.
//
//   kwskin OUTDIR                 write every picture into OUTDIR
//   kwskin OUTDIR QRC TABLE.cpp   the same, plus the resource list that embeds
//                                 them and the table of their ids and names
//   kwskin --sheet SHEET.png DIR  contact sheet of the pictures in DIR

#include "gifencoder.h"
#include "skincatalogue.h"
#include "skinmanifest.h"
#include "skinpaint.h"
#include "skintheme.h"

#include "compiler/writeifchanged.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>

using namespace kw::skin;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "kwskin: %s\n", qPrintable(message));
    return 1;
}

// Writes one picture in the format its name asks for. Returns an empty
// string on success.
QString writePicture(const QImage &image, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return writeGif(quantise(image, kPage), path);

    QImageWriter writer(path, suffix.toLatin1());
    // Bitmaps are opaque; icons keep their transparency.
    const QImage out = suffix == QLatin1String("bmp") ? image.convertToFormat(QImage::Format_RGB32)
                                                      : image.convertToFormat(QImage::Format_ARGB32);
    return writer.write(out) ? QString() : writer.errorString();
}

// Writes every picture into folder and, when their paths are given, the
// resource list and the table of ids and names.
int writeAll(const QString &folder, const QString &listPath, const QString &tablePath)
{
    const QList<SkinPicture> &pictures = skinPictures();
    const QStringList problems = catalogueProblems(pictures);
    if (!problems.isEmpty()) {
        for (const QString &problem : problems)
            fail(problem);
        return 1;
    }
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create %1").arg(folder));
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const SkinPicture &picture : pictures) {
        const QString path = QDir(folder).filePath(picture.name);
        const QString error = writePicture(picture.draw(), path);
        if (!error.isEmpty())
            return fail(QStringLiteral("%1: %2").arg(path, error));
        QFile written(path);
        if (!written.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("%1: %2").arg(path, written.errorString()));
        const QByteArray bytes = written.readAll();
        digest.addData(QByteArray::number(picture.id) + ':' + QByteArray::number(bytes.size()) + ':');
        digest.addData(bytes);
    }
    if (listPath.isEmpty())
        return 0;

    const QByteArray list = resourceList(pictures, folder, QFileInfo(listPath).absolutePath(), digest.result().toHex());
    QString error = kw::writeIfChanged(listPath, list);
    if (!error.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(listPath, error));
    error = kw::writeIfChanged(tablePath, skinFilesSource(pictures));
    if (!error.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(tablePath, error));
    return 0;
}

int contactSheet(const QString &sheetPath, const QString &folder)
{
    constexpr int kScale = 2;
    constexpr int kWidth = 1600;
    constexpr int kGap = 16;
    constexpr int kLabel = 16;
    const QFont font = skinFont(11, false);

    struct Cell {
        QImage image;
        QString label;
        QRect place;
    };
    QList<Cell> cells;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const SkinPicture &picture : skinPictures()) {
        const QImage image(QDir(folder).filePath(picture.name));
        if (image.isNull())
            return fail(QStringLiteral("cannot read %1 in %2").arg(picture.name, folder));
        const QString label = QStringLiteral("%1 %2").arg(picture.id).arg(picture.name);
        const int width = std::max(image.width() * kScale, QFontMetrics(font).horizontalAdvance(label));
        const int height = image.height() * kScale + kLabel;
        if (x + width > kWidth - kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        cells.append({image, label, QRect(x, y, width, height)});
        x += width + kGap;
        rowHeight = std::max(rowHeight, height);
    }

    QImage sheet(kWidth, y + rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(150, 150, 150));
    QPainter painter(&sheet);
    painter.setFont(font);
    for (const Cell &cell : cells) {
        const QSize scaled = cell.image.size() * kScale;
        painter.drawImage(QRect(cell.place.topLeft(), scaled), cell.image);
        painter.setPen(Qt::black);
        painter.drawText(QRect(cell.place.left(), cell.place.top() + scaled.height(), cell.place.width(), kLabel),
                         Qt::AlignLeft | Qt::AlignVCenter, cell.label);
    }
    painter.end();
    return sheet.save(sheetPath, "PNG") ? 0 : fail(QStringLiteral("cannot write %1").arg(sheetPath));
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("--sheet"))
        return contactSheet(args[1], args[2]);
    if (args.size() == 1 && !args[0].startsWith(QLatin1Char('-')))
        return writeAll(args[0], {}, {});
    if (args.size() == 3 && !args[0].startsWith(QLatin1Char('-')))
        return writeAll(args[0], args[1], args[2]);
    return fail(QStringLiteral("usage: kwskin OUTDIR [QRC TABLE.cpp] | kwskin --sheet SHEET.png DIR"));
}
