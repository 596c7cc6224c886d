#include "window/plot_marks.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <QWidget>
#include <algorithm>

#include "window/look.hpp"

namespace ferricalc {

void drawPointLabel(QPainter& painter, const QRectF& area, QPointF mark, const QString& label, bool above)
{
    const QFontMetricsF metrics(painter.font());
    const QStringList lines = label.split(QLatin1Char('\n'));
    double width = 0.0;
    for (const QString& part : lines)
        width = std::max(width, metrics.horizontalAdvance(part) + 6);
    const double height = lines.size() * metrics.height() + 2;
    QPointF corner(mark.x() + 8, above ? mark.y() - height - 8 : mark.y() + 6);
    if (corner.x() + width > area.right() - 2)
        corner = QPointF(mark.x() - 8 - width, mark.y() + 6);
    corner.setX(std::clamp(corner.x(), area.left() + 2, std::max(area.left() + 2, area.right() - width - 2)));
    corner.setY(std::clamp(corner.y(), area.top() + 2, std::max(area.top() + 2, area.bottom() - height - 2)));
    const QRectF box(corner, QSizeF(width, height));
    const auto* widget = dynamic_cast<const QWidget*>(painter.device());
    painter.setPen(Qt::NoPen);
    painter.setBrush(widget ? widget->palette().color(QPalette::Base) : QColor(Qt::white));
    painter.drawRect(box);
    painter.setPen(look::kDarkRed);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, label);
}

}  // namespace ferricalc
