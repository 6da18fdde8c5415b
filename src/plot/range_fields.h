#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/field_value.h"

// The change handling of the range fields (txtIX1 .. txtIY2) and the spacing fields (txtXA,
// txtYA) above the plot square.
namespace plot {

// The text a range field's change handler puts in place of a leading comma ("," "-," "+,"),
// or nothing when there is nothing to complete.
std::optional<std::string> completeRange(std::string_view text);

// The same for a spacing field (only ",").
std::optional<std::string> completeSpacing(std::string_view text);

// Whether a spacing field's change handler draws the grid: the text is a number other than 0.
// An empty text or one that is no number draws nothing.
bool spacingDraws(const numtext::FieldValue& spacing);

}  // namespace plot
