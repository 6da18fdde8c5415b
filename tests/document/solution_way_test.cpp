#include "document/solution_way.h"

#include <gtest/gtest.h>

#include "document/discussion_document.h"
#include "document/plain_text.h"
#include "document/school_notation.h"
#include "document/way_numbers.h"

namespace {

using exact::Rational;

exact::Discussion discussionOf(const std::array<std::string, 5>& texts) {
    return exact::discuss(std::get<exact::Coefficients>(exact::readCoefficients(texts)));
}

std::string sectionOf(const std::string& document, const std::string& heading) {
    const auto begin = document.find("\n" + heading + "\n");
    if (begin == std::string::npos) return {};
    const auto end = document.find("\n\n", begin + 1);
    // With the newline that ends its last line.
    return document.substr(begin, end == std::string::npos ? std::string::npos : end - begin + 1);
}

void expectLines(const std::string& text, std::initializer_list<std::string> lines) {
    for (const std::string& l : lines)
        EXPECT_NE(text.find(l + "\n"), std::string::npos) << l << "\nin\n" << text;
}

// The way ends with the discussion's own roots and multiplicities.
void expectRootsOf(const exact::Analysed& a, const std::string& name, const std::string& way) {
    static const char* const words[] = {"", "einfache", "doppelte", "dreifache", "vierfache"};
    for (std::size_t i = 0; i < a.roots.size(); ++i) {
        const doc::Math x =
            a.roots.size() > 1 || name == "f"
                ? doc::way::indexed("x", i, a.roots.size())
                : doc::Math::index(doc::Math::text("x"), doc::Math::text(name == "f′" ? "E" : "W"));
        const std::string expected = doc::plainText(doc::equation(x, a.roots[i].x)) + ": " +
                                     words[a.roots[i].multiplicity] + " Nullstelle";
        EXPECT_NE(way.find(expected), std::string::npos) << expected << "\nin\n" << way;
    }
}

struct Exercise {
    std::array<std::string, 5> coefficients;
    std::string document;
    exact::Discussion discussion;
    explicit Exercise(std::array<std::string, 5> c,
                      doc::QuadraticFormula formula = doc::QuadraticFormula::Pq)
        : coefficients(c), discussion(discussionOf(c)) {
        document = doc::plainText(doc::discussionDocument(discussion, formula));
    }
    std::string zeros() const { return sectionOf(document, "Nullstellen"); }
    std::string extremes() const { return sectionOf(document, "Extrempunkte"); }
    std::string inflections() const { return sectionOf(document, "Wendepunkte"); }
    void expectAllRoots() const {
        expectRootsOf(discussion.f, "f", zeros());
        expectRootsOf(discussion.derivative1, "f′", extremes());
        if (discussion.degree >= 3) expectRootsOf(discussion.derivative2, "f″", inflections());
    }
};

TEST(SolutionWay, AusklammernThenPqFormel) {
    const Exercise e({"", "1", "-6", "9", ""});
    expectLines(
        e.zeros(),
        {"Ausklammern: x · (x² − 6x + 9) = 0", "Satz vom Nullprodukt: x = 0 oder x² − 6x + 9 = 0",
         "pq-Formel mit p = −6 und q = 9:", "Diskriminante D = (p/2)² − q = 0",
         "D = 0: genau eine Lösung, eine doppelte.", "x = 3", "Zerlegung: f(x) = x · (x − 3)²",
         "x₂ = 3: doppelte Nullstelle (Faktor (x − 3)² in der Zerlegung). Der Graph berührt die "
         "x‑Achse."});
    expectLines(
        e.extremes(),
        {"notwendige Bedingung: f′(x) = 0", "Division durch 3: x² − 4x + 3 = 0", "x₁ = 1, x₂ = 3",
         "hinreichende Bedingung: f″(x₁) = −6 < 0 ⇒ Hochpunkt", "y-Wert: f(x₁) = 4 ⇒ H(1 | 4)",
         "hinreichende Bedingung: f″(x₂) = 6 > 0 ⇒ Tiefpunkt"});
    expectLines(e.inflections(), {"hinreichende Bedingung: f‴(x_W) = 6 ≠ 0 ⇒ Wendestelle",
                                  "Sattelpunkt-Test: f′(x_W) = −3 ≠ 0: kein Sattelpunkt",
                                  "Wendetangente y = m · x + b: m = f′(x_W) = −3",
                                  "b = y − m · x = 2 − (−3) · 2 = 8"});
    expectLines(sectionOf(e.document, "Symmetrie"),
                {"f(−x) = −x³ − 6x² − 9x", "−f(x) = −x³ + 6x² − 9x"});
    expectLines(sectionOf(e.document, "Monotonie"),
                {"]−∞; 1[: f′(0) = 9 > 0 ⇒ steigend", "]1; 3[: f′(2) = −3 < 0 ⇒ fallend"});
    expectLines(sectionOf(e.document, "Fläche zwischen Graph und x‑Achse"),
                {"I₁ = ∫_x₁^x₂ f(x) dx = F(x₂) − F(x₁) = 27/4", "A = |I₁| = 27/4 ≈ 6,7500 FE"});
    e.expectAllRoots();
}

TEST(SolutionWay, SubstitutionAndBackSubstitution) {
    const Exercise e({"1", "", "-5", "", "4"});
    expectLines(e.zeros(), {"Substitution z = x²: z² − 5z + 4 = 0",
                            "pq-Formel mit p = −5 und q = 4:", "Diskriminante D = (p/2)² − q = 9/4",
                            "z₁ = 1, z₂ = 4", "Rücksubstitution x² = z:", "x² = 1 ⇒ x = ±1",
                            "x² = 4 ⇒ x = ±2"});
    expectLines(sectionOf(e.document, "Symmetrie"), {"f(−x) = x⁴ − 5x² + 4 = f(x)"});
    // The integrals between neighbouring zeros, exactly: 22/15 + 76/15 + 22/15 = 8.
    expectLines(sectionOf(e.document, "Fläche zwischen Graph und x‑Achse"),
                {"I₂ = ∫_x₂^x₃ f(x) dx = F(x₃) − F(x₂) = 76/15", "A = |I₁| + |I₂| + |I₃| = 8 FE"});
    e.expectAllRoots();

    // A negative z has no x; an irrational z is back-substituted under the root.
    const Exercise none({"1", "", "3", "", "2"});
    expectLines(none.zeros(),
                {"x² = −2: keine Lösung, da x² ≥ 0", "x² = −1: keine Lösung, da x² ≥ 0"});
    const Exercise surd({"1", "", "-4", "", "1"});
    expectLines(surd.zeros(),
                {"z_1,2 = 2 ± √3", "x² = 2 − √3 ⇒ x = ±√(2 − √3)", "x² = 2 + √3 ⇒ x = ±√(2 + √3)"});
    surd.expectAllRoots();
    const Exercise mixed({"1", "", "-2", "", "-1"});
    expectLines(mixed.zeros(), {"x² = 1 − √2 < 0: keine Lösung, da x² ≥ 0"});
    mixed.expectAllRoots();
}

TEST(SolutionWay, RatenAndPolynomdivision) {
    const Exercise e({"", "1", "", "-7", "6"});
    expectLines(e.zeros(),
                {"Raten: Rationale Nullstellen sind von der Form ±p/q, p teilt 6, q teilt 1: ±1, "
                 "±2, ±3, ±6",
                 "f(1) = 0", "x = 1 ist eine Nullstelle, durch Probieren gefunden.",
                 "Polynomdivision durch (x − 1) mit dem Horner-Schema:", "      1 | 0 | −7 | 6",
                 "x = 1:    | 1 | 1 | −6", "      1 | 1 | −6 | 0",
                 "Rest 0: f(x) = (x − 1) · (x² + x − 6)", "x₁ = −3, x₂ = 2"});
    e.expectAllRoots();

    // A quartic divided twice: (x − 1)(x + 2)(x² − 3).
    const Exercise twice({"1", "1", "-5", "-3", "6"});
    expectLines(twice.zeros(), {"f(1) = 0", "Rest 0: f(x) = (x − 1) · (x³ + 2x² − 3x − 6)",
                                "g(1) = −6, g(−1) = −2, g(2) = 4, g(−2) = 0",
                                "Rest 0: g(x) = (x + 2) · (x² − 3)", "x_1,2 = ±√3"});
    twice.expectAllRoots();
    // A fraction, tried after the integers: (2x − 1)(x² + x + 1).
    const Exercise half({"", "2", "1", "1", "-1"});
    expectLines(half.zeros(), {"f(1) = 3, f(−1) = −3, f(½) = 0",
                               "D < 0: Die Gleichung hat keine reelle Lösung."});
    half.expectAllRoots();
}

TEST(SolutionWay, PqFormelWithTheDiscriminantsMeaning) {
    const Exercise e({"", "", "1", "-2", "-1"});
    expectLines(e.zeros(),
                {"pq-Formel mit p = −2 und q = −1:", "x_1,2 = −p/2 ± √((p/2)² − q)",
                 "Diskriminante D = (p/2)² − q = 2", "D > 0: zwei Lösungen.", "x_1,2 = 1 ± √2"});
    expectLines(sectionOf(e.document, "Fläche zwischen Graph und x‑Achse"),
                {"I₁ = ∫_x₁^x₂ f(x) dx = F(x₂) − F(x₁) = −8√2/3 ≈ −3,7712"});
    e.expectAllRoots();
    const Exercise none({"", "", "2", "", "3"});
    expectLines(none.zeros(), {"Division durch 2: x² + 3/2 = 0",
                               "D < 0: Die Gleichung hat keine reelle Lösung."});
}

// The same equations with the Mitternachtsformel: a, b, c as they stand, no division, the
// numbers put in before the root is simplified; the roots are the same.
TEST(SolutionWay, MitternachtsformelWhereTheSchoolTeachesIt) {
    using doc::QuadraticFormula;
    const Exercise e({"", "", "1", "-2", "-1"}, QuadraticFormula::Midnight);
    expectLines(e.zeros(), {"Mitternachtsformel mit a = 1, b = −2 und c = −1:",
                            "x_1,2 = (−b ± √(b² − 4ac)) / (2a)", "Diskriminante D = b² − 4ac = 8",
                            "D > 0: zwei Lösungen.", "x_1,2 = (2 ± √8)/2", "x_1,2 = 1 ± √2"});
    EXPECT_EQ(e.zeros().find("pq-Formel"), std::string::npos);
    e.expectAllRoots();
    const Exercise halves({"", "", "2", "-3", "1"}, QuadraticFormula::Midnight);
    expectLines(halves.zeros(),
                {"Diskriminante D = b² − 4ac = 1", "x_1,2 = (3 ± √1)/4", "x₁ = ½, x₂ = 1"});
    EXPECT_EQ(halves.zeros().find("Division durch"), std::string::npos);
    const Exercise none({"", "", "2", "", "3"}, QuadraticFormula::Midnight);
    expectLines(none.zeros(), {"Diskriminante D = b² − 4ac = −24",
                               "D < 0: Die Gleichung hat keine reelle Lösung."});
    const Exercise biquadratic({"1", "", "-5", "", "4"}, QuadraticFormula::Midnight);
    expectLines(biquadratic.zeros(), {"Mitternachtsformel mit a = 1, b = −5 und c = 4:",
                                      "z_1,2 = (5 ± √9)/2", "z₁ = 1, z₂ = 4", "x² = 4 ⇒ x = ±2"});
    biquadratic.expectAllRoots();
}

TEST(SolutionWay, NaeherungsverfahrenWhereNothingElseReaches) {
    const Exercise e({"2", "", "-3", "1", ""});
    expectLines(e.zeros(), {"Ausklammern: x · (2x³ − 3x + 1) = 0", "g(1) = 0",
                            "Rest 0: g(x) = (x − 1) · (2x² + 2x − 1)", "x_1,2 = −½ ± √3/2"});
    // 8x³ − 6x + 1 = 0 is cos 3θ = −½: its zeros are cos 160°, cos 80°, cos 40°.
    expectLines(
        e.extremes(),
        {"Keiner der Kandidaten ist eine Nullstelle.",
         "Näherungsverfahren (Newton-Verfahren) für 8x³ − 6x + 1 = 0:", "xₙ₊₁ = xₙ − f′(xₙ)/f″(xₙ)",
         "Vorzeichenwechsel zwischen −1 und 0: f′(−1) < 0, f′(0) > 0",
         "x₄ = x₃ − f′(x₃)/f″(x₃) ≈ −0,939693", "x₄ = x₃ − f′(x₃)/f″(x₃) ≈ 0,173648",
         "x₄ = x₃ − f′(x₃)/f″(x₃) ≈ 0,766044", "Startwert x₀ = −1",
         "gesichert auf vier Stellen: Nullstelle ≈ −0,9397",
         "y-Wert: f(x₂) ≈ 0,0850 ⇒ H(≈ 0,1736 | ≈ 0,0850)"});
    const std::string extremes = e.extremes();
    EXPECT_NE(extremes.find("f″(x₁) ≈ 15,19"), std::string::npos) << extremes;
    EXPECT_NE(extremes.find("f″(x₂) ≈ −5,27"), std::string::npos) << extremes;
    e.expectAllRoots();
}

TEST(SolutionWay, VorzeichenwechselWhereTheSecondDerivativeVanishes) {
    const Exercise e({"1", "", "", "", "-1"});
    expectLines(e.extremes(),
                {"x³ = 0 ⇒ x = 0",
                 "hinreichende Bedingung: f″(x_E) = 0: keine Entscheidung, Vorzeichenwechsel von "
                 "f′ prüfen.",
                 "Testwerte: f′(−1) = −4 < 0, f′(1) = 4 > 0",
                 "Vorzeichenwechsel von − nach + ⇒ Tiefpunkt", "y-Wert: f(x_E) = −1 ⇒ T(0 | −1)"});
    expectLines(e.inflections(), {"Testwerte: f″(−1) = 12 > 0, f″(1) = 12 > 0",
                                  "kein Vorzeichenwechsel ⇒ keine Wendestelle"});
    // The zero of f″ inside the one interval is no test value.
    expectLines(sectionOf(e.document, "Krümmung"), {"]−∞; +∞[: f″(−1) = 12 > 0 ⇒ Linkskurve"});
    e.expectAllRoots();
}

TEST(SolutionWay, SattelpunktAndWendetangente) {
    const Exercise e({"1", "-4", "", "", ""});
    expectLines(e.zeros(),
                {"Ausklammern: x³ · (x − 4) = 0", "x − 4 = 0 ⇒ x = 4",
                 "x₁ = 0: dreifache Nullstelle (Faktor x³ in der Zerlegung). Sattelpunkt auf der "
                 "x‑Achse."});
    expectLines(e.extremes(), {"Testwerte: f′(−1) = −16 < 0, f′(2) = −16 < 0",
                               "kein Vorzeichenwechsel ⇒ Sattelpunkt, kein Extrempunkt",
                               "hinreichende Bedingung: f″(x₂) = 36 > 0 ⇒ Tiefpunkt"});
    expectLines(e.inflections(), {"Sattelpunkt-Test: f′(x₁) = 0 ⇒ Sattelpunkt S(0 | 0)",
                                  "Sattelpunkt-Test: f′(x₂) = −16 ≠ 0: kein Sattelpunkt",
                                  "b = y − m · x = −16 − (−16) · 2 = 16"});
    e.expectAllRoots();
}

TEST(SolutionWay, NamesEachMethodItUses) {
    struct Case {
        std::array<std::string, 5> coefficients;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases = {
        {{"", "1", "-6", "9", ""},
         {"Ausklammern", "pq-Formel", "notwendige Bedingung", "hinreichende Bedingung",
          "Wendetangente"}},
        {{"1", "", "-5", "", "4"}, {"Substitution", "pq-Formel"}},
        {{"", "1", "", "-7", "6"}, {"Polynomdivision", "durch Probieren gefunden"}},
        {{"", "", "1", "-2", "-1"}, {"pq-Formel"}},
        {{"2", "", "-3", "1", ""}, {"Näherungsverfahren"}},
        {{"1", "", "", "", "-1"}, {"Vorzeichenwechsel"}},
        {{"1", "-4", "", "", ""}, {"Sattelpunkt"}},
    };
    for (const Case& c : cases) {
        const Exercise e(c.coefficients);
        for (const std::string& w : c.words)
            EXPECT_NE(e.document.find(w), std::string::npos) << w << " in\n" << e.document;
    }
}

// Every small polynomial: the way reaches the discussion's roots and classifies each stationary
// point as the discussion does.
TEST(SolutionWay, AgreesWithTheDiscussionEverywhere) {
    const char* const values[] = {"-2", "", "1", "3"};
    for (const char* a : values)
        for (const char* b : values)
            for (const char* c : values)
                for (const char* d : values)
                    for (const char* e : {"", "-1", "2"}) {
                        const Exercise x({a, b, c, d, e});
                        SCOPED_TRACE(x.document);
                        x.expectAllRoots();
                        const std::string extremes = x.extremes();
                        std::size_t maxima = 0, minima = 0;
                        for (const exact::Stationary& s : x.discussion.stationary) {
                            if (s.kind == exact::Stationary::Kind::Max) ++maxima;
                            if (s.kind == exact::Stationary::Kind::Min) ++minima;
                        }
                        auto count = [&](const std::string& word) {
                            std::size_t n = 0;
                            for (auto p = extremes.find(word); p != std::string::npos;
                                 p = extremes.find(word, p + 1))
                                ++n;
                            return n;
                        };
                        EXPECT_EQ(count("⇒ Hochpunkt"), maxima);
                        EXPECT_EQ(count("⇒ Tiefpunkt"), minima);
                        EXPECT_EQ(x.document.find("−0,0000"), std::string::npos);
                    }
}

TEST(SolutionWay, HugeTinyAndDegenerateCoefficients) {
    for (const auto& c :
         std::vector<std::array<std::string, 5>>{{"1E300", "", "-1", "", ""},
                                                 {"0,000001", "1000000", "", "", "-7"},
                                                 {"", "", "", "1E-300", "1E300"},
                                                 {"123456789", "987654321", "-555555555", "1", "7"},
                                                 {"1", "", "", "", "720720"},
                                                 {"", "", "", "", "3"},
                                                 {"", "", "", "2", "-1"},
                                                 {"", "", "", "", ""}}) {
        const Exercise e(c);
        SCOPED_TRACE(e.document);
        e.expectAllRoots();
    }
    expectLines(Exercise({"", "", "", "", "3"}).zeros(), {"Die Gleichung hat keine Lösung."});
    expectLines(Exercise({"", "", "", "2", "-1"}).zeros(), {"2x − 1 = 0 ⇒ x = ½"});
}

TEST(SolutionWay, NumbersInOneSquareRootField) {
    using doc::way::Surd;
    const auto x = doc::way::surdOf(*discussionOf({"", "", "1", "-2", "-1"}).f.roots[1].x.exact);
    ASSERT_TRUE(x);
    EXPECT_EQ(x->a, Rational(1));
    EXPECT_EQ(x->b, Rational(1));
    EXPECT_EQ(x->d, Rational(2));
    // 1 + √2 solves x² − 2x − 1 = 0 exactly.
    const auto zero = doc::way::evaluate(exact::Polynomial{{-1, -2, 1}}, *x);
    ASSERT_TRUE(zero);
    EXPECT_TRUE(zero->isZero());
    EXPECT_EQ((Surd{1, -1, 2}.sign()), -1);
    EXPECT_EQ((Surd{-3, 2, 2}.sign()), -1);
    EXPECT_EQ((Surd{-2, 2, 2}.sign()), 1);
    EXPECT_EQ(Surd({Rational(1, 2), Rational(-3, 2), 5}).expr().text(), "(1-3*sqrt(5))/2");
    EXPECT_EQ(Surd({0, Rational(-1, 3), 7}).expr().text(), "-sqrt(7)/3");
    // Two different roots under one sum are beyond ℚ(√d).
    EXPECT_FALSE(doc::way::surdOf(exact::Expr::sum(
        {exact::Expr::sqrt(exact::Expr::integer(2)), exact::Expr::sqrt(exact::Expr::integer(3))})));
    EXPECT_EQ(doc::plainText(doc::way::squareRoot(Rational(5, 2)).math), "√10/2");
    EXPECT_EQ(doc::plainText(doc::way::squareRoot(Rational(9, 4)).math), "3/2");
    EXPECT_EQ(doc::plainText(doc::way::squareRoot(Rational(72)).math), "6√2");
    EXPECT_EQ(doc::way::decimal(-0.00001L), "0,0000");
    EXPECT_EQ(doc::way::decimal(-1.23456L), "−1,2346");
}

}  // namespace
