#include "document/discussion_document.h"

#include <gtest/gtest.h>

#include "document/plain_text.h"

namespace {

using doc::Math;

std::string documentOf(const std::array<std::string, 5>& texts) {
    const auto read = exact::readCoefficients(texts);
    if (const auto* error = std::get_if<exact::ReadError>(&read))
        return doc::plainText(doc::unreadableDocument(*error, texts[error->field]));
    return doc::plainText(
        doc::discussionDocument(exact::discuss(std::get<exact::Coefficients>(read))));
}

void expectLines(const std::string& text, std::initializer_list<const char*> lines) {
    for (const char* l : lines)
        EXPECT_NE(text.find(std::string(l) + "\n"), std::string::npos) << l << "\nin\n" << text;
}

TEST(PlainText, BracketsOnlyWhereTheLineNeedsThem) {
    const Math x = Math::text("x");
    const Math root5 = Math::root(Math::text("5"));
    EXPECT_EQ(
        doc::plainText(Math::fraction(Math::row({Math::text("1 + "), root5}), Math::text("2"))),
        "(1 + √5)/2");
    EXPECT_EQ(doc::plainText(Math::fraction(
                  Math::row({Math::text("2"), Math::root(Math::text("3"))}), Math::text("3"))),
              "2√3/3");
    EXPECT_EQ(
        doc::plainText(Math::root(Math::row({Math::text("2 + "), Math::root(Math::text("3"))}))),
        "√(2 + √3)");
    EXPECT_EQ(doc::plainText(Math::row({Math::fraction(Math::text("1"), Math::text("7")),
                                        Math::power(x, Math::text("4"))})),
              "(1/7)x⁴");
    EXPECT_EQ(doc::plainText(Math::row({Math::fraction(Math::text("3"), Math::text("4")), x})),
              "¾x");
    EXPECT_EQ(doc::plainText(Math::index(x, Math::text("12"))), "x₁₂");
    EXPECT_EQ(doc::plainText(Math::power(x, Math::text("n"))), "x^n");
}

TEST(DiscussionDocument, ClassicCasesAsAStudentWritesThem) {
    expectLines(
        documentOf({"", "1", "-6", "9", ""}),
        {"Kurvendiskussion von f(x) = x³ − 6x² + 9x", "f′(x) = 3x² − 12x + 9", "D = ℝ",
         "Der Graph ist punktsymmetrisch zu seinem Wendepunkt W(2 | 2).",
         "f(0) = 0, also S_y(0 | 0).",
         "x₂ = 3: doppelte Nullstelle (Faktor (x − 3)² in der Zerlegung). Der Graph berührt die "
         "x‑Achse.",
         "Hochpunkt H(1 | 4) (f′ wechselt das Vorzeichen von + nach −)",
         "Wendetangente: y = −3x + 8", "f ist streng monoton fallend auf ]1; 3[",
         "f ist Rechtskurve auf ]−∞; 2[", "W = ℝ", "Stammfunktion F(x) = ¼x⁴ − 2x³ + (9/2)x²",
         "A = |I₁| = 27/4 ≈ 6,7500 FE"});
    expectLines(
        documentOf({"0,25", "", "-2", "", ""}),
        {"f(x) = ¼x⁴ − 2x²",
         "x₁ = −2√2 ≈ −2,8284: einfache Nullstelle (Faktor (x² − 8) in der Zerlegung). Der "
         "Graph schneidet die x‑Achse.",
         "Tiefpunkt T₁(−2 | −4) (f′ wechselt das Vorzeichen von − nach +)",
         "Wendepunkt W₁(−2√3/3 | −20/9) ≈ W₁(−1,1547 | −2,2222) (f″ wechselt das Vorzeichen)",
         "Wendetangente: y = (16√3/9)x + 4/3", "Wendetangente: y = −(16√3/9)x + 4/3",
         "W = [−4; +∞[", "für x → −∞ gilt f(x) → +∞, für x → +∞ gilt f(x) → +∞."});
    expectLines(documentOf({"1", "-4", "", "", ""}),
                {"Sattelpunkt S(0 | 0) (f′ = 0 ohne Vorzeichenwechsel)",
                 "Der Sattelpunkt S(0 | 0) ist ein Wendepunkt mit waagerechter Tangente.",
                 "x₁ = 0: dreifache Nullstelle (Faktor x³ in der Zerlegung). Sattelpunkt auf der "
                 "x‑Achse."});
    expectLines(
        documentOf({"1", "", "-2", "", "1"}),
        {"x₁ = −1: doppelte Nullstelle (Faktor (x + 1)² in der Zerlegung). Der Graph berührt "
         "die x‑Achse.",
         "W = [0; +∞["});
}

TEST(DiscussionDocument, LowDegreesAndNoSense) {
    expectLines(documentOf({"", "", "", "", "3"}),
                {"f(x) = 3", "f ist konstant: f(x) → 3 für x → −∞ und für x → +∞.",
                 "f hat keine reellen Nullstellen.", "f ist konstant auf ]−∞; +∞[", "W = {3}"});
    expectLines(
        documentOf({"", "", "", "2", "-1"}),
        {"x = ½ ≈ 0,5000: einfache Nullstelle (Faktor (2x − 1) in der Zerlegung). Der Graph "
         "schneidet die x‑Achse.",
         "f ist streng monoton steigend auf ]−∞; +∞[",
         "Der Graph ist eine Gerade: keine Krümmung."});
    expectLines(
        documentOf({"", "", "", "", ""}),
        {"f(x) = 0", "f(−x) = f(x) für alle x: Der Graph ist achsensymmetrisch zur y‑Achse.",
         "f(−x) = −f(x) für alle x: Der Graph ist punktsymmetrisch zum Ursprung.",
         "f(x) = 0 für alle x: Jede reelle Zahl ist eine Nullstelle."});
    expectLines(documentOf({"", "1-2", "", "", ""}), {"Der Koeffizient B ist keine Zahl: „1-2“."});
    // A root without a closed form, and a tangent with decimals.
    expectLines(documentOf({"1", "2", "3", "4", "-5"}),
                {"x₁ ≈ −2,0591: einfache Nullstelle (Faktor (x⁴ + 2x³ + 3x² + 4x − 5) in der "
                 "Zerlegung). Der Graph schneidet die x‑Achse.",
                 "Tiefpunkt T(−1 | −7) (f′ wechselt das Vorzeichen von − nach +)"});
}

}  // namespace
