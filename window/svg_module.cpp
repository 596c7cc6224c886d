// The module that holds Qt's SVG renderer for the program (window/svg_drawing.hpp),
// loaded on first use. One entry point with C linkage, looked up by name.

#include <QPainter>
#include <QSvgRenderer>

extern "C" Q_DECL_EXPORT bool ferricalc_draw_svg(const QString& resource, QPainter& painter, const QRectF& box,
                                                 bool keepAspectRatio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return false;
    QRectF target = box;
    if (keepAspectRatio) {
        QSizeF size = renderer.defaultSize();
        size.scale(box.size(), Qt::KeepAspectRatio);
        target = QRectF(box.topLeft(), size);
    }
    renderer.render(&painter, target);
    return true;
}
