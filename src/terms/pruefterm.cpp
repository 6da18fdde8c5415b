#include "terms/pruefterm.h"

#include <vector>

#include "base/failure.h"
#include "terms/functions.h"
#include "terms/normterm.h"

namespace terms {
namespace {

// Removed in this order: the blank, each function name only together with its bracket, "(X)"
// before the single brackets, the signs and the digits.
std::vector<std::string> acceptedPieces() {
    std::vector<std::string> pieces = {" "};
    for (const TermFunction& f : kFunctions) pieces.push_back(std::string(f.name) + "(");
    for (const char* p : {"(X)", "^", ".", "-", "+", "/", "*", "(", ")"}) pieces.emplace_back(p);
    for (char digit = '0'; digit <= '9'; ++digit) pieces.emplace_back(1, digit);
    return pieces;
}

constexpr int kCounterMax = 32767;

}  // namespace

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00E0..U+00FE (without the division sign U+00F7) are the small Latin-1 letters.
            unsigned char d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) out[i + 1] = static_cast<char>(d - 0x20);
            ++i;
        }
    }
    return out;
}

Pruefung PruefTerm(std::string_view term) {
    int open = 0;
    int close = 0;
    for (char c : term) {
        if (c == '(' && ++open > kCounterMax) throw Failure(failure::Overflow);
        if (c == ')' && ++close > kCounterMax) throw Failure(failure::Overflow);
    }
    if (open != close) return {std::string(kKlammerpaare), std::nullopt};
    std::string rest = upperCase(term);
    static const std::vector<std::string> accepted = acceptedPieces();
    for (const std::string& piece : accepted) {
        if (rest.find(piece) != std::string::npos) rest = replaceAll(rest, piece, "");
    }
    if (rest.empty()) return {std::string(kPruefOK), std::nullopt};
    return {std::string(kFormelFehler), std::move(rest)};
}

}  // namespace terms
