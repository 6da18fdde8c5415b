#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/p01_check.h"
#include "analysis/zerosearch.h"
#include "base/field_value.h"

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

// The derivative values of the window. BildeTerme overwrites them one by one, so an overflow
// leaves those before it new and the rest as they stood.
struct Derivatives {
    Abl1 abl1;
    Abl2 abl2;
    Abl3 abl3;
};

// What BildeTerme computes, as far as it got before a coefficient that is not a number or an
// overflow. A term is present when the window writes it into its field.
struct TermResult {
    Polynomial koeff;  // KoeffA..KoeffE as far as read, the rest 0
    Derivatives abl;   // as far as computed, the rest as passed in
    Cubic hg;          // the division by (x - P01) as far as computed, the rest 0
    std::optional<std::string> fkt1, fkt2, fkt3, fkt4;  // y, y', y'', y'''
    bool proposeZero = false;     // degree 4 without P01: the message, then the y curve
    std::optional<P01Check> p01;  // degree 4 with a P01: what its check found
    std::optional<std::string> hilfsgleichung;  // HG, once all four of its values stand
};

// One coefficient field: 0 when empty, otherwise the number (its failure if it is none).
double coefficient(const numtext::FieldValue& field);

// One piece of a term: empty for 0, otherwise the coefficient (plain decimals, never an
// exponent), preceded by "+" when positive and plus is true, then the suffix.
std::string piece(double c, std::string_view suffix, bool plus);

std::string termY(const Polynomial& k);
std::string termAbl1(const Abl1& k);
std::string termAbl2(const Abl2& k);
std::string termAbl3(const Abl3& k);
std::string termHG(const Cubic& k);

// The next derivative level, written into out value by value; Failure 6 on an overflow ends it
// with the values before it written.
void derive(const Polynomial& k, Abl1& out);
void derive(const Abl1& k, Abl2& out);
void derive(const Abl2& k, Abl3& out);

// y divided by (x - p01) into out, value by value, each rounded to 14 decimals through its
// text; Failure 6 on an overflow as for derive.
void divide(const Polynomial& k, double p01, Cubic& out);

// The five lines of the zero proposal, joined by CR LF.
std::string zeroProposalText();

// The whole of BildeTerme from txtA..txtE, the text of txtP01X and the derivative values it
// overwrites.
TermResult BildeTerme(const std::array<numtext::FieldValue, 5>& fields, std::string_view p01x,
                      const Derivatives& before = {});

}  // namespace analysis
