#pragma once

#include <optional>
#include <string>
#include <string_view>

// The calculator's plausibility check of a term before it is evaluated.
namespace terms {

inline constexpr std::string_view kPruefOK = "OK";
inline constexpr std::string_view kKlammerpaare = "Klammerpaare überprüfen";
inline constexpr std::string_view kFormelFehler = "Formel enthält Fehler";

struct Pruefung {
    std::string verdict;  // kPruefOK, kKlammerpaare or kFormelFehler
    // For kFormelFehler: what was left over, shown in a message box (OK button, no icon, the
    // program's title) before the verdict.
    std::optional<std::string> box;
};

// Brackets are counted (not matched); then the accepted pieces are removed one after the other
// from the upper-cased term, and whatever is left is the fault. More than 32767 brackets of one
// kind overflow the 16-bit counter: Failure 6.
Pruefung PruefTerm(std::string_view term);

// Upper case as the program writes it: ASCII letters and the Latin-1 letters of UTF-8 text.
std::string upperCase(std::string_view text);

}  // namespace terms
