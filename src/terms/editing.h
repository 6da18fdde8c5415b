#pragma once

#include <string_view>

namespace terms {

// Key filters of the term fields: each takes the typed character code and the field's current
// text and returns the code to type instead, 0 to drop the key.

// txtX: digits, one decimal point (a comma is typed as a point), signs.
int filterValueKey(int keyAscii, std::string_view text);

// txtF and txtFKT1..txtFKT4: the characters and letters a term can be built from.
int filterTermKey(int keyAscii);

// txtHilfsgleichung: the cubic equation with its decimal comma and upper-case X.
int filterCubicKey(int keyAscii);

}  // namespace terms
