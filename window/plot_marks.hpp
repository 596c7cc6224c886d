#pragma once
// What the plots of the design window share: a curve on logarithmic axes,
// and the working point's figures in a box beside its mark, kept inside the
// plot's area.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cmath>
#include <vector>

class QPainter;

namespace ferricalc {

// The figures (lines split by '\n') in dark red on the paper colour, beside
// `mark`: above and right of it (`above`, for falling curves) or below and
// right (rising curves), and below and left where the right has no room.
void drawPointLabel(QPainter& painter, const QRectF& area, QPointF mark, const QString& label, bool above);

// A curve through (xs[i], ys[i]) on a plot's axes (anything with x() and y()
// that place a value): broken where a y is not a positive, finite figure.
template <typename Axes>
QPainterPath curvePath(const Axes& axes, const std::vector<double>& xs, const std::vector<double>& ys)
{
    QPainterPath path;
    bool started = false;
    for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
        if (!(ys[i] > 0.0) || !std::isfinite(ys[i])) {
            started = false;
            continue;
        }
        const QPointF point(axes.x(xs[i]), axes.y(ys[i]));
        if (started)
            path.lineTo(point);
        else
            path.moveTo(point);
        started = true;
    }
    return path;
}

}  // namespace ferricalc
