#include "plot/range_fields.h"

#include "base/failure.h"
#include "base/numtext.h"

namespace plot {

namespace {

constexpr int ctrlC = 3, backspace = 8, enter = 13, ctrlV = 22;
constexpr int plus = 43, comma = 44, minus = 45, point = 46, slash = 47, nine = 57;

bool hasComma(std::string_view text) { return text.find(',') != std::string_view::npos; }

}  // namespace

KeyOutcome rangeKey(int key, std::string_view text) {
    if (key == ctrlC || key == ctrlV) return {key};
    if (key == point) key = comma;
    // Enter has done its work once the focus has moved; the field itself gets nothing.
    if (key == enter) return {0, true};
    KeyOutcome out{key};
    if (key == backspace) {
        // An empty field has no last character: the handler ends there and the key goes on.
        if (text.empty()) return {key};
        out.dropLast = true;
    }
    if (key < plus || key > nine || key == point || key == slash) {
        out.key = 0;
    } else if ((key == plus || key == minus) && !text.empty() &&
               (text.front() == '+' || text.front() == '-')) {
        out.key = 0;
    } else if (key == comma && hasComma(text)) {
        out.key = 0;
    }
    return out;
}

KeyOutcome spacingKey(int key, std::string_view text) {
    if (key == enter) return {0, true};
    if (key == point) key = comma;
    KeyOutcome out{key};
    if (key == backspace) {
        if (text.empty()) return {key};
        out.dropLast = true;
    }
    if (key < comma || key > nine || key == minus || key == point || key == slash) {
        out.key = 0;
    } else if (key == comma && hasComma(text)) {
        out.key = 0;
    }
    return out;
}

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
