#pragma once

#include <array>
#include <string>
#include <vector>

// What the result panel should show for y = A*x^4 + B*x^3 + C*x^2 + D*x + E with coefficients
// in hundredths, computed without any of the program's code: multiplicities exactly (whole
// numbers in 128 bits: square-free parts and Sturm counts), root values in long double
// (Durand-Kerner on each square-free part, polished by Newton's method).
namespace reference {

struct Root {
    long double x = 0;
    int multiplicity = 0;
};

struct Point {
    long double x = 0, y = 0;
    std::string kind;  // "min" or "max" for an extreme point, empty for an inflection point
};

struct Expected {
    bool decided = true;                // false: the exact arithmetic ran out of 128 bits
    std::vector<Root> ofY, ofY1, ofY2;  // the distinct real roots of y, y', y'', ascending
    std::vector<Point> extremes;        // where y' changes sign, with its kind
    std::vector<Point> inflections;     // where y'' changes sign
    long double yAt(long double x) const;
    std::array<long long, 5> hundredths{};  // A..E
};

// The hundredths of A, B, C, D, E, in this order.
Expected expectedFor(const std::array<long long, 5>& hundredths);

}  // namespace reference
