// The exact Kurvendiskussion against checks of its own: every decimal is the correct rounding of
// its EXACT text evaluated independently, every exact zero makes f vanish, and the facts hang
// together (ascending zeros, chained intervals, alternating extremes).
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "base/failure.h"
#include "base/numtext.h"
#include "checks.h"
#include "exact/facts.h"

namespace {

using checks::Q;
using checks::Real;
using Texts = std::array<std::string, 5>;

std::vector<std::vector<std::string>> linesOf(const std::string& facts) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(facts);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        lines.emplace_back();
        for (std::string w; words >> w;) lines.back().push_back(w);
    }
    return lines;
}

struct Number {
    std::string exact, decimal;
    std::optional<checks::Evaluated> value;
};

// EXACT~DECIMAL, its decimal checked against the EXACT text.
Number number(const std::string& token) {
    Number n;
    const auto tilde = token.find('~');
    EXPECT_NE(tilde, std::string::npos) << token;
    n.exact = token.substr(0, tilde);
    n.decimal = token.substr(tilde + 1);
    if (!n.exact.empty()) {
        n.value = checks::evaluate(n.exact);
        const std::string expected = n.value->rational ? checks::roundedExactly(*n.value->rational)
                                                       : checks::rounded(n.value->real);
        EXPECT_EQ(n.decimal, expected) << token;
    }
    EXPECT_NE(n.decimal, "-0,0000") << token;
    return n;
}

Q decimalOf(const std::string& d) { return checks::readGerman(d); }

// The sign of p on both sides of a decimal: a root of odd multiplicity rounded to four places
// lies within 0,00005 of it.
bool changesSignNear(const std::array<Q, 5>& p, const std::string& decimal) {
    const Q x = decimalOf(decimal), h(1, 20000);
    return checks::polyAt(p, x - h).sign() * checks::polyAt(p, x + h).sign() <= 0;
}

std::array<Q, 5> derivative(const std::array<Q, 5>& c) {
    return {Q(0), Q(4) * c[0], Q(3) * c[1], Q(2) * c[2], c[3]};
}

bool vanishes(const std::array<Q, 5>& p, const checks::Evaluated& x) {
    if (x.rational) return checks::polyAt(p, *x.rational).sign() == 0;
    Real y = checks::polyAt(p, x.real);
    // relative to the size of the terms
    Real scale, t;
    mpfr_abs(scale.get(), x.real.get(), MPFR_RNDN);
    mpfr_add_ui(scale.get(), scale.get(), 1, MPFR_RNDN);
    mpfr_pow_ui(scale.get(), scale.get(), 4, MPFR_RNDN);
    Q largest;
    for (const Q& c : p) {
        Q a = c;
        mpq_abs(a.get(), a.get());
        if (largest < a) largest = a;
    }
    mpfr_set_q(t.get(), largest.get(), MPFR_RNDN);
    mpfr_mul(scale.get(), scale.get(), t.get(), MPFR_RNDN);
    mpfr_mul_2si(scale.get(), scale.get(), -(checks::kBits - 400), MPFR_RNDN);
    mpfr_abs(y.get(), y.get(), MPFR_RNDN);
    return mpfr_lessequal_p(y.get(), scale.get());
}

