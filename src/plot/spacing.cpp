#include "plot/spacing.h"

namespace plot {

namespace {

struct NamedPiSpacing {
    const char* text;
    double value;
    PiSpacing fraction;
};
constexpr NamedPiSpacing kPiSpacings[] = {
    {"Pi", 3.14159265358979, {1, 1}},    {"Pi/2", 1.5707963267949, {1, 2}},
    {"Pi/3", 1.0471975511966, {1, 3}},   {"Pi/4", 0.785398163397448, {1, 4}},
    {"Pi/6", 0.523598775598299, {1, 6}}, {"2Pi", 6.28318530717959, {2, 1}}};

const NamedPiSpacing* namedPi(std::string_view text) {
    for (const NamedPiSpacing& named : kPiSpacings)
        if (text == named.text) return &named;
    return nullptr;
}

}  // namespace

PiSpacing piSpacing(std::string_view text) {
    const NamedPiSpacing* named = namedPi(text);
    return named ? named->fraction : PiSpacing{};
}

double spacingValue(const Spacing& spacing) {
    if (const NamedPiSpacing* named = namedPi(spacing.field.text())) return named->value;
    return spacing.field.number();
}

}  // namespace plot
