#pragma once

#include <string>

#include "document/document.h"

// The document as a LaTeX fragment for amsmath, amssymb and babel (ngerman) with utf8 input:
// the title and headings as starred sections, lines of calculation in align*, sentences as text
// with inline mathematics. Words stand in \text{}; every other character is a LaTeX command or
// plain ASCII, so that pdflatex needs no further package.
namespace doc {

// In math mode: "\frac{1}{4}x^{4} - 2x^{2}".
std::string latex(const Math& math);
std::string latex(const Document& document);

}  // namespace doc
