#pragma once

#include <string>

#include "document/document.h"

// The document as Unicode plain text, as a person types school mathematics on one line:
// x², x₁, √2, 1/4, (1 + √5)/2, brackets only where the line needs them.
namespace doc {

std::string plainText(const Math& math);
std::string plainText(const Document& document);

}  // namespace doc
