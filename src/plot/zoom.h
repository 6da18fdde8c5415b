#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "plot/ranges.h"
#include "plot/spacing.h"

// The point readout and the zoom of the plot square: a click position in twips relative to the
// square's top-left corner (0..7005, y downwards) turned into world coordinates.
namespace plot {

struct WorldPoint {
    double x, y;
};

// x = (X2 - X1) * X / 7005 + X1, y = Y2 - (Y2 - Y1) * Y / 7005. Throws Failure for a range
// that is not a number or a result out of range.
WorldPoint clickToWorld(const Ranges& r, float x, float y);

// "Po1( x ; y )" with both values rounded to the decimals (halves to even).
std::string pointCaption(double x, double y, int decimals);

// The caption of lblPo for a right click: the point rounded to 8 decimals, then to
// log10(zoom factor) + 1 decimals. Throws Failure (a factor caption of "0", say).
std::string readout(const Ranges& r, const std::string& zoomCaption, float x, float y);

// What a zoom does, worked out before any field is touched.
struct ZoomStep {
    std::string caption;   // the new caption of lblPo, set even when the zoom is refused
    bool refused = false;  // a spacing below 0,00001: the message, nothing else changes
    // The new texts, set in this order: txtXA, txtIX1, txtIX2, then txtYA, txtIY1, txtIY2.
    std::string xa, ix1, ix2, ya, iy1, iy2;
    std::string factor;  // the new caption of lblZoom, 1 / (new x spacing) as "#,##0"
};

// Two old spacings around the clicked point, rounded to 1 - log10(dx) decimals (at least 0),
// a tenth of the spacings. Throws Failure for ranges or spacings that are no numbers
// ("Pi" included) or a spacing not above 0.
ZoomStep zoom(const Ranges& r, const Spacing& xa, const Spacing& ya, float x, float y);

// The inverse of a zoom around the clicked point: spacings ten times wider, ten of them on either
// side of the point, which is rounded to 1 - log10(new x spacing) decimals. Nothing once the zoom
// factor is back at the reset view's 1. Throws Failure as zoom does.
std::optional<ZoomStep> zoomOut(const Ranges& r, const Spacing& xa, const Spacing& ya,
                                const std::string& zoomCaption, float x, float y);

// The caption of lblPo while the curve of y is traced: x under the pointer as the readout rounds
// it, y = y(x) from the y term (upper case, as it stands in its field), both to the readout's
// decimals. Nothing where the term has no value at x. Throws Failure as readout does.
std::optional<std::string> traceReadout(const Ranges& r, const std::string& zoomCaption,
                                        const std::string& yTerm, float x);

// A view moved by dragging: the new range texts.
struct PanStep {
    std::string ix1, ix2, iy1, iy2;
};

// The ranges moved against the pointer's way, by dx and dy twips (dragging to the right brings
// in what lay to the left); the world distance is rounded as a zoom rounds its centre, to
// 1 - log10(x spacing) decimals. Throws Failure as zoom does.
PanStep pan(const Ranges& r, const Spacing& xa, float dx, float dy);

// The text that a double click on lblPo copies into txtP01X: what stands between "Po1(" and
// the first ";", the blank before the number included. Nothing when the caption holds no ";"
// in its place.
std::optional<std::string> readoutX(std::string_view caption);

}  // namespace plot
