// The Steckbrief's way as the window shows it: the system as a student writes it, the steps,
// the solution as fractions, and a Probe that says what is wrong.
#include "document/steckbrief_document.h"

#include <gtest/gtest.h>

#include "document/plain_text.h"

namespace {

std::string wayOf(const std::string& conditions, int degree) {
    return doc::plainText(
        doc::steckbriefDocument(steckbrief::answer(conditions, degree), conditions));
}

void expectLines(const std::string& text, std::initializer_list<const char*> lines) {
    for (const char* l : lines)
        EXPECT_NE(text.find("\n" + std::string(l) + "\n"), std::string::npos) << l << "\nin\n"
                                                                              << text;
}

TEST(SteckbriefDocument, TheTextbookCaseFromAnsatzToProbe) {
    expectLines(
        wayOf("H(1|4)\n  T(3 | 0)", 3),
        {"f(x) = ax³ + bx² + cx + d", "f′(x) = 3ax² + 2bx + c", "H(1|4) ⇒ f(1) = 4, f′(1) = 0",
         "T(3 | 0) ⇒ f(3) = 0, f′(3) = 0", "I: a + b + c + d = 4", "III: 27a + 9b + 3c + d = 0",
         "IV: 27a + 6b + c = 0", "II − 3 · I ⇒ II: −b − 2c − 3d = −12",
         "Stufenform:", "a = 1, b = −6, c = 9, d = 0", "f(x) = x³ − 6x² + 9x", "H(1|4): erfüllt.",
         "T(3 | 0): erfüllt."});
}

TEST(SteckbriefDocument, FractionsLowerDegreesAndFailures) {
    expectLines(wayOf("punktsymmetrisch\nH(-1|2/3)", 4),
                {"punktsymmetrisch ⇒ a = 0, c = 0, e = 0", "f(x) = ⅓x³ − x",
                 "Der Koeffizient a ist 0: Die Funktion hat einen niedrigeren Grad als 4."});
    expectLines(wayOf("H(0|0)\nP(1|1)", 2),
                {"H(0|0): nicht erfüllt. Bei x = 0 liegt ein Tiefpunkt, kein Hochpunkt.",
                 "Die Funktion erfüllt die Gleichungen, aber nicht alle Bedingungen: Es gibt "
                 "keine Funktion 2. Grades mit diesen Eigenschaften."});
    const std::string missing = wayOf("H(1|4)\nT(3|0)", 4);
    EXPECT_NE(missing.find("Es fehlt eine Bedingung."), std::string::npos) << missing;
    EXPECT_EQ(missing.find("Probe"), std::string::npos) << missing;
    const std::string contradiction = wayOf("P(0|1)\nP(0|2)", 2);
    EXPECT_NE(contradiction.find("der Stufenform lautet 0 = "), std::string::npos) << contradiction;
    EXPECT_NE(contradiction.find("widersprechen sich"), std::string::npos) << contradiction;
    expectLines(wayOf("H(1|4)\n\nHochpunkt bei 3", 3),
                {"Zeile 3 kann nicht gelesen werden: „Hochpunkt bei 3“."});
}

}  // namespace
