// The evaluator: any text compiles, and the compiled term samples exactly as the substituted
// text evaluates, value for value and failure for failure, one sample at a time and all at once.

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "base/numtext.h"
#include "support.h"
#include "terms/evaluator.h"
#include "terms/normterm.h"

namespace {

using fuzz::require;

// Values where terms tend to break: zero, signs, halves, numbers with an exponent in their text,
// the edges of the quick rounding.
constexpr double kSamples[] = {
    0, 1, -1, 0.5, -2.75, 1.0 / 3, 1e-5, -123456.789012345, 1e15, 2.5e-300, 1e-8, -0x1p-26, 1e300};

void requireDocumented(int failure) {
    require(failure == 0 || fuzz::documented(failure), "a failure carries a documented number");
}

void compareAt(std::string_view term, const terms::Program& program, double x,
               const terms::Sample& together) {
    const auto sampled = fuzz::attempt([&] { return program.sample(x); });
    const std::string substituted =
        terms::replaceAll(term, "(X)", "(" + numtext::formatForTerm(x) + ")");
    const auto evaluated = fuzz::attempt([&] { return terms::evaluate(substituted); });
    requireDocumented(sampled.failure);
    require(sampled.failure == evaluated.failure, "the same failure as the substituted text");
    require(sampled.failure != 0 || fuzz::same(sampled.value, evaluated.value),
            "the same value as the substituted text");
    require(sampled.failure != 0 || std::isfinite(sampled.value), "a result is finite");
    require(together.failure == sampled.failure &&
                (sampled.failure != 0 || fuzz::same(together.value, sampled.value)),
            "all samples at once give what each gives alone");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view term = fuzz::text(data, size);
    const terms::Program program = terms::compile(term);
    requireDocumented(program.readFailure());

    std::vector<double> xs(std::begin(kSamples), std::end(kSamples));
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x)) xs.push_back(x);
    }
    std::vector<terms::Sample> together(xs.size());
    program.sampleAll(xs, together);
    for (std::size_t i = 0; i < xs.size(); ++i) compareAt(term, program, xs[i], together[i]);

    // Without a variable, the term alone: the program's reading and the text's agree.
    const auto alone = fuzz::attempt([&] { return terms::evaluate(term); });
    requireDocumented(alone.failure);
    if (program.readFailure() != 0 && !program.usesX())
        require(alone.failure == program.readFailure(), "a fault of reading is the text's fault");
    return 0;
}