// A check of everything the facts of one polynomial say about themselves and about f.
std::string checkFacts(const Texts& texts) {
    std::array<Q, 5> f;
    for (int i = 0; i < 5; ++i) f[i] = checks::readGerman(texts[i]);
    const std::array<Q, 5> f1 = derivative(f);
    const std::string facts = exact::factsOf(texts);
    const auto lines = linesOf(facts);
    std::vector<Number> zeros;
    std::vector<std::string> extremes;
    std::string lastMonotony, lastCurvature, chainEnd = "-inf", curvatureEnd = "-inf";
    bool monotonyDone = false;
    for (const auto& w : lines) {
        const std::string& key = w[0];
        for (std::size_t i = 1; i < w.size(); ++i)
            if (w[i].find('~') != std::string::npos) number(w[i]);
        if (key == "zero" && w[1] != "all") {
            Number z = number(w[1]);
            // A decimal shared by two zeros may hide both in its interval.
            if (z.value) {
                EXPECT_TRUE(vanishes(f, *z.value)) << w[1];
            } else if (facts.find("~" + z.decimal + " ") == facts.rfind("~" + z.decimal + " ")) {
                EXPECT_TRUE(changesSignNear(f, z.decimal)) << w[1];
            }
            if (!zeros.empty()) {
                EXPECT_TRUE(decimalOf(zeros.back().decimal) < decimalOf(z.decimal) ||
                            zeros.back().decimal == z.decimal)
                    << facts;
            }
            zeros.push_back(z);
        } else if (key == "max" || key == "min" || key == "saddle") {
            Number x = number(w[1]);
            if (x.value) {
                EXPECT_TRUE(vanishes(f1, *x.value)) << w[1];
            } else if (key != "saddle" &&
                       facts.find("~" + x.decimal + " ") == facts.rfind("~" + x.decimal + " ")) {
                EXPECT_TRUE(changesSignNear(f1, x.decimal)) << w[1];
            }
            if (key != "saddle") {
                if (!extremes.empty()) {
                    EXPECT_NE(extremes.back(), key) << facts;
                }
                extremes.push_back(key);
            }
        } else if (key == "increasing" || key == "decreasing" || key == "constant") {
            EXPECT_FALSE(monotonyDone);
            EXPECT_EQ(w[1], chainEnd) << facts;
            EXPECT_NE(key, lastMonotony) << facts;
            lastMonotony = key;
            chainEnd = w[2];
        } else if (key == "convex" || key == "concave") {
            monotonyDone = true;
            EXPECT_EQ(w[1], curvatureEnd) << facts;
            EXPECT_NE(key, lastCurvature) << facts;
            lastCurvature = key;
            curvatureEnd = w[2];
        }
    }
    EXPECT_EQ(chainEnd, "inf") << facts;
    if (!lastCurvature.empty()) {
        EXPECT_EQ(curvatureEnd, "inf") << facts;
    }
    // The area from exact zeros, with an antiderivative of its own.
    bool allExact = zeros.size() >= 2;
    for (const auto& z : zeros) allExact = allExact && z.value.has_value();
    if (allExact) {
        auto F = [&](const Real& x) {
            const std::array<Q, 5> g = {f[0] / Q(5), f[1] / Q(4), f[2] / Q(3), f[3] / Q(2), f[4]};
            Real y = checks::polyAt(g, x);
            mpfr_mul(y.get(), y.get(), x.get(), MPFR_RNDN);
            return y;
        };
        Real area, part;
        mpfr_set_zero(area.get(), 1);
        for (std::size_t i = 0; i + 1 < zeros.size(); ++i) {
            mpfr_sub(part.get(), F(zeros[i + 1].value->real).get(), F(zeros[i].value->real).get(),
                     MPFR_RNDN);
            mpfr_abs(part.get(), part.get(), MPFR_RNDN);
            mpfr_add(area.get(), area.get(), part.get(), MPFR_RNDN);
        }
        const auto& last = lines.back();
        EXPECT_EQ(last[0], "area") << facts;
        EXPECT_EQ(Number(number(last[1])).decimal, checks::rounded(area)) << facts;
    }
    return facts;
}

std::string join(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += (s.empty() ? "" : "\n") + std::string(l);
    return s;
}

