// The calculator's plausibility check: one of its three verdicts for any text, and what it
// shows as the fault is what is left of the term.

#include <algorithm>
#include <string>

#include "support.h"
#include "terms/pruefterm.h"

namespace {

using fuzz::require;

// Removing the accepted pieces takes every one of these characters away.
constexpr std::string_view kAcceptedSingles = " ^.-+/*()0123456789";

bool isSubsequence(std::string_view part, std::string_view whole) {
    std::size_t i = 0;
    for (char c : whole)
        if (i < part.size() && part[i] == c) ++i;
    return i == part.size();
}

// Decodes the whole text as UTF-8 (no overlong forms) or says it is not.
bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t length = c < 0x80                ? 1
                                   : c >= 0xC2 && c < 0xE0 ? 2
                                   : c >= 0xE0 && c < 0xF0 ? 3
                                   : c >= 0xF0 && c < 0xF5 ? 4
                                                           : 0;
        if (length == 0 || i + length > s.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view term = fuzz::text(data, size);
    const std::string upper = terms::upperCase(term);
    require(upper.size() == term.size(), "upper case keeps the length");
    require(!validUtf8(term) || validUtf8(upper), "upper case keeps UTF-8 valid");
    require(terms::upperCase(upper) == upper, "upper case of upper case changes nothing");

    const auto checked = fuzz::attempt([&] { return terms::PruefTerm(term); });
    const auto brackets = std::max(std::count(term.begin(), term.end(), '('),
                                   std::count(term.begin(), term.end(), ')'));
    if (checked.failure != 0) {
        require(checked.failure == failure::Overflow && brackets > 32767,
                "only a bracket count beyond 16 bits fails");
        return 0;
    }
    const terms::Pruefung& p = checked.value;
    if (p.verdict == terms::kFormelFehler) {
        require(p.box && !p.box->empty(), "a faulty formula shows what is left");
        require(isSubsequence(*p.box, upper), "what is left comes from the term");
        require(p.box->find_first_of(kAcceptedSingles) == std::string::npos,
                "what is left holds no accepted character");
    } else {
        require(p.verdict == terms::kPruefOK || p.verdict == terms::kKlammerpaare,
                "one of the three verdicts");
        require(!p.box, "only a faulty formula shows a box");
    }
    require((p.verdict == terms::kKlammerpaare) == (std::count(term.begin(), term.end(), '(') !=
                                                    std::count(term.begin(), term.end(), ')')),
            "unequal bracket counts and only they are a bracket fault");
    return 0;
}
