// The slots of the analysis: any text splits into slots that join back into it, and the
// solvers' texts split into slots that read back as numbers. An input such as "1|0|-1|0" is
// both: a text to split and the coefficients of a cubic.

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/slots.h"
#include "analysis/solvers.h"
#include "base/numtext.h"
#include "support.h"

namespace {

using fuzz::require;

template <std::size_t N>
std::string joined(const std::array<std::string, N>& slots) {
    std::string text = slots[0];
    for (std::size_t i = 1; i < N; ++i) text += "|" + slots[i];
    return text;
}

template <std::size_t N, class Split>
void checkSplit(std::string_view text, Split split) {
    const auto slots = fuzz::attempt([&] { return split(text); });
    const auto bars = std::count(text.begin(), text.end(), '|');
    require((slots.failure != 0) == (bars < static_cast<long>(N) - 1),
            "too few bars and only they fail");
    if (slots.failure != 0) {
        require(slots.failure == failure::InvalidArgument, "too few bars are failure 5");
        return;
    }
    require(joined(slots.value) == text, "the slots join back into the text");
    for (std::size_t i = 0; i + 1 < N; ++i)
        require(slots.value[i].find('|') == std::string::npos, "only the last slot holds a bar");
}

// Each slot is empty or a number text, as the analysis reads it.
template <std::size_t N>
void requireNumbers(const std::array<std::string, N>& slots) {
    for (const std::string& slot : slots)
        if (!slot.empty())
            require(fuzz::attempt([&] { return numtext::parse(slot); }).failure == 0,
                    "a solver's slot reads as a number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::text(data, size);
    checkSplit<3>(text, analysis::splitThree);
    checkSplit<2>(text, analysis::splitTwo);

    // The text's pieces between bars as coefficients (a piece that is no number is 0): the
    // solvers either fail with 6 or give slot texts.
    double k[4] = {};
    std::size_t start = 0;
    for (double& c : k) {
        const std::size_t end = std::min(text.find('|', start), text.size());
        c = fuzz::attempt([&] { return numtext::parse(text.substr(start, end - start)); }).value;
        if (end == text.size()) break;
        start = end + 1;
    }
    for (auto solver : {analysis::KubGlei, analysis::KubGleiScaled}) {
        const auto roots = fuzz::attempt([&] { return solver(k[0], k[1], k[2], k[3]); });
        require(roots.failure == 0 || roots.failure == failure::Overflow,
                "a cubic fails with 6 only");
        if (roots.failure != 0 || k[0] == 0) continue;
        require(std::count(roots.value.begin(), roots.value.end(), '|') == 2,
                "a cubic gives three slots");
        requireNumbers(analysis::splitThree(roots.value));
    }
    const std::string quadratic = analysis::QuadGlei(k[0], k[1], k[2]);
    if (!quadratic.empty()) {
        const auto roots = analysis::splitTwo(quadratic);
        requireNumbers(roots);
        if (!roots[1].empty())
            require(numtext::parse(roots[0]) >= numtext::parse(roots[1]), "the larger root first");
    }
    return 0;
}
