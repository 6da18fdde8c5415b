#include "plot/range_fields.h"

#include "base/failure.h"
#include "base/numtext.h"

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

bool spacingDraws(std::string_view text) {
    if (text.empty()) return false;
    try {
        return numtext::parse(text) != 0;
    } catch (const Failure&) {
        return false;
    }
}

}  // namespace plot
