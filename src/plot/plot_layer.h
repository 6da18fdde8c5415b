#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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
};

enum class Symbol { Circle, Square, Diamond, Triangle };

struct LayerMark {
    double x, y;  // the point, in twips
    Symbol symbol;
    std::string label;  // written to the upper right of the symbol
};

struct LayerLine {
    double x1, y1, x2, y2;
};

struct Layer {
    std::vector<LayerLine> ticks;
    std::vector<LayerText> numbers;
    std::vector<LayerMark> marks;
    Colour colour = 0;      // of ticks, numbers, symbols' outlines and labels
    Colour background = 0;  // behind the numbers and labels, so that no line runs through them
};

// The height of a number's text, in twips (10 pixels): the window writes them in this size.
inline constexpr double kNumberHeight = 150;

// What a layer is made from.
struct LayerView {
    double xmin, xmax, ymin, ymax;  // the ranges
    double dx, dy;                  // the grid spacings
    std::int32_t nullpunktX, nullpunktY;
    Colour colour;
    Colour background;
    // The width of a number's text in twips, as the window writes it.
    std::function<double(const std::string&)> textWidth;
};

// A marked point in world coordinates.
struct WorldMark {
    double x, y;
    Symbol symbol;
    std::string label;
};

// The ticks at the grid spacings, counted from the axes as the grid lines are, and numbered in
// German notation with as few decimals as the step needs; where numbers would come closer than
// their own width, only every 2nd, 5th, 10th, 20th .. is numbered (and ticked, where ticks would
// crowd). An axis outside the square has its ticks and numbers on the nearest edge. Nothing is
// placed outside the square. No ticks for a range or spacing that does not make sense.
Layer axisNumbers(const LayerView& view);

// The marks of the points inside the square, anchored at NullpunktY like the curves; points on
// the same spot share one symbol and their labels.
void addMarks(Layer& layer, const LayerView& view, const std::vector<WorldMark>& marks);

// The text of a multiple of a step as the result fields write numbers: "0,5", "1", "1.000",
// rounded to the decimals the step needs (at most 3), without trailing zeros.
std::string stepNumber(double value, double step);

}  // namespace plot
