#pragma once
// Core loss against flux density, as ferrite data sheets draw it: B̂ on a
// logarithmic axis of whole decades (mT), Pv on another (kW/m³), one curve per
// temperature at the operating frequency, and the working point marked with
// its figures. Drawn with QPainter, so it stays sharp at any scaling.

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace ferricalc {

struct PvCurves {
    std::vector<double> flux;   // B̂, mT, ascending
    std::vector<double> cool;   // Pv at 25 °C, kW/m³, one per flux (NaN where none)
    std::vector<double> hot;    // Pv at 100 °C
    QString heading;            // what the curves are of: "N87，100 kHz，正弦"

    struct Point {
        double flux;  // mT
        double pv;    // kW/m³
        QString label;
    };
    std::optional<Point> working;

    bool empty() const { return flux.empty(); }
};

class PvPlot : public QWidget {
public:
    explicit PvPlot(QWidget* parent = nullptr);

    // Empty curves leave the axes blank, with `why` in their middle.
    void setCurves(PvCurves curves, const QString& why = {});
    const PvCurves& curves() const { return m_curves; }

    QSize sizeHint() const override { return {380, 320}; }
    QSize minimumSizeHint() const override { return {200, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PvCurves m_curves;
    QString m_why;
    int m_firstDecade = 0;  // Pv's axis, powers of ten
    int m_lastDecade = 3;
};

}  // namespace ferricalc