TEST(ExactDiscussion, ClassicExercises) {
    EXPECT_EQ(
        checkFacts({"", "1", "-6", "9", ""}),
        join({"degree 3", "symmetry point 2~2,0000 2~2,0000", "limit -inf -inf", "limit inf inf",
              "yintercept 0~0,0000", "zero 0~0,0000 1", "zero 3~3,0000 2", "max 1~1,0000 4~4,0000",
              "min 3~3,0000 0~0,0000", "inflection 2~2,0000 2~2,0000 -3~-3,0000 8~8,0000",
              "increasing -inf 1~1,0000", "decreasing 1~1,0000 3~3,0000", "increasing 3~3,0000 inf",
              "concave -inf 2~2,0000", "convex 2~2,0000 inf", "range -inf inf",
              "area 27/4~6,7500"}));
    const std::string quarter = checkFacts({"0,25", "", "-2", "", ""});
    EXPECT_NE(quarter.find("zero -2*sqrt(2)~-2,8284 1\nzero 0~0,0000 2\nzero 2*sqrt(2)~2,8284 1"),
              std::string::npos);
    EXPECT_NE(quarter.find("inflection -2*sqrt(3)/3~-1,1547 -20/9~-2,2222 "
                           "16*sqrt(3)/9~3,0792 4/3~1,3333"),
              std::string::npos);
    EXPECT_NE(quarter.find("range -4~-4,0000 inf\narea 128*sqrt(2)/15~12,0680"), std::string::npos);
    EXPECT_EQ(
        checkFacts({"1", "", "", "", "-1"}),
        join({"degree 4", "symmetry y-axis", "limit -inf inf", "limit inf inf",
              "yintercept -1~-1,0000", "zero -1~-1,0000 1", "zero 1~1,0000 1",
              "min 0~0,0000 -1~-1,0000", "decreasing -inf 0~0,0000", "increasing 0~0,0000 inf",
              "convex -inf inf", "range -1~-1,0000 inf", "area 8/5~1,6000"}));
    const std::string squareOfParabola = checkFacts({"1", "", "-2", "", "1"});
    EXPECT_NE(squareOfParabola.find("zero -1~-1,0000 2\nzero 1~1,0000 2\nmin -1~-1,0000 0~0,0000\n"
                                    "max 0~0,0000 1~1,0000\nmin 1~1,0000 0~0,0000"),
              std::string::npos);
    EXPECT_NE(squareOfParabola.find("range 0~0,0000 inf\narea 16/15~1,0667"), std::string::npos);
    EXPECT_EQ(checkFacts({"1", "-4", "", "", ""}),
              join({"degree 4", "symmetry none", "limit -inf inf", "limit inf inf",
                    "yintercept 0~0,0000", "zero 0~0,0000 3", "zero 4~4,0000 1",
                    "saddle 0~0,0000 0~0,0000", "min 3~3,0000 -27~-27,0000",
                    "inflection 2~2,0000 -16~-16,0000 -16~-16,0000 16~16,0000",
                    "decreasing -inf 3~3,0000", "increasing 3~3,0000 inf", "convex -inf 0~0,0000",
                    "concave 0~0,0000 2~2,0000", "convex 2~2,0000 inf", "range -27~-27,0000 inf",
                    "area 256/5~51,2000"}));
    // z = x² gives x = ±√(2 ± √3), denested
    const std::string biquadratic = checkFacts({"1", "", "-4", "", "1"});
    EXPECT_NE(biquadratic.find("zero (-sqrt(2)-sqrt(6))/2~-1,9319 1\n"
                               "zero (sqrt(2)-sqrt(6))/2~-0,5176 1"),
              std::string::npos);
    // an irreducible cubic f': its roots are certified decimals without a closed form
    const std::string mixed = checkFacts({"2", "", "-3", "1", ""});
    EXPECT_NE(mixed.find("zero (-1-sqrt(3))/2~-1,3660 1\nzero 0~0,0000 1\n"
                         "zero (-1+sqrt(3))/2~0,3660 1\nzero 1~1,0000 1\n"
                         "min ~-0,9397 ~-2,0293\nmax ~0,1736 ~0,0850\nmin ~0,7660 ~-0,3057"),
              std::string::npos);
    EXPECT_NE(mixed.find("area (50-9*sqrt(3))/20~1,7206"), std::string::npos);
}

TEST(ExactDiscussion, LowDegrees) {
    EXPECT_EQ(checkFacts({"", "", "", "", "5"}),
              join({"degree 0", "symmetry y-axis", "limit -inf 5~5,0000", "limit inf 5~5,0000",
                    "yintercept 5~5,0000", "constant -inf inf", "range 5~5,0000 5~5,0000"}));
    EXPECT_EQ(checkFacts({"", "", "", "-2", "3"}),
              join({"degree 1", "symmetry none", "limit -inf inf", "limit inf -inf",
                    "yintercept 3~3,0000", "zero 3/2~1,5000 1", "decreasing -inf inf",
                    "range -inf inf"}));
    EXPECT_EQ(checkFacts({"0", "0", "0", "0", "0"}),
              join({"degree 0", "symmetry y-axis", "symmetry origin", "limit -inf 0~0,0000",
                    "limit inf 0~0,0000", "yintercept 0~0,0000", "zero all", "constant -inf inf",
                    "range 0~0,0000 0~0,0000"}));
    EXPECT_EQ(checkFacts({"", "", "-1", "2", "1"}),
              join({"degree 2", "symmetry axis 1~1,0000", "limit -inf -inf", "limit inf -inf",
                    "yintercept 1~1,0000", "zero 1-sqrt(2)~-0,4142 1", "zero 1+sqrt(2)~2,4142 1",
                    "max 1~1,0000 2~2,0000", "increasing -inf 1~1,0000", "decreasing 1~1,0000 inf",
                    "concave -inf inf", "range -inf 2~2,0000", "area 8*sqrt(2)/3~3,7712"}));
    EXPECT_NE(checkFacts({"", "1", "", "-3", ""}).find("symmetry origin"), std::string::npos);
    // a quartic symmetric to x = 1: (x-1)^4 - 2(x-1)^2
    EXPECT_NE(checkFacts({"1", "-4", "4", "", "-1"}).find("symmetry axis 1~1,0000"),
              std::string::npos);
}

