// The reading aids over the plot: the axis numbers and the marked points of the analysis.
#include <QFontMetricsF>

#include "analysis/marked_points.h"
#include "app/frmFunktion.h"
#include "app/picture_painter.h"
#include "base/failure.h"
#include "plot/spacing.h"
#include "plot/square.h"

namespace {

plot::Symbol symbolOf(analysis::PointKind kind) {
    switch (kind) {
        case analysis::PointKind::Zero:
            return plot::Symbol::Circle;
        case analysis::PointKind::Extreme:
            return plot::Symbol::Square;
        case analysis::PointKind::Inflection:
            return plot::Symbol::Diamond;
        case analysis::PointKind::Intercept:
            return plot::Symbol::Triangle;
    }
    return plot::Symbol::Circle;
}

}  // namespace

plot::Layer frmFunktion::plotLayer() const {
    plot::Layer layer;
    layer.colour = AchsenFarbe;
    layer.background = style_.background;
    try {
        const plot::Ranges& r = view_.ranges;
        const QFontMetricsF metrics(PicturePainter::layerFont());
        const plot::LayerView view{r.ix1.number(),
                                   r.ix2.number(),
                                   r.iy1.number(),
                                   r.iy2.number(),
                                   plot::spacingValue(view_.xa),
                                   plot::spacingValue(view_.ya),
                                   NullpunktX,
                                   NullpunktY,
                                   AchsenFarbe,
                                   style_.background,
                                   [&metrics](const std::string& text) {
                                       return metrics.horizontalAdvance(toQString(text)) *
                                              plot::kTwipsPerPixel;
                                   },
                                   view_.xa.pi,
                                   view_.ya.pi};
        // Numbers belong to drawn axes: none on an empty picture.
        if (axisNumbersAction_->isChecked() && !retained().primitives().empty())
            layer = plot::axisNumbers(view);
        if (marksAction_->isChecked()) {
            std::vector<plot::WorldMark> marks;
            for (const analysis::MarkedPoint& p : analysis::markedPoints(panel_))
                marks.push_back({p.x, p.y, symbolOf(p.kind), p.label});
            // The labels keep off the curve of y, drawn or not: the points lie on it.
            const auto y = [k = analysed.koeff](double x) {
                return (((k.a * x + k.b) * x + k.c) * x + k.d) * x + k.e;
            };
            plot::addMarks(layer, view, marks, plot::curveInTwips(view, y));
        }
        if (legendAction_->isChecked())
            layer.legend =
                plot::placeLegend(retained().curves(), retained().primitives(), view.textWidth);
    } catch (const Failure&) {
        // A range or spacing that is no number: nothing to read the picture by.
    }
    return layer;
}
