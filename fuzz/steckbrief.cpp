// The Steckbrief from arbitrary condition texts and degrees: no crash, no hang, one of the
// documented answers, and a unique solution that satisfies every equation it was found from.

#include <cstdint>
#include <string>

#include "steckbrief/answer.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int degree = 2 + data[0] % 3;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const steckbrief::Answer a = steckbrief::answer(text, degree);
    const std::string result = steckbrief::resultText(a);
    fuzz::require(!result.empty(), "a result");
    if (!a.unique()) {
        fuzz::require(steckbrief::checkText(a).empty(), "checks only for a unique solution");
        return 0;
    }
    fuzz::require(a.checks.size() == a.reading.conditions.size(), "one check a condition");
    for (const steckbrief::Equation& e : a.equations) {
        exact::Rational sum;
        for (std::size_t k = 0; k < e.factors.size(); ++k)
            sum = sum + e.factors[k] * a.solution->byPower[k];
        fuzz::require(sum == e.rhs, "the solution satisfies each equation");
    }
    return 0;
}
