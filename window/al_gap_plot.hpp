#pragma once
// AL against the air gap, drawn as ferrite data sheets draw it: the gap on a
// logarithmic axis from 0.01 to 3 mm (wider where the working point lies beyond), AL on a logarithmic axis of whole
// decades, the curve with the fringe field solid, the one without it dashed,
// the ungapped AL as a dotted line, and the working point marked with its
// figures. A working point off the axes is drawn hollow at the edge it lies
// beyond. The makers' published AL of the set, where the design has them,
// stand over the curves as diamonds (a published ungapped AL on the left edge,
// at the dotted line's end); hovering one names its material and figures.
// Drawn with QPainter, so it stays sharp at any scaling.

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace ferricalc {

struct AlGapCurves {
    std::vector<double> gaps;         // mm, ascending: the first and last span the gap axis
    std::vector<double> alFringing;   // nH, one per gap
    std::vector<double> alNoFringing;  // nH, one per gap
    double alUngapped = 0.0;          // nH

    struct Point {
        double gap;    // mm
        double al;     // nH
        QString label;  // the figures written beside the mark
    };
    std::optional<Point> working;

    // A maker's published AL of the set at a printed gap (0: ungapped).
    struct Published {
        double gap;        // mm
        double al;         // nH
        QString material;  // "3C90"
    };
    std::vector<Published> published;
    // The legend's words for them: the chosen material's ("公布值 3C90"), or
    // the set's in other materials.
    QString publishedCaption;
    bool publishedForMaterial = false;  // the chosen material's: filled; others': hollow

    bool empty() const { return gaps.empty(); }
};

class AlGapPlot : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(AlGapPlot)

public:
    // The gap axis at least; a working point beyond widens it to its decade.
    static constexpr double kFirstGap = 0.01;  // mm
    static constexpr double kLastGap = 3.0;   // mm

    explicit AlGapPlot(QWidget* parent = nullptr);

    // Empty curves leave the axes blank (a refused input, or no core).
    void setCurves(AlGapCurves curves);
    const AlGapCurves& curves() const { return m_curves; }

    // The decades the AL axis spans, as powers of ten: [first, last].
    int firstDecade() const { return m_firstDecade; }
    int lastDecade() const { return m_lastDecade; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void draw(QPainter& painter);

    QPixmap m_drawn;  // the plot as the screen last showed it; null once anything changed
    // Where a published point is drawn, for the tooltip; empty until painted.
    std::vector<std::pair<QPointF, const AlGapCurves::Published*>> m_publishedMarks;
    AlGapCurves m_curves;
    int m_firstDecade = 1;
    int m_lastDecade = 4;
};

}  // namespace ferricalc