TEST(ExactDiscussion, UnreadableFields) {
    EXPECT_EQ(exact::factsOf({"1", "x", "", "", ""}), "error txtB");
    EXPECT_EQ(exact::factsOf({"1", "", "", "", "1E999999999"}), "error txtE");
    EXPECT_EQ(exact::factsOf({"", "", "1E-1002", "", ""}), "error txtC");
    auto r = exact::readCoefficients({"0,25", "1.000", "", "-1E-300", "1E300"});
    ASSERT_TRUE(std::holds_alternative<exact::Coefficients>(r));
    const auto& c = std::get<exact::Coefficients>(r);
    EXPECT_EQ(c[0].text(), "1/4");
    EXPECT_EQ(c[1].text(), "1000");
    EXPECT_TRUE(c[2].isZero());
    EXPECT_EQ(c[3].text(), "-1/1" + std::string(300, '0'));
    EXPECT_EQ(c[4].text(), "1" + std::string(300, '0'));
    // Only the empty text is 0; blanks alone are no number, for numtext::parse as here.
    for (const std::string blank : {" ", "   ", "\t", " \t "}) {
        EXPECT_THROW(numtext::parse(blank), Failure);
        auto b = exact::readCoefficients({"1", "", blank, "x", ""});
        ASSERT_TRUE(std::holds_alternative<exact::ReadError>(b));
        EXPECT_EQ(std::get<exact::ReadError>(b).field, 2);
        EXPECT_EQ(std::get<exact::ReadError>(b).why, exact::ReadError::Why::NotANumber);
    }
    EXPECT_EQ(exact::factsOf({"1", " ", "", "", ""}), "error txtB");
    EXPECT_EQ(exact::factsOf({" 2 ", "", "", "", ""}).substr(0, 8), "degree 4");
    auto e = exact::readCoefficients({"", "", "", "1E1000", ""});
    ASSERT_TRUE(std::holds_alternative<exact::ReadError>(e));
    EXPECT_EQ(std::get<exact::ReadError>(e).field, 3);
    EXPECT_EQ(std::get<exact::ReadError>(e).why, exact::ReadError::Why::TooLarge);
}

// Ties at the fifth decimal round away from zero, and nothing rounds to "-0,0000".
TEST(ExactDiscussion, Ties) {
    EXPECT_NE(checkFacts({"", "", "", "", "0,00005"}).find("yintercept 1/20000~0,0001"),
              std::string::npos);
    EXPECT_NE(checkFacts({"", "", "", "", "-0,00005"}).find("yintercept -1/20000~-0,0001"),
              std::string::npos);
    EXPECT_NE(checkFacts({"", "", "", "", "-0,00004999"}).find("~0,0000"), std::string::npos);
    EXPECT_NE(checkFacts({"", "", "", "1", "-2,00015"}).find("zero 40003/20000~2,0002 1"),
              std::string::npos);
}

