#pragma once

#include <optional>
#include <string>
#include <string_view>

// The key filters and the completions of the range fields (txtIX1 .. txtIY2) and the spacing
// fields (txtXA, txtYA) above the plot square.
namespace plot {

// What a key filter does with a typed character code.
struct KeyOutcome {
    int key;                 // the code to type: unchanged, replaced, or 0 (cancelled)
    bool nextField = false;  // Enter: the focus moves on to the next field
    bool dropLast = false;   // Backspace: the field's last character goes, the caret to the end
};

// The range fields: copy and paste pass, "." becomes ",", only signs, the comma and digits
// pass; a second sign at the front and a second comma are refused.
KeyOutcome rangeKey(int key, std::string_view text);

// The spacing fields: only the comma and digits pass (no signs, no copy or paste), one comma.
KeyOutcome spacingKey(int key, std::string_view text);

// The text a range field's change handler puts in place of a leading comma ("," "-," "+,"),
// or nothing when there is nothing to complete.
std::optional<std::string> completeRange(std::string_view text);

// The same for a spacing field (only ",").
std::optional<std::string> completeSpacing(std::string_view text);

// Whether a spacing field's change handler draws the grid: the text is a number other than 0.
// An empty text or one that is no number draws nothing.
bool spacingDraws(std::string_view text);

}  // namespace plot
