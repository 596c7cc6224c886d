#pragma once
// What the plots of the design window share: the working point's figures in
// a box beside its mark, kept inside the plot's area.

#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace ferricalc {

// The figures (lines split by '\n') in dark red on the paper colour, beside
// `mark`: above and right of it (`above`, for falling curves) or below and
// right (rising curves), and below and left where the right has no room.
void drawPointLabel(QPainter& painter, const QRectF& area, QPointF mark, const QString& label, bool above);

}  // namespace ferricalc
