#include "analysis/p01_check.h"

#include <algorithm>
#include <cmath>

#include "analysis/newton.h"
#include "analysis/polynomial_ops.h"
#include "base/numtext.h"

namespace analysis {
namespace {

std::string noZero(double v) {
    return numtext::format(v) + " ist keine Nullstelle der Grundfunktion.\r\n";
}

}  // namespace

P01Check checkP01(const Polynomial& y, std::string_view p01x) {
    const double v = numtext::parse(p01x);
    // Where y(v) already is 0 within rounding its value is noise, and Newton's steps would
    // only follow that noise away from v.
    if (zeroWithinRounding(y, v)) return {P01Check::Outcome::Keep, v, std::string(p01x), ""};
    const NewtonResult z = newton(y, v);
    if (!z.reachedZero)
        return {P01Check::Outcome::Reject, v, std::string(p01x),
                noZero(v) +
                    "Tragen Sie bei P01 eine Nullstelle der Grundfunktion ein.\r\n"
                    "Existiert keine Nullstelle, tragen Sie das Zeichen  #  ein!\r\n"
                    "Starten Sie dann die Berechnung über die blaue Start-Taste rechts unten "
                    "erneut."};
    if (std::fabs(z.x - v) <= 1e-6 * std::max(1.0, std::fabs(v)))
        return {P01Check::Outcome::Keep, z.x, std::string(p01x), ""};
    // Written as the zero search writes a zero: six decimals, short enough for the field.
    const double replacement = numtext::roundTo(z.x, 6);
    const std::string text = numtext::format(replacement);
    return {P01Check::Outcome::Replace, replacement, text,
            noZero(v) + "Die Berechnung wird mit der nahe gelegenen Nullstelle " + text +
                " fortgesetzt."};
}

}  // namespace analysis
