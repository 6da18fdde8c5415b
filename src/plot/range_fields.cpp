#include "plot/range_fields.h"

namespace plot {

std::optional<std::string> completeRange(std::string_view text) {
    if (text.starts_with(",")) return "0,";
    if (text.starts_with("-,")) return "-0,";
    if (text.starts_with("+,")) return "0,";
    return std::nullopt;
}

std::optional<std::string> completeSpacing(std::string_view text) {
    if (text.starts_with(",")) return "0,";
    return std::nullopt;
}

bool spacingDraws(const numtext::FieldValue& spacing) {
    return spacing.isNumber() && spacing.number() != 0;
}

}  // namespace plot
