#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/zerosearch.h"

namespace analysis {

// y' = Abl1A*x^3 + Abl1B*x^2 + Abl1C*x + Abl1D, y'' = Abl2A*x^2 + Abl2B*x + Abl2C,
// y''' = Abl3A*x + Abl3B.
struct Abl1 {
    double a = 0, b = 0, c = 0, d = 0;
};
struct Abl2 {
    double a = 0, b = 0, c = 0;
};
struct Abl3 {
    double a = 0, b = 0;
};
// The auxiliary cubic HG = HGA*x^3 + HGB*x^2 + HGC*x + HGD.
struct Cubic {
    double a = 0, b = 0, c = 0, d = 0;
};

// What BildeTerme computes, as far as it got. A level that is absent was not reached (a
// coefficient that is not a number, or an overflow): the window keeps its old values and
// writes none of the later terms.
struct TermResult {
    Polynomial koeff;          // KoeffA..KoeffE as far as read, the rest 0
    bool koeffRead = false;    // all five read: fkt1 is written
    std::string fkt1;          // y
    std::optional<Abl1> abl1;  // with fkt2
    std::string fkt2;
    std::optional<Abl2> abl2;  // with fkt3
    std::string fkt3;
    std::optional<Abl3> abl3;  // with fkt4
    std::string fkt4;
    bool proposeZero = false;  // degree 4 without P01: the message, then the y curve
    std::optional<Cubic> hg;   // the division by (x - P01), with its term
    std::string hilfsgleichung;
};

// One coefficient field: 0 when empty, otherwise the number (Failure 13 if it is none).
double coefficient(std::string_view text);

// One piece of a term: empty for 0, otherwise the coefficient (plain decimals, never an
// exponent), preceded by "+" when positive and plus is true, then the suffix.
std::string piece(double c, std::string_view suffix, bool plus);

std::string termY(const Polynomial& k);
std::string termAbl1(const Abl1& k);
std::string termAbl2(const Abl2& k);
std::string termAbl3(const Abl3& k);
std::string termHG(const Cubic& k);

// The next derivative level; each throws Failure 6 on an overflow.
Abl1 derive(const Polynomial& k);
Abl2 derive(const Abl1& k);
Abl3 derive(const Abl2& k);

// y divided by (x - p01), each coefficient rounded to 14 decimals through its text.
Cubic divide(const Polynomial& k, double p01);

// The five lines of the zero proposal, joined by CR LF.
std::string zeroProposalText();

// The whole of BildeTerme from the texts of txtA..txtE and txtP01X.
TermResult BildeTerme(const std::array<std::string_view, 5>& fields, std::string_view p01x);

}  // namespace analysis
