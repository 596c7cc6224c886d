#include "window/drawing_view.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "window/prerendered.hpp"
#include "window/svg_drawing.hpp"

namespace ferricalc {

DrawingView::DrawingView(const QString& resource, QSize drawingSize, QWidget* parent)
    : QWidget(parent), m_resource(resource), m_drawingSize(drawingSize)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void DrawingView::setResource(const QString& resource)
{
    if (resource == m_resource)
        return;
    m_resource = resource;
    m_rendered = QImage();
    update();
}

void DrawingView::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_rendered.isNull() || m_rendered.devicePixelRatio() != ratio) {
        const QSize pixels = (QSizeF(m_drawingSize) * ratio).toSize();
        const qreal percent = std::round(ratio * 100.0);
        if (std::abs(ratio * 100.0 - percent) < 1e-9)
            m_rendered = prerenderedImage(prerenderedResource(m_resource, QString::number(percent)), pixels);
        if (m_rendered.isNull()) {
            m_rendered = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            m_rendered.fill(Qt::transparent);
            m_rendered.setDevicePixelRatio(ratio);
            QPainter painter(&m_rendered);
            drawSvg(m_resource, painter, QRectF(QPointF(0, 0), QSizeF(m_drawingSize)));
        }
        m_rendered.setDevicePixelRatio(ratio);
    }
    // Rectangle by rectangle of what needs painting: the region left between the
    // opaque controls on top is ragged, and the raster engine would blend it
    // span by span on worker threads it starts for the purpose.
    QPainter painter(this);
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        painter.drawImage(0, 0, m_rendered);
    }
}

}  // namespace ferricalc
