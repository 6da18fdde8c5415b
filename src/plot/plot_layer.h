#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/grid.h"
#include "plot/legend.h"
#include "plot/surface.h"

// The reading aids over the plot: ticks and numbers on the axes at the grid spacings, and the
// marked points of the analysis. In window twips, like the primitives, but never part of them.
namespace plot {

enum class Anchor {
    Above,  // the text's bottom centre at the point
    Below,  // its top centre
    Left,   // its right end, centred in height
    Right,  // its left end
};

struct LayerText {
    double x, y;
    Anchor anchor;
    std::string text;
    bool onXAxis = false;  // a number of the x-axis, else of the y-axis
};

enum class Symbol { Circle, Square, Diamond, Triangle };

// A rectangle in window twips.
struct Box {
    double left, top, width, height;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

struct LayerMark {
    double x, y;  // the point, in twips
    Symbol symbol;
    std::string label;  // every name of the point, "N2, N3, E1 min"
    Box box{};          // where the label stands, on whole pixels of the square
};

struct LayerLine {
    double x1, y1, x2, y2;
};

struct Layer {
    std::vector<LayerLine> ticks;
    std::vector<LayerText> numbers;
    std::vector<LayerMark> marks;
    Legend legend;
    Colour colour = 0;      // of ticks, numbers, symbols' outlines and labels
    Colour background = 0;  // behind the numbers and labels, so that no line runs through them
};

// The height of a number's text, in twips (10 pixels): the window writes them in this size.
inline constexpr double kNumberHeight = 150;
// A label's box: its text's height and a pixel above and below.
inline constexpr double kLabelHeight = 180;
// Half a symbol's width (4.5 pixels): the symbols are 9 pixels across.
inline constexpr double kSymbolRadius = 67.5;

// What a layer is made from.
struct LayerView {
    double xmin, xmax, ymin, ymax;  // the ranges
    double dx, dy;                  // the grid spacings
    std::int32_t nullpunktX, nullpunktY;
    Colour colour;
    Colour background;
    // The width of a number's text in twips, as the window writes it.
    std::function<double(const std::string&)> textWidth;
    PiSpacing xPi{}, yPi{};  // spacings that are numbered in multiples of π
};

// A marked point in world coordinates.
struct WorldMark {
    double x, y;
    Symbol symbol;
    std::string label;
};

// A point of the curve of y in window twips; a polyline of them is what labels keep off.
struct TwipPoint {
    double x, y;
};

// The ticks at the grid spacings, counted from the axes as the grid lines are, and numbered in
// German notation with as many decimals as the numbered step needs; where numbers would come
// closer than their own width, only every 2nd, 5th, 10th, 20th .. is numbered (and ticked, where
// ticks would crowd). An axis outside the square has its ticks and numbers on the nearest edge.
// Nothing is placed outside the square. No ticks for a range or spacing that does not make sense.
Layer axisNumbers(const LayerView& view);

// The marks of the points inside the square, anchored at NullpunktY like the curves; points on
// the same spot (within a pixel) share one symbol and one label with all their names. Each label
// takes the first free place around its point, trying upper right, upper left, lower right, lower
// left, above, below, right and left, then the same a little farther out: clear of the other
// labels, of every symbol, of the axis numbers already in the layer and of the square's edge, and
// where there is room, of the curve.
void addMarks(Layer& layer, const LayerView& view, const std::vector<WorldMark>& marks,
              const std::vector<TwipPoint>& curve = {});

// The curve of y = f(x) across the square, a point every two pixels, in window twips; values far
// beyond the square are held just outside it, so that the polyline stays finite.
std::vector<TwipPoint> curveInTwips(const LayerView& view, const std::function<double(double)>& f);

// The text of a multiple of a step as the result fields write numbers: "0,5", "1", "1.000",
// "0,000015", with as many decimals as the step needs to tell neighbours apart, without trailing
// zeros.
std::string stepNumber(double value, double step);

// The text of k·num·π/den in lowest terms: "0", "π/2", "π", "3π/2", "-2π".
std::string piNumber(long long k, PiSpacing spacing);

}  // namespace plot
