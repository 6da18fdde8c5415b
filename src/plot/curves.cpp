#include "plot/curves.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "base/failure.h"
#include "base/numtext.h"
#include "plot/square.h"
#include "terms/evaluator.h"
#include "terms/normterm.h"

namespace plot {

namespace {

constexpr double intervals = 5000;
// The old platform's "invalid property value": a pen width below 1.
constexpr int invalidPropertyValue = 380;

// The pen width text as a whole number of pixels, as the old platform's 16-bit property took it.
int curveWidthOf(const std::string& text) {
    const double value = numtext::parse(text);
    if (!(value >= -32768.5 && value < 32767.5)) throw Failure(failure::Overflow);
    const std::int32_t width = numtext::toInt32(value);
    if (width < 1) throw Failure(invalidPropertyValue);
    return static_cast<int>(width);
}

// The x of each sample, from xmin on by step while inside the domain, and after them the x one
// step beyond the last, where a line from the last sample ends. A step too small to change x any
// more ends the sampling.
std::vector<double> samplePoints(double xmin, double xmax, double step) {
    std::vector<double> xs;
    for (double x = xmin; step > 0 ? x <= xmax : x >= xmax;) {
        xs.push_back(x);
        const double next = x + step;
        if (next == x) break;
        x = next;
    }
    if (!xs.empty()) xs.push_back(xs.back() + step);
    return xs;
}

// Every sample's value, or the number of the failure it met, all at once. A sample that is no
// longer finite has no number text to substitute.
std::vector<terms::Sample> evaluateAll(const terms::Program& program,
                                       const std::vector<double>& xs) {
    std::vector<terms::Sample> values(xs.size());
    program.sampleAll(xs, values);
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (!std::isfinite(xs[i])) values[i] = {0, failure::Overflow};
    return values;
}

}  // namespace

terms::Program compileCurveTerm(const std::string& term, bool normalised) {
    std::string text = normalised ? terms::NormTerm(term) : term;
    std::replace(text.begin(), text.end(), ',', '.');
    return terms::compile(text);
}

std::optional<int> curvePenWidth(const std::string& text) {
    try {
        return curveWidthOf(text);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

std::string curveKey(const Ranges& r, const Curve& c, std::int32_t nullpunktY, int penWidth) {
    std::string key;
    // Each text with its length in front, so that no text can pass for the next.
    for (const std::string* t :
         {&c.term, &r.ix1.text(), &r.ix2.text(), &r.iy1.text(), &r.iy2.text(), &c.penWidth})
        key += std::to_string(t->size()) + ':' + *t;
    // A text that is no width leaves the pen as it was.
    const int width = curvePenWidth(c.penWidth).value_or(penWidth);
    key += ' ' + std::to_string(static_cast<int>(c.kind)) + ' ' + std::to_string(c.colour) + ' ' +
           std::to_string(nullpunktY) + ' ' + std::to_string(width);
    return key;
}

int drawCurve(Surface& s, const Ranges& r, const Curve& c, std::int32_t nullpunktY) {
    // Failures before the first sample do not end the drawing at once; the last one waits.
    int pending = 0;
    auto attempt = [&pending](auto&& work) {
        try {
            work();
        } catch (const Failure& f) {
            pending = f.number();
        }
    };
    attempt([&] { s.setPenWidth(curveWidthOf(c.penWidth)); });
    if (c.term.empty()) return 0;

    const terms::Program program = compileCurveTerm(c.term, c.kind == CurveKind::Single);

    double xmin = 0, xmax = 0, ymin = 0, ymax = 0, step = 0;
    attempt([&] { xmin = r.ix1.number(); });
    attempt([&] { xmax = r.ix2.number(); });
    attempt([&] { ymin = r.iy1.number(); });
    attempt([&] { ymax = r.iy2.number(); });
    attempt([&] { step = checkFinite(xmax - xmin) / intervals; });
    // Equal bounds: the sampling would never advance.
    if (step == 0) return 0;

    const std::vector<double> xs = samplePoints(xmin, xmax, step);
    const std::vector<terms::Sample> values = evaluateAll(program, xs);
    const bool second = c.kind != CurveKind::Single;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        const double x = xs[i];
        const double next = xs[i + 1];
        terms::Sample here = values[i];
        if (i == 0 && here.failure == 0) here.failure = pending;
        if (here.failure != 0 && here.failure != failure::InvalidArgument) return here.failure;
        if (here.failure != 0) continue;

        terms::Sample there;
        if (second) there = values[i + 1];
        if (there.failure != 0 && there.failure != failure::InvalidArgument) return there.failure;
        const bool inside =
            ymin < here.value && here.value < ymax &&
            (!second || (there.failure == 0 && ymin < there.value && there.value < ymax));
        if (!inside) continue;
        try {
            const double px1 = checkFinite(windowX(x, xmin, xmax));
            const double py1 = checkFinite(windowY(here.value, nullpunktY, ymin, ymax));
            if (kSquareTop < py1 && py1 < kSquareBottom) {
                if (c.kind == CurveKind::Lines) {
                    const double px2 = checkFinite(windowX(next, xmin, xmax));
                    const double py2 = checkFinite(windowY(there.value, nullpunktY, ymin, ymax));
                    s.line(static_cast<float>(px1), static_cast<float>(py1),
                           static_cast<float>(px2), static_cast<float>(py2), c.colour);
                } else {
                    s.point(static_cast<float>(px1), static_cast<float>(py1), c.colour);
                }
            }
        } catch (const Failure& f) {
            return f.number();
        }
    }
    return 0;
}

}  // namespace plot
