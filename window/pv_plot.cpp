#include "window/pv_plot.hpp"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "window/look.hpp"
#include "window/plot_marks.hpp"

namespace ferricalc {

namespace {

const QColor kGridDecade{190, 190, 190};
const QColor kGridMinor{228, 228, 228};

// The flux axis: 10 to 1000 mT, the span of a data sheet's loss curves.
constexpr int kFirstFluxDecade = 1;
constexpr int kLastFluxDecade = 3;

struct LogAxes {
    QRectF area;
    int firstX, lastX, firstY, lastY;  // decades

    double x(double v) const { return area.left() + (std::log10(v) - firstX) / (lastX - firstX) * area.width(); }
    double y(double v) const { return area.bottom() - (std::log10(v) - firstY) / (lastY - firstY) * area.height(); }
};


QString decadeText(int k) { return QString::number(std::pow(10.0, k), 'f', std::max(0, -k)); }

}  // namespace

PvPlot::PvPlot(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pvPlot"));
    setFont(look::song(9));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PvPlot::setCurves(PvCurves curves, const QString& why)
{
    m_curves = std::move(curves);
    m_why = why;
    // Whole decades round every loss drawn, the working point's included.
    double low = INFINITY;
    double high = 0.0;
    for (const std::vector<double>* pvs : {&m_curves.cool, &m_curves.hot})
        for (const double pv : *pvs)
            if (pv > 0.0 && std::isfinite(pv)) {
                low = std::min(low, pv);
                high = std::max(high, pv);
            }
    if (m_curves.working && m_curves.working->pv > 0.0) {
        low = std::min(low, m_curves.working->pv);
        high = std::max(high, m_curves.working->pv);
    }
    if (high > 0.0) {
        m_firstDecade = static_cast<int>(std::floor(std::log10(low)));
        m_lastDecade = std::max(m_firstDecade + 1, static_cast<int>(std::ceil(std::log10(high))));
    } else {
        m_firstDecade = 0;
        m_lastDecade = 3;
    }
    update();
}

void PvPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    double labelWidth = 0.0;
    for (int k = m_firstDecade; k <= m_lastDecade; ++k)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(decadeText(k)));
    const QRectF area(QPointF(labelWidth + 12.0, 2.0 * line + 10.0),
                      QPointF(width() - metrics.horizontalAdvance(QStringLiteral("1000")) / 2 - 6.0,
                              height() - 2.0 * line - 12.0));
    if (area.width() < 40 || area.height() < 40)
        return;
    const LogAxes axes{area, kFirstFluxDecade, kLastFluxDecade, m_firstDecade, m_lastDecade};
    const QColor text = palette().color(QPalette::Text);

    // The grid: every decade, the 2 … 9 between them fainter.
    for (int k = kFirstFluxDecade; k < kLastFluxDecade; ++k)
        for (int m = 1; m <= 9; ++m) {
            painter.setPen(QPen(m == 1 ? kGridDecade : kGridMinor, 1.0));
            const double x = axes.x(m * std::pow(10.0, k));
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
    for (int k = m_firstDecade; k < m_lastDecade; ++k)
        for (int m = 1; m <= 9; ++m) {
            painter.setPen(QPen(m == 1 ? kGridDecade : kGridMinor, 1.0));
            const double y = axes.y(m * std::pow(10.0, k));
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        }
    painter.setPen(QPen(text, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);

    for (int k = kFirstFluxDecade; k <= kLastFluxDecade; ++k) {
        const QString label = decadeText(k);
        const double w = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(axes.x(std::pow(10.0, k)) - w / 2 - 2, area.bottom() + 3, w + 4, line),
                         Qt::AlignCenter, label);
    }
    for (int k = m_firstDecade; k <= m_lastDecade; ++k)
        painter.drawText(QRectF(0, axes.y(std::pow(10.0, k)) - line / 2, area.left() - 5, line),
                         Qt::AlignRight | Qt::AlignVCenter, decadeText(k));
    painter.drawText(QRectF(area.left(), area.bottom() + line + 4, area.width(), line), Qt::AlignHCenter,
                     QStringLiteral("B̂ / mT"));
    painter.drawText(QRectF(0, line + 4, area.left() + 200, line), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Pv / (kW/m³)"));
    painter.drawText(QRectF(0, 2, width(), line), Qt::AlignLeft | Qt::AlignVCenter, m_curves.heading);

    if (m_curves.empty()) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(area.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_why);
        return;
    }
    painter.save();
    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(look::kNavy, 1.3, Qt::DashLine));
    painter.drawPath(curvePath(axes, m_curves.flux, m_curves.cool));
    painter.setPen(QPen(look::kDarkRed, 2.0));
    painter.drawPath(curvePath(axes, m_curves.flux, m_curves.hot));
    painter.restore();

    // The legend, top left, where the rising curves leave room.
    const QString legend[] = {QStringLiteral("100 °C"), QStringLiteral("25 °C")};
    const QPen pens[] = {QPen(look::kDarkRed, 2.0), QPen(look::kNavy, 1.3, Qt::DashLine)};
    const double sample = 24.0;
    const double legendWidth = metrics.horizontalAdvance(legend[0]) + sample + 16;
    const QRectF box(area.left() + 6, area.top() + 6, legendWidth, 2 * line + 8);
    painter.setPen(QPen(kGridDecade, 1.0));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(box);
    for (int i = 0; i < 2; ++i) {
        const double y = box.top() + 4 + line * (i + 0.5);
        painter.setPen(pens[i]);
        painter.drawLine(QPointF(box.left() + 5, y), QPointF(box.left() + 5 + sample, y));
        painter.setPen(text);
        painter.drawText(QRectF(box.left() + sample + 9, y - line / 2, legendWidth, line),
                         Qt::AlignLeft | Qt::AlignVCenter, legend[i]);
    }

    if (!m_curves.working)
        return;
    // The working point, its figures below and right of it, where the rising curves leave room.
    const PvCurves::Point& working = *m_curves.working;
    const QPointF mark(std::clamp(axes.x(working.flux), area.left(), area.right()),
                       std::clamp(axes.y(working.pv), area.top(), area.bottom()));
    painter.setPen(QPen(look::kDarkRed, 1.5));
    painter.setBrush(QBrush(look::kDarkRed));
    painter.drawEllipse(mark, 4.0, 4.0);
    drawPointLabel(painter, area, mark, working.label, false);
}

}  // namespace ferricalc
