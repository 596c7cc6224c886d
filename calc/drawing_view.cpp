#include "calc/drawing_view.hpp"

#include <QPainter>
#include <QSvgRenderer>

namespace ferricalc {

DrawingView::DrawingView(const QString& resource, QSize drawingSize, QWidget* parent)
    : QWidget(parent), m_resource(resource), m_drawingSize(drawingSize)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void DrawingView::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_rendered.isNull() || m_rendered.devicePixelRatio() != ratio) {
        m_rendered = QPixmap((QSizeF(m_drawingSize) * ratio).toSize());
        m_rendered.setDevicePixelRatio(ratio);
        m_rendered.fill(Qt::transparent);
        QPainter painter(&m_rendered);
        QSvgRenderer(m_resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(m_drawingSize)));
    }
    QPainter(this).drawPixmap(0, 0, m_rendered);
}

}  // namespace ferricalc
