#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "plot/ranges.h"
#include "plot/surface.h"
#include "terms/evaluator.h"

// The five function curves: a term sampled at 5001 points across the domain.
namespace plot {

enum class CurveKind {
    Points,  // y in point mode: a point where this sample and the next lie inside the range
    Lines,   // y in line mode: a segment to the next sample where both lie inside the range
    Single,  // y' .. y''' and HG: normalised first, a point where the sample lies inside
};

struct Curve {
    std::string term;  // the field's text in upper case
    CurveKind kind;
    Colour colour;         // the swatch colour
    std::string penWidth;  // the text of cbStrich
};

// Draws one curve over what is on the surface and returns 0, or the number of the failure
// that ended it (for the message "Fehler in der ... Funktion"). The pen width is set first and
// stays; an empty term draws nothing. A failure before the first sample (the pen width, a
// range text) waits for the first sample and ends the drawing there, unless that sample has no
// value (number 5), which is skipped as always. Equal bounds draw nothing. Never throws.
// A curve's term as it is sampled: normalised first (y' .. y''' and HG) or as it stands (y), the
// decimal comma as a point, compiled with "(X)" as the variable.
terms::Program compileCurveTerm(const std::string& term, bool normalised);

int drawCurve(Surface& s, const Ranges& r, const Curve& c, std::int32_t nullpunktY);

// The pen width that drawCurve sets before its first sample, or none for a text that is no width.
std::optional<int> curvePenWidth(const std::string& text);

// Everything that decides the primitives and the result of drawCurve on a surface whose pen
// width is `penWidth` before, as one text: two drawings with the same key draw the same.
std::string curveKey(const Ranges& r, const Curve& c, std::int32_t nullpunktY, int penWidth);

}  // namespace plot
