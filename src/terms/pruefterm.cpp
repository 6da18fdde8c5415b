#include "terms/pruefterm.h"

#include "base/failure.h"
#include "terms/normterm.h"

namespace terms {
namespace {

// Removed in this order: a function name only together with its bracket, "(X)" before the single
// brackets.
constexpr std::string_view kAccepted[] = {
    " ",    "SIN(", "COS(", "ATN(", "TAN(", "SGN(", "SQR(", "INT(", "FIX(", "ABS(", "EXP(",
    "LOG(", "(X)",  "^",    ".",    "-",    "+",    "/",    "*",    "(",    ")",    "0",
    "1",    "2",    "3",    "4",    "5",    "6",    "7",    "8",    "9"};

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
    for (std::string_view piece : kAccepted) {
        if (rest.find(piece) != std::string::npos) rest = replaceAll(rest, piece, "");
    }
    if (rest.empty()) return {std::string(kPruefOK), std::nullopt};
    return {std::string(kFormelFehler), std::move(rest)};
}

}  // namespace terms
