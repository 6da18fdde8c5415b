#include "analysis/coefficient_check.h"

#include "analysis/derivative_terms.h"
#include "base/failure.h"

namespace analysis {
namespace {

// The text as it stands, cut after 30 characters (not bytes: umlauts stay whole).
std::string quoted(const std::string& text) {
    constexpr std::size_t shown = 30;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > shown) return "„" + text.substr(0, i) + "…“";
    }
    return "„" + text + "“";
}

}  // namespace

std::optional<CoefficientVerdict> checkCoefficients(
    const std::array<numtext::FieldValue, 5>& fields) {
    bool allZero = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string name = "Der Koeffizient " + std::string(1, static_cast<char>('A' + i));
        try {
            if (coefficient(fields[i]) != 0) allZero = false;
        } catch (const Failure& f) {
            const char* why =
                f.number() == failure::Overflow ? " ist zu groß: " : " ist keine Zahl: ";
            return CoefficientVerdict{true, name + why + quoted(fields[i].text())};
        }
    }
    if (allZero)
        return CoefficientVerdict{false,
                                  "Alle Koeffizienten sind 0: Jede Zahl ist eine Nullstelle."};
    return std::nullopt;
}

}  // namespace analysis
