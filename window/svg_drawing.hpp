#pragma once
// Drawing an SVG resource, for the few places that draw one while the program
// runs: a drawing at a device pixel ratio the build did not prerender, an icon
// size it did not draw, the drawing in a PDF report. Qt's SVG library is not
// linked into the program: it lives in a small module beside it
// (window/svg_module.cpp), loaded the first time something is drawn, so that
// starting the program neither loads nor relocates it.

#include <QRectF>
#include <QString>

class QPainter;

namespace ferricalc {

enum class SvgFit {
    Fill,             // the picture fills `box`
    KeepAspectRatio,  // as large as fits in `box`, from its top left
};

// Draws the SVG resource (":/drawings/ring.svg") into `box`; false, with
// nothing drawn, when the module or the picture cannot be read.
bool drawSvg(const QString& resource, QPainter& painter, const QRectF& box, SvgFit fit = SvgFit::Fill);

}  // namespace ferricalc
