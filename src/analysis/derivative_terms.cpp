#include "analysis/derivative_terms.h"

#include <cmath>

#include "analysis/p01_check.h"
#include "base/failure.h"
#include "base/numtext.h"

namespace analysis {
namespace {

double round14(double v) { return numtext::parse(numtext::formatFixed(checkFinite(v), 14)); }

}  // namespace

double coefficient(const numtext::FieldValue& field) {
    return field.isEmpty() ? 0 : field.number();
}

std::string piece(double c, std::string_view suffix, bool plus) {
    if (c == 0) return "";
    std::string s = (c > 0 && plus) ? "+" : "";
    s += numtext::formatPlain(c);
    s += suffix;
    return s;
}

std::string termY(const Polynomial& k) {
    return piece(k.a, "*(X)^4", false) + piece(k.b, "*(X)^3", true) + piece(k.c, "*(X)^2", true) +
           piece(k.d, "*(X)", true) + piece(k.e, "", true);
}

std::string termAbl1(const Abl1& k) {
    return piece(k.a, "*(X)^3", true) + piece(k.b, "*(X)^2", true) + piece(k.c, "*(X)", true) +
           piece(k.d, "", true);
}

std::string termAbl2(const Abl2& k) {
    return piece(k.a, "*(X)^2", true) + piece(k.b, "*(X)", true) + piece(k.c, "", true);
}

std::string termAbl3(const Abl3& k) { return piece(k.a, "*(X)", true) + piece(k.b, "", true); }

std::string termHG(const Cubic& k) {
    return piece(k.a, "*(X)^3", false) + piece(k.b, "*(X)^2", true) + piece(k.c, "*(X)", true) +
           piece(k.d, "", true);
}

void derive(const Polynomial& k, Abl1& out) {
    out.a = checkFinite(4 * k.a);
    out.b = checkFinite(3 * k.b);
    out.c = checkFinite(k.c + k.c);
    out.d = k.d;
}

void derive(const Abl1& k, Abl2& out) {
    out.a = checkFinite(3 * k.a);
    out.b = checkFinite(k.b + k.b);
    out.c = k.c;
}

void derive(const Abl2& k, Abl3& out) {
    out.a = checkFinite(k.a + k.a);
    out.b = k.b;
}

void divide(const Polynomial& k, double p, Cubic& out) {
    const double a = k.a, b = k.b, c = k.c, d = k.d;
    out.a = round14(a);
    out.b = round14(b + a * p);
    out.c = round14((c + b * p) + (a * p) * p);
    out.d = round14(((d + c * p) + (p * p) * b) + ((p * p) * p) * a);
}

std::string zeroProposalText() {
    return "Das Programm schlägt Ihnen eine Nullstelle vor.\r\n"
           "Starten Sie die weitere Berechnung über die blaue Start-Taste rechts unten.\r\n"
           "Sie können auch eine eigene Nullstelle der Grundfunktion bestimmen und diese bei "
           "P01 eintragen.\r\n"
           "Existiert keine Nullstelle, tragen Sie das Zeichen  #  ein!\r\n"
           "Starten Sie dann die Berechnung über die blaue Start-Taste rechts unten erneut.";
}

TermResult BildeTerme(const std::array<numtext::FieldValue, 5>& fields, std::string_view p01x,
                      const Derivatives& before) {
    TermResult r;
    r.abl = before;
    try {
        double* koeff[] = {&r.koeff.a, &r.koeff.b, &r.koeff.c, &r.koeff.d, &r.koeff.e};
        for (int i = 0; i < 5; ++i) *koeff[i] = coefficient(fields[i]);
        r.fkt1 = termY(r.koeff);
        derive(r.koeff, r.abl.abl1);
        r.fkt2 = termAbl1(r.abl.abl1);
        derive(r.abl.abl1, r.abl.abl2);
        r.fkt3 = termAbl2(r.abl.abl2);
        derive(r.abl.abl2, r.abl.abl3);
        r.fkt4 = termAbl3(r.abl.abl3);
        if (p01x.empty() && r.abl.abl1.a != 0) {
            r.proposeZero = true;
            return r;
        }
        if (r.abl.abl1.a == 0) return r;
        // P01 is checked before y is divided by (x - P01); a rejected one divides nothing.
        r.p01 = checkP01(r.koeff, p01x);
        if (r.p01->outcome == P01Check::Outcome::Reject) return r;
        divide(r.koeff, r.p01->zero, r.hg);
        r.hilfsgleichung = termHG(r.hg);
    } catch (const Failure&) {
    }
    return r;
}

}  // namespace analysis
