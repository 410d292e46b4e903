// kwicon: renders the program's SVG icon as square PNG pictures for the
// icon theme, which wants fixed sizes beside the scalable one.
//
//   kwicon ICON.svg OUTDIR SIZE...   writes OUTDIR/SIZExSIZE/apps/<ICON>.png

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "kwicon: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4)
        return fail(QStringLiteral("usage: kwicon ICON.svg OUTDIR SIZE..."));
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString outFolder = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return fail(QStringLiteral("%1 is not a picture QSvgRenderer can read").arg(source));
    // Rendered into a square whatever the drawing's own proportions.
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QByteArray(argv[i]).toInt(&ok);
        if (!ok || size < 8 || size > 1024)
            return fail(QStringLiteral("%1 is not an icon size (8 to 1024)").arg(QString::fromLocal8Bit(argv[i])));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();

        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outFolder).arg(size);
        const QString target = folder + QLatin1Char('/') + QFileInfo(source).completeBaseName() + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !image.convertToFormat(QImage::Format_ARGB32).save(target, "PNG"))
            return fail(QStringLiteral("%1 cannot be written").arg(target));
    }
    return 0;
}
