#pragma once

#include <string>
#include <utility>

#include "exact/rational.h"

namespace steckbrief {

// A rational as it stands in the equations and the Probe: "3", "−3/2", with the typographic minus.
inline std::string schoolNumber(const exact::Rational& r) {
    const std::string t = r.text();
    return t[0] == '-' ? "−" + t.substr(1) : t;
}

// The number of a row of the system as students write it: I, II, III, IV, …
inline std::string roman(std::size_t n) {
    static const std::pair<std::size_t, const char*> kDigits[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    std::string text;
    for (const auto& [value, digits] : kDigits)
        for (; n >= value; n -= value) text += digits;
    return text;
}

}  // namespace steckbrief
