#include "window/svg_drawing.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPainter>

namespace ferricalc {

namespace {

using DrawFunction = bool (*)(const QString&, QPainter&, const QRectF&, bool);

// Installed, the module sits in lib/ferricalc beside bin/; in a build tree
// where it was built (FERRICALC_SVG_MODULE).
DrawFunction loadDrawFunction()
{
    const QStringList places{
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../lib/ferricalc/libferricalc_svg.so")),
        QStringLiteral(FERRICALC_SVG_MODULE)};
    for (const QString& place : places) {
        if (!QFileInfo::exists(place))
            continue;
        QLibrary module(place);
        if (auto* draw = reinterpret_cast<DrawFunction>(module.resolve("ferricalc_draw_svg")))
            return draw;  // the library stays loaded for the rest of the run
    }
    qWarning("ferricalc: the SVG module (libferricalc_svg.so) cannot be loaded: drawings not drawn");
    return nullptr;
}

}  // namespace

bool drawSvg(const QString& resource, QPainter& painter, const QRectF& box, SvgFit fit)
{
    static const DrawFunction draw = loadDrawFunction();
    return draw != nullptr && draw(resource, painter, box, fit == SvgFit::KeepAspectRatio);
}

}  // namespace ferricalc