TEST(ExactDiscussion, HugeAndTinyCoefficients) {
    const std::string digits300(300, '7');
    checkFacts({"1", "", "", "", "-" + digits300});
    checkFacts({"1E300", "", "-1E-300", "", ""});
    checkFacts({"1E-300", "1", "-1E300", "", "1"});
    checkFacts({"", "1E300", "", "-3E300", "1"});
    // Irreducible quartics and cubics whose roots span 10^-300 .. 10^300: decimals of zeros
    // near 10^150 are checked by the sign of f on both sides.
    checkFacts({"1,2391", "330857,1456789012345", "3E300", "", "-1E-300"});
    checkFacts({"1", "", "-3E300", "1", ""});
    checkFacts({"", "1E300", "", "-7", "1E-300"});
    checkFacts({"1E-1000", "-1", "", "", "9,99E999"});
    checkFacts({"9,99E999", "", "-3", "1E-1000", "2"});
    checkFacts({"1", "1E-300", "", "-" + digits300, "1"});
    // 1,9008E-994·x⁴ + (x + 1)³: zeros near -5·10^993 and -1, extremes near -4·10^993
    checkFacts({"1,9008E-994", "1", "3", "3", "1"});
    const std::string f = checkFacts({"", "", "1", "", "-1E-300"});
    EXPECT_NE(f.find("zero -1/1" + std::string(150, '0') + "~0,0000 1"), std::string::npos);
}

// f = content · Π factorᵐ, multiplied out here with GMP.
TEST(ExactDiscussion, FactorsMultiplyBackToF) {
    const std::vector<Texts> cases = {{"1", "", "-4", "", "1"},
                                      {"2", "", "-3", "1", ""},
                                      {"-3", "6", "9", "-12", "-12"},
                                      {"0,5", "-1,5", "", "2", ""},
                                      {"", "-2", "12", "-18", ""}};
    for (const Texts& t : cases) {
        const auto c = std::get<exact::Coefficients>(exact::readCoefficients(t));
        const exact::Discussion d = exact::discuss(c);
        auto toQ = [](const exact::Rational& r) { return Q(r.numerator()) / Q(r.denominator()); };
        std::vector<Q> product = {toQ(d.f.content)};
        for (const auto& factor : d.f.factors)
            for (int m = 0; m < factor.multiplicity; ++m) {
                std::vector<Q> next(product.size() + factor.polynomial.coefficients.size() - 1);
                for (std::size_t i = 0; i < product.size(); ++i)
                    for (std::size_t j = 0; j < factor.polynomial.coefficients.size(); ++j)
                        next[i + j] =
                            next[i + j] + product[i] * toQ(factor.polynomial.coefficients[j]);
                product = next;
            }
        ASSERT_EQ(product.size(), 5u - static_cast<std::size_t>(4 - d.degree));
        for (int k = 0; k <= d.degree; ++k)
            EXPECT_TRUE(product[static_cast<std::size_t>(k)] == checks::readGerman(t[4 - k]))
                << t[4 - k];
    }
}

// Exam-kind polynomials from chosen zeros, random small integers and 15-digit decimals.
TEST(ExactDiscussion, Corpus) {
    std::mt19937 random(21);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 150; ++round) {
        Texts t;
        switch (round % 3) {
            case 0: {  // a·(x - r1)(x - r2)(x - r3)(x - r4) with zeros in halves
                std::vector<Q> p = {Q(pick(1, 3) * (pick(0, 1) ? 1 : -1))};
                const int degree = pick(1, 4);
                for (int k = 0; k < degree; ++k) {
                    const Q r(pick(-6, 6), 2);
                    std::vector<Q> next(p.size() + 1);
                    for (std::size_t i = 0; i < p.size(); ++i) {
                        next[i] = next[i] + p[i];
                        next[i + 1] = next[i + 1] - p[i] * r;
                    }
                    p = next;
                }
                for (std::size_t i = 0; i < p.size(); ++i) {
                    const Q& c = p[i];
                    const double v = mpq_get_d(c.get());
                    std::ostringstream s;
                    s.precision(17);
                    s << v;  // halves and quarters and eighths are exact doubles
                    std::string text = s.str();
                    for (char& ch : text)
                        if (ch == '.') ch = ',';
                    t[4 - degree + i] = text;
                }
                break;
            }
            case 1:
                for (auto& c : t) c = std::to_string(pick(-9, 9));
                break;
            default:
                for (auto& c : t) {
                    std::string digits;
                    for (int k = 0; k < 15; ++k) digits += static_cast<char>('0' + pick(0, 9));
                    c = (pick(0, 1) ? "-" : "") + digits.substr(0, 1) + "," + digits.substr(1);
                }
        }
        SCOPED_TRACE(t[0] + " " + t[1] + " " + t[2] + " " + t[3] + " " + t[4]);
        checkFacts(t);
    }
}

}  // namespace
