// Term normalisation: it only writes out the constants and inserts "*", and it leaves a term
// the evaluator already reads as it is.

#include <algorithm>
#include <string>

#include "support.h"
#include "terms/evaluator.h"
#include "terms/normterm.h"

namespace {

using fuzz::require;

std::string withoutStars(std::string text) {
    std::erase(text, '*');
    return text;
}

// The constants are the only rules that change anything but the products.
std::string constantsWrittenOut(std::string_view term) {
    std::string text(term);
    for (const terms::Rule& rule : terms::normRules().first(2))
        text = terms::replaceAll(text, rule.from, rule.to);
    return text;
}

bool digitBeforeE(std::string_view term) {
    for (std::size_t i = 1; i < term.size(); ++i)
        if (term[i] == 'E' && term[i - 1] >= '0' && term[i - 1] <= '9') return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view term = fuzz::text(data, size);
    const std::string full = terms::NormTerm(term);
    const std::string calculator = terms::NormTermRechner(term);
    const std::string expected = withoutStars(constantsWrittenOut(term));
    require(withoutStars(full) == expected, "NormTerm only inserts products");
    require(withoutStars(calculator) == expected, "NormTermRechner only inserts products");

    // A readable term has no implicit product; only the digit-before-function rules of NormTerm
    // split an exponent such as 2E3.
    if (fuzz::attempt([&] { return terms::evaluate(term); }).failure == 0) {
        require(calculator == std::string(term), "NormTermRechner keeps a readable term");
        require(digitBeforeE(term) || full == std::string(term), "NormTerm keeps a readable term");
    }
    return 0;
}
