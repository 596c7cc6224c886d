// Renders the program's icon at the pixel sizes of the hicolor icon theme, at
// build time, so that launchers and menus that do not read SVG get a bitmap
// drawn for their size instead of a scaled one.
//
// Usage: ferricalc-render-icon ICON.svg DIRECTORY NAME SIZE...
// writes DIRECTORY/<SIZE>x<SIZE>/apps/NAME.png for each SIZE.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

bool renderAt(QSvgRenderer& icon, int side, const QDir& themeDirectory, const QString& name)
{
    const QString sizeDirectory = QStringLiteral("%1x%1/apps").arg(side);
    if (!themeDirectory.mkpath(sizeDirectory)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(themeDirectory.filePath(sizeDirectory)));
        return false;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    icon.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    const QString path = themeDirectory.filePath(sizeDirectory + QLatin1Char('/') + name + QStringLiteral(".png"));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: ferricalc-render-icon ICON.svg DIRECTORY NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "cannot read the icon %s\n", argv[1]);
        return 1;
    }
    const QDir themeDirectory(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        int side = 0;
        const char* end = argv[i] + std::strlen(argv[i]);
        const auto [rest, error] = std::from_chars(argv[i], end, side);
        if (error != std::errc() || rest != end || side < 1 || side > 1024) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        if (!renderAt(icon, side, themeDirectory, name))
            return 1;
    }
    return 0;
}
