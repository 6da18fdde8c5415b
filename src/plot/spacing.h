#pragma once

#include <concepts>
#include <string_view>

#include "base/field_value.h"

namespace plot {

// A grid spacing that is a fraction of π, as the spacing fields name them: num·π/den.
struct PiSpacing {
    int num = 0, den = 0;  // 0: the spacing is a plain number
    bool isPi() const { return den != 0; }
};

// "Pi" is 1·π/1, "Pi/2" 1·π/2, "2Pi" 2·π/1; any other text none.
PiSpacing piSpacing(std::string_view text);

// A spacing field (txtXA, txtYA) as read: the text as a number, where "Pi/2" is none, and its
// name of π if it has one.
struct Spacing {
    Spacing() = default;
    template <class Text>
    requires std::convertible_to<const Text&, std::string_view> Spacing(
        const Text& text)  // NOLINT: a text converts as the field it fills
        : field(text), pi(piSpacing(field.text())) {}

    numtext::FieldValue field;
    PiSpacing pi;
};

// The value of a grid spacing: the names of π by the values the grid has always used for them,
// anything else as a number. Throws Failure for a spacing that is not a number.
double spacingValue(const Spacing& spacing);

}  // namespace plot
