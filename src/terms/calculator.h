#pragma once

#include <optional>
#include <string>
#include <string_view>

// The calculator: the term of txtF evaluated at the value of txtX.
namespace terms {

struct Calculation {
    std::string x;                   // the new text of txtX: its commas written as points
    std::optional<std::string> box;  // what the syntax check shows in its box, if anything
    std::string result;              // the caption of lblErgebnis: the value or a verdict
    bool focusTerm = true;           // the focus goes to txtF afterwards
};

// Upper case, the value inserted as text for every "(X)", the calculator's normalisation, the
// syntax check, the evaluation. Every failure ends in "Formel enthält Fehler".
Calculation calculate(std::string_view term, std::string_view x);

}  // namespace terms
