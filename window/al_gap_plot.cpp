#include "window/al_gap_plot.hpp"

#include <QHelpEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "window/look.hpp"
#include "window/plot_marks.hpp"
#include "window/language.hpp"

namespace ferricalc {

namespace {

const QColor kGridDecade{190, 190, 190};
const QColor kGridMinor{228, 228, 228};
const QColor kUngapped{110, 110, 110};
const QColor kPublished{0, 110, 40};
constexpr double kPublishedSize = 4.5;  // the diamond's half diagonal, px

void drawDiamond(QPainter& painter, QPointF centre, double size)
{
    const QPointF corners[] = {centre + QPointF(0, -size), centre + QPointF(size, 0), centre + QPointF(0, size),
                               centre + QPointF(-size, 0)};
    painter.drawPolygon(corners, 4);
}

// 10^k as an axis writes it: 0.01, 0.1, 1, 10, 100 …
QString powerOfTen(int k, int mantissa = 1)
{
    const double value = mantissa * std::pow(10.0, k);
    return QString::number(value, 'f', std::max(0, -k));
}

// A painter's coordinates for the plot's logarithmic axes.
struct Axes {
    QRectF area;
    double firstGap;
    double lastGap;
    int firstDecade;
    int lastDecade;

    double x(double gap) const
    {
        const double share = std::log10(gap / firstGap) / std::log10(lastGap / firstGap);
        return area.left() + share * area.width();
    }
    double y(double al) const
    {
        const double share = (std::log10(al) - firstDecade) / (lastDecade - firstDecade);
        return area.bottom() - share * area.height();
    }
    bool holdsGap(double gap) const { return gap >= firstGap * (1 - 1e-9) && gap <= lastGap * (1 + 1e-9); }
    bool holdsAl(double al) const { return al >= std::pow(10.0, firstDecade) && al <= std::pow(10.0, lastDecade); }
};


QPen pen(const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen result(colour, width, style);
    result.setCapStyle(Qt::FlatCap);
    return result;
}

}  // namespace

AlGapPlot::AlGapPlot(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("alGapPlot"));
    setFont(look::song(9));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize AlGapPlot::sizeHint() const
{
    return {420, 340};
}

QSize AlGapPlot::minimumSizeHint() const
{
    return {200, 200};
}

void AlGapPlot::setCurves(AlGapCurves curves)
{
    m_curves = std::move(curves);
    // Whole decades round every AL the plot shows, the ungapped one included.
    double low = m_curves.alUngapped;
    double high = m_curves.alUngapped;
    for (const std::vector<double>* als : {&m_curves.alFringing, &m_curves.alNoFringing})
        for (const double al : *als)
            if (al > 0.0 && std::isfinite(al)) {
                low = std::min(low, al);
                high = std::max(high, al);
            }
    for (const AlGapCurves::Published& point : m_curves.published)
        if (point.al > 0.0 && std::isfinite(point.al)) {
            low = std::min(low, point.al);
            high = std::max(high, point.al);
        }
    m_publishedMarks.clear();
    if (!m_curves.empty() && low > 0.0 && std::isfinite(high)) {
        m_firstDecade = static_cast<int>(std::floor(std::log10(low)));
        m_lastDecade = std::max(m_firstDecade + 1, static_cast<int>(std::ceil(std::log10(high))));
    } else {
        m_firstDecade = 1;
        m_lastDecade = 4;
    }
    m_drawn = QPixmap();
    update();
}

// Hovering a published point names it: its material, gap and AL (every
// material at that point where several share it).
bool AlGapPlot::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QPointF at = static_cast<QHelpEvent*>(event)->pos();
    QStringList lines;
    for (const auto& [mark, point] : m_publishedMarks) {
        if (QLineF(mark, at).length() > kPublishedSize + 3.0)
            continue;
        const QString gap = point->gap > 0.0 ? tr("气隙 %1 mm").arg(point->gap, 0, 'g', 4)
                                             : tr("无气隙");
        lines << tr("%1：%2，AL %3 nH").arg(point->material, gap).arg(point->al, 0, 'g', 6);
    }
    if (lines.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           tr("厂家公布值\n") + lines.join(QLatin1Char('\n')), this);
    }
    return true;
}

void AlGapPlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A report draws the plot in vectors; the screen shows the picture kept
    // since the curves last changed (drawn ahead with the design window).
    if (painter.paintEngine() == nullptr || painter.paintEngine()->type() != QPaintEngine::Raster) {
        draw(painter);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.isNull() || m_drawn.devicePixelRatio() != ratio || m_drawn.size() != (QSizeF(size()) * ratio).toSize()) {
        m_drawn = QPixmap((QSizeF(size()) * ratio).toSize());
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter picture(&m_drawn);
        picture.setFont(font());
        picture.setPen(palette().color(foregroundRole()));
        picture.setBackground(palette().brush(backgroundRole()));
        draw(picture);
    }
    painter.drawPixmap(0, 0, m_drawn);
}

void AlGapPlot::changeEvent(QEvent* event)
{
    // A new palette, font or style draws the picture again.
    m_drawn = QPixmap();
    QWidget::changeEvent(event);
}

void AlGapPlot::draw(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const double line = metrics.height();

    // Room for the AL labels on the left, the gap labels and title below, and
    // the AL title above the axis.
    double labelWidth = 0.0;
    for (int k = m_firstDecade; k <= m_lastDecade; ++k)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(powerOfTen(k)));
    const QRectF area(
        QPointF(labelWidth + 12.0, line + 10.0),
        QPointF(width() - metrics.horizontalAdvance(QStringLiteral("3")) / 2 - 10.0, height() - 2.0 * line - 12.0));
    if (area.width() < 40 || area.height() < 40)
        return;
    const double firstGap = m_curves.empty() ? kFirstGap : m_curves.gaps.front();
    const double lastGap = m_curves.empty() ? kLastGap : m_curves.gaps.back();
    const Axes axes{area, firstGap, lastGap, m_firstDecade, m_lastDecade};
    const QColor text = palette().color(QPalette::Text);

    // The grid: every decade of both axes, with the 2 … 9 between them fainter.
    const auto mantissas = [](int k, double first, double last, auto&& draw) {
        for (int m = 1; m <= 9; ++m) {
            const double value = m * std::pow(10.0, k);
            if (value >= first * (1 - 1e-9) && value <= last * (1 + 1e-9))
                draw(m, value);
        }
    };
    const int firstGapDecade = static_cast<int>(std::floor(std::log10(firstGap) + 1e-9));
    const int lastGapDecade = static_cast<int>(std::floor(std::log10(lastGap) + 1e-9));
    for (int k = firstGapDecade; k <= lastGapDecade; ++k)
        mantissas(k, firstGap, lastGap, [&](int m, double gap) {
            painter.setPen(pen(m == 1 ? kGridDecade : kGridMinor, 1.0));
            painter.drawLine(QPointF(axes.x(gap), area.top()), QPointF(axes.x(gap), area.bottom()));
        });
    const double firstAl = std::pow(10.0, m_firstDecade);
    const double lastAl = std::pow(10.0, m_lastDecade);
    for (int k = m_firstDecade; k <= m_lastDecade; ++k)
        mantissas(k, firstAl, lastAl, [&](int m, double al) {
            painter.setPen(pen(m == 1 ? kGridDecade : kGridMinor, 1.0));
            painter.drawLine(QPointF(area.left(), axes.y(al)), QPointF(area.right(), axes.y(al)));
        });
    painter.setPen(pen(text, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);

    // Labels: the gap's decades and the axis' end, AL's decades (and 2 and 5
    // where the axis spans a single decade).
    painter.setPen(text);
    const auto gapLabel = [&](double gap, const QString& label) {
        const double w = metrics.horizontalAdvance(label);
        painter.drawText(QRectF(axes.x(gap) - w / 2 - 2, area.bottom() + 3, w + 4, line), Qt::AlignCenter, label);
    };
    for (int k = firstGapDecade; k <= lastGapDecade; ++k)
        if (const double decade = std::pow(10.0, k); decade >= firstGap * (1 - 1e-9) && decade < lastGap * (1 - 1e-9))
            gapLabel(decade, QString::number(decade, 'g', 6));
    gapLabel(lastGap, QString::number(lastGap, 'g', 6));
    const bool oneDecade = m_lastDecade - m_firstDecade == 1;
    for (int k = m_firstDecade; k <= m_lastDecade; ++k)
        mantissas(k, firstAl, lastAl, [&](int m, double al) {
            if (m != 1 && !(oneDecade && (m == 2 || m == 5)))
                return;
            painter.drawText(QRectF(0, axes.y(al) - line / 2, area.left() - 5, line), Qt::AlignRight | Qt::AlignVCenter,
                             powerOfTen(k, m));
        });
    painter.drawText(QRectF(area.left(), area.bottom() + line + 4, area.width(), line), Qt::AlignHCenter,
                     tr("气隙 lg / mm"));
    painter.drawText(QRectF(0, 2, area.left() + 200, line), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("AL / nH"));

    if (m_curves.empty())
        return;

    painter.save();
    painter.setClipRect(area.adjusted(-1, -1, 1, 1));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(kUngapped, 1.0, Qt::DotLine));
    const double ungappedY = axes.y(m_curves.alUngapped);
    painter.drawLine(QPointF(area.left(), ungappedY), QPointF(area.right(), ungappedY));
    painter.setPen(pen(look::kNavy, 1.3, Qt::DashLine));
    painter.drawPath(curvePath(axes, m_curves.gaps, m_curves.alNoFringing));
    painter.setPen(pen(look::kDarkRed, 2.0));
    painter.drawPath(curvePath(axes, m_curves.gaps, m_curves.alFringing));
    painter.restore();

    // The published points over the curves; an ungapped one on the left edge,
    // where the dotted line of the computed ungapped AL starts.
    m_publishedMarks.clear();
    painter.setPen(pen(kPublished, 1.4));
    painter.setBrush(m_curves.publishedForMaterial ? QBrush(kPublished) : QBrush(palette().color(QPalette::Base)));
    for (const AlGapCurves::Published& point : m_curves.published) {
        const bool ungapped = point.gap <= 0.0;
        if (!axes.holdsAl(point.al) || (!ungapped && !axes.holdsGap(point.gap)))
            continue;
        const QPointF mark(ungapped ? area.left() : axes.x(point.gap), axes.y(point.al));
        drawDiamond(painter, mark, kPublishedSize);
        m_publishedMarks.emplace_back(mark, &point);
    }

    // The legend, top right, where the falling curves leave room.
    const bool published = !m_publishedMarks.empty();
    const QString legend[] = {tr("计边缘磁通"), tr("不计边缘磁通"), tr("无气隙"),
                              m_curves.publishedCaption};
    const QPen legendPens[] = {pen(look::kDarkRed, 2.0), pen(look::kNavy, 1.3, Qt::DashLine),
                               pen(kUngapped, 1.0, Qt::DotLine), pen(kPublished, 1.4)};
    const int entries = published ? 4 : 3;
    double legendWidth = 0.0;
    for (int i = 0; i < entries; ++i)
        legendWidth = std::max(legendWidth, metrics.horizontalAdvance(legend[i]));
    const double sample = 26.0;
    const QRectF box(area.right() - legendWidth - sample - 24, area.top() + 6, legendWidth + sample + 18,
                     entries * line + 8);
    painter.setPen(pen(kGridDecade, 1.0));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(box);
    for (int i = 0; i < entries; ++i) {
        const double y = box.top() + 4 + (i + 0.5) * line;
        painter.setPen(legendPens[i]);
        if (i == 3) {
            painter.setBrush(m_curves.publishedForMaterial ? QBrush(kPublished)
                                                           : QBrush(palette().color(QPalette::Base)));
            drawDiamond(painter, QPointF(box.left() + 5 + sample / 2, y), kPublishedSize);
        } else {
            painter.drawLine(QPointF(box.left() + 5, y), QPointF(box.left() + 5 + sample, y));
        }
        painter.setPen(text);
        painter.drawText(QRectF(box.left() + sample + 9, y - line / 2, legendWidth + 2, line),
                         Qt::AlignLeft | Qt::AlignVCenter, legend[i]);
    }

    if (!m_curves.working)
        return;
    // The working point: filled where it lies on the axes, hollow at the edge it lies beyond.
    const AlGapCurves::Point& working = *m_curves.working;
    const bool inside = axes.holdsGap(working.gap) && axes.holdsAl(working.al);
    const double gap = std::clamp(working.gap, firstGap, lastGap);
    const double al = std::clamp(working.al, firstAl, lastAl);
    const QPointF mark(axes.x(gap), axes.y(al));
    painter.setPen(pen(look::kDarkRed, 1.0, Qt::DashLine));
    if (inside) {
        painter.drawLine(QPointF(mark.x(), area.bottom()), mark);
        painter.drawLine(QPointF(area.left(), mark.y()), mark);
    }
    painter.setPen(pen(look::kDarkRed, 1.5));
    painter.setBrush(inside ? QBrush(look::kDarkRed) : QBrush(palette().color(QPalette::Base)));
    painter.drawEllipse(mark, 4.0, 4.0);

    // The figures go above and right of the mark, where both falling curves
    // leave room, or below and left of it where the right has none.
    drawPointLabel(painter, area, mark, working.label, true);
}

}  // namespace ferricalc
