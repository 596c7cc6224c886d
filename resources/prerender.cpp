// Renders SVG artwork to bitmaps at build time, so that a window shows its
// picture at once instead of parsing and drawing the SVG while the user waits.
// The bitmaps are raw premultiplied ARGB32 behind a 16-byte header (see
// window/prerendered.hpp); the resource compiler compresses them.
//
// Usage: ferricalc-prerender SVG OUTPUT_PREFIX SCALE...
//   SCALE 150 writes OUTPUT_PREFIX@150.argb32, the picture at 150 % of its own
//   size, as a window at that device pixel ratio draws it; SCALE 32px writes
//   OUTPUT_PREFIX@32px.argb32, the picture drawn into a 32 × 32 square.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "window/prerendered.hpp"

namespace {

bool write(const QImage& image, const QString& path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    const QByteArray header = ferricalc::prerenderedHeader(image.size());
    out.write(header);
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char*>(image.constScanLine(y)), static_cast<qint64>(image.width()) * 4);
    return out.error() == QFileDevice::NoError;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Drawing needs fonts, hence a GUI application (offscreen at build time).
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: ferricalc-prerender SVG OUTPUT_PREFIX SCALE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        std::string_view scale = argv[i];
        const bool square = scale.ends_with("px");
        if (square)
            scale.remove_suffix(2);
        int number = 0;
        const auto [rest, error] = std::from_chars(scale.data(), scale.data() + scale.size(), number);
        if (error != std::errc() || rest != scale.data() + scale.size() || number < 1 || number > 1000) {
            std::fprintf(stderr, "not a scale: %s\n", argv[i]);
            return 2;
        }
        QImage image;
        if (square) {
            image = QImage(number, number, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            svg.render(&painter, QRectF(0, 0, number, number));
        } else {
            // As the picture box draws it: the picture's own size in logical
            // pixels on a device of this pixel ratio.
            const qreal ratio = number / 100.0;
            const QSize logical = svg.defaultSize();
            image = QImage((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
        }
        if (!write(image, prefix + QLatin1Char('@') + QString::fromLatin1(argv[i]) + QStringLiteral(".argb32")))
            return 1;
    }
    return 0;
}
