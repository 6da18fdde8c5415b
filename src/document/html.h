#pragma once

#include <string>

#include "document/document.h"

// The document as an HTML fragment for the clipboard: the title an h1, each section an h2 with
// its paragraphs; fractions as raised numerator over lowered denominator, roots under a bar.
namespace doc {

std::string html(const Math& math);
std::string html(const Document& document);

}  // namespace doc
