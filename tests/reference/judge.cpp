#include "judge.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using reference::Expected;

long double number(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    char* end = nullptr;
    const long double v = std::strtold(text.c_str(), &end);
    return text.empty() || *end != '\0' ? NAN : v;
}

bool fourDecimals(long double shown, long double exact) {
    return std::fabs(shown - exact) <= 5e-5L + 1e-9L * (1 + std::fabs(exact));
}

int degreeOf(const Expected& e) {
    for (int i = 0; i < 5; ++i)
        if (e.hundredths[i] != 0) return 4 - i;
    return -1;
}

long double coefficient(const Expected& e, int power) {
    return static_cast<long double>(e.hundredths[4 - power]) / 100;
}

// The discriminant by which the cubic solver chooses its case, for a*x^3 + b*x^2 + c*x + d.
long double discriminant(long double a, long double b, long double c, long double d) {
    const long double r = b / a, s = c / a, t = d / a;
    const long double p = s - r * r / 3, q = 2 * r * r * r / 27 - r * s / 3 + t;
    return p * p * p / 27 + q * q / 4;
}

// True when a cubic that the run solves has a discriminant that its rounding to 6 decimals
// may have put into the wrong case.
bool nearZero(long double disc) { return std::fabs(disc) < 5e-7L; }

// The discriminant of y' of a polynomial of degree 4.
long double derivativeDisc(const Expected& e) {
    return discriminant(4 * coefficient(e, 4), 3 * coefficient(e, 3), 2 * coefficient(e, 2),
                        coefficient(e, 1));
}
// The discriminant of the cubic whose roots are shown as zeros: y itself for degree 3, for
// degree 4 the auxiliary cubic, y divided by (x - p01).
long double zeroDisc(const Expected& e, long double p01) {
    if (degreeOf(e) == 3)
        return discriminant(coefficient(e, 3), coefficient(e, 2), coefficient(e, 1),
                            coefficient(e, 0));
    const long double a = coefficient(e, 4), b = coefficient(e, 3) + a * p01;
    const long double c = coefficient(e, 2) + b * p01, d = coefficient(e, 1) + c * p01;
    return discriminant(a, b, c, d);
}

void zeros(const Panel& shown, const Expected& e, Verdict& v) {
    const int deg = degreeOf(e);
    const std::string& p01 = shown.zeroX[0];
    const bool noP01 = deg == 4 && (p01.empty() || p01 == "#");
    const long double p01Value = number(p01);
    const bool nearDisc = (deg == 3 || (deg == 4 && !noP01)) && nearZero(zeroDisc(e, p01Value));
    std::vector<long double> listed;
    for (int i = 0; i < 4; ++i) {
        if (shown.zeroX[i].empty() || shown.zeroX[i] == "#") continue;
        listed.push_back(number(shown.zeroX[i]));
        if (shown.zeroY[i] != "0") v.causes.insert("zero: y is not 0");
    }
    for (std::size_t i = 0; i < listed.size(); ++i) {
        bool real = false, close = false;
        for (const reference::Root& r : e.ofY) {
            real = real || fourDecimals(listed[i], r.x);
            close = close || std::fabs(listed[i] - r.x) < 0.01L;
        }
        if (real) continue;
        if (deg == 4 && i == 0)
            v.causes.insert("zero: P01 is no zero");
        else if (nearDisc)
            v.causes.insert("zero: 6-decimal discriminant chose the cubic's case");
        else if (close)
            v.causes.insert("zero: imprecise (P01's 6 decimals in the auxiliary cubic)");
        else
            v.causes.insert("zero: false zero");
    }
    for (const reference::Root& r : e.ofY) {
        bool found = false;
        for (long double x : listed) found = found || fourDecimals(x, r.x);
        if (found) continue;
        bool inside = false;
        for (const reference::Root& s : e.ofY) inside = inside || std::fabs(s.x) <= 10;
        if (noP01 && !inside)
            v.causes.insert("zero: missing, all zeros outside -10..10 (P01 \"#\")");
        else if (noP01)
            v.causes.insert("zero: missing, the scan stepped over it (P01 \"#\")");
        else if (nearDisc)
            v.causes.insert("zero: 6-decimal discriminant chose the cubic's case");
        else
            v.causes.insert("zero: missing");
    }
}

// The rows of one group (kinds empty for the inflection points) against the points where the
// derivative changes sign; roots are all real roots of that derivative, those of even
// multiplicity being where it does not change sign.
void points(const std::string& what, const std::vector<std::string>& xs,
            const std::vector<std::string>& ys, const std::vector<std::string>& kinds,
            const std::vector<reference::Point>& truth, const std::vector<reference::Root>& roots,
            bool nearDisc, const Expected& e, Verdict& v) {
    std::vector<int> times(truth.size(), 0);
    for (std::size_t row = 0; row < xs.size(); ++row) {
        if (xs[row].empty()) continue;
        const long double x = number(xs[row]);
        std::size_t match = truth.size();
        for (std::size_t i = 0; i < truth.size(); ++i)
            if (fourDecimals(x, truth[i].x)) match = i;
        if (match == truth.size()) {
            bool saddle = false, close = false;
            for (const reference::Root& r : roots)
                saddle = saddle || (r.multiplicity % 2 == 0 && std::fabs(x - r.x) < 1e-3L);
            for (const reference::Point& p : truth) close = close || std::fabs(x - p.x) < 0.01L;
            if (saddle)
                v.causes.insert(what + ": listed where the derivative does not change sign");
            else if (nearDisc)
                v.causes.insert(what + ": 6-decimal discriminant chose the cubic's case");
            else if (close)
                v.causes.insert(what + ": x imprecise");
            else
                v.causes.insert(what + ": false point");
            continue;
        }
        if (++times[match] == 2) v.causes.insert(what + ": listed more than once");
        if (!kinds.empty() && kinds[row] != truth[match].kind)
            v.causes.insert(what + (kinds[row].empty() ? ": no min/max" : ": wrong min/max"));
        if (!fourDecimals(number(ys[row]), truth[match].y))
            v.causes.insert(what + (fourDecimals(number(ys[row]), e.yAt(x))
                                        ? ": y taken at the 4-decimal x"
                                        : ": y imprecise"));
    }
    for (std::size_t i = 0; i < truth.size(); ++i)
        if (times[i] == 0)
            v.causes.insert(what + (nearDisc ? ": missing, 6-decimal discriminant" : ": missing"));
}

}  // namespace

Verdict judge(const Panel& shown, const Expected& e) {
    Verdict v;
    zeros(shown, e, v);
    const auto list = [](const auto& a) { return std::vector<std::string>(a.begin(), a.end()); };
    const bool discY1 = degreeOf(e) == 4 && nearZero(derivativeDisc(e));
    points("extreme point", list(shown.extremeX), list(shown.extremeY), list(shown.extremeKind),
           e.extremes, e.ofY1, discY1, e, v);
    points("inflection point", list(shown.inflectionX), list(shown.inflectionY), {}, e.inflections,
           e.ofY2, false, e, v);
    if (shown.interceptX != "0" || number(shown.interceptY) != coefficient(e, 0))
        v.causes.insert("y-intercept");
    v.correct = v.causes.empty();
    return v;
}
