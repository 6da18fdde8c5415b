#include "keys/key_filters.h"

#include <gtest/gtest.h>

using namespace keys;

namespace {

int typed(const KeyOutcome& o) { return o.key; }

TEST(RangeKey, LetsNumberCharactersThroughAndTurnsPointIntoComma) {
    for (char c : std::string("0123456789+-,")) EXPECT_EQ(typed(rangeKey(c, "")), c) << c;
    EXPECT_EQ(typed(rangeKey('.', "")), ',');
    for (char c : std::string("aXE/* #")) EXPECT_EQ(typed(rangeKey(c, "")), 0) << c;
    // Copy and paste pass unchanged, even where a comma or sign would be refused.
    EXPECT_EQ(typed(rangeKey(CtrlC, "-1,5")), CtrlC);
    EXPECT_EQ(typed(rangeKey(CtrlV, "-1,5")), CtrlV);
}

TEST(RangeKey, SignOnlyAtAFrontWithoutOneAndOneComma) {
    EXPECT_EQ(typed(rangeKey('+', "-5")), 0);
    EXPECT_EQ(typed(rangeKey('-', "+5")), 0);
    EXPECT_EQ(typed(rangeKey('-', "5")), '-');  // a sign after digits is not refused
    EXPECT_EQ(typed(rangeKey(',', "1,5")), 0);
    EXPECT_EQ(typed(rangeKey('.', "1,5")), 0);
    EXPECT_EQ(typed(rangeKey(',', "-15")), ',');
    // Judged on what stays once the key replaces the selection: "-10" all selected.
    EXPECT_EQ(typed(rangeKey('-', {"-10", ""})), '-');
    EXPECT_EQ(typed(rangeKey(',', {"1,5", "15"})), ',');
}

TEST(RangeKey, EnterMovesOnAndBackspaceDropsTheLastCharacter) {
    const KeyOutcome enter = rangeKey(Enter, "5");
    EXPECT_TRUE(enter.nextField);
    EXPECT_EQ(enter.key, 0);
    // The last character of the whole text, whatever is selected.
    const KeyOutcome back = rangeKey(Backspace, {"123", ""});
    EXPECT_TRUE(back.dropLast);
    EXPECT_EQ(back.key, 0);
    // Nothing to remove: the handler fails and the key goes on untouched.
    const KeyOutcome empty = rangeKey(Backspace, "");
    EXPECT_FALSE(empty.dropLast);
    EXPECT_EQ(empty.key, Backspace);
}

TEST(SpacingKey, OnlyDigitsAndOneComma) {
    for (char c : std::string("0123456789,")) EXPECT_EQ(typed(spacingKey(c, "")), c) << c;
    EXPECT_EQ(typed(spacingKey('.', "")), ',');
    for (int c : {int{'+'}, int{'-'}, int{'/'}, int{'P'}, CtrlC, CtrlV})
        EXPECT_EQ(typed(spacingKey(c, "1")), 0) << c;
    EXPECT_EQ(typed(spacingKey('.', "0,5")), 0);
    EXPECT_EQ(typed(spacingKey(',', {"0,5", "5"})), ',');
    EXPECT_TRUE(spacingKey(Enter, "1").nextField);
    EXPECT_TRUE(spacingKey(Backspace, "Pi").dropLast);
    EXPECT_EQ(typed(spacingKey(Backspace, "")), Backspace);
}

TEST(CoefficientKey, NumbersWithOneCommaAndEnterOnToTheNextField) {
    for (char c : std::string("0123456789,-+")) EXPECT_EQ(typed(coefficientKey(c, "", true)), c);
    EXPECT_EQ(typed(coefficientKey('.', "2", true)), ',');
    EXPECT_EQ(typed(coefficientKey('.', "2,5", true)), 0);
    EXPECT_EQ(typed(coefficientKey(',', {"2,5", "2"}, true)), ',');
    EXPECT_EQ(typed(coefficientKey('-', "-+", true)), '-');  // signs anywhere, any number
    for (char c : std::string("aE* ")) EXPECT_EQ(typed(coefficientKey(c, "", true)), 0) << c;
    EXPECT_TRUE(coefficientKey(Enter, "1", true).nextField);
    const KeyOutcome last = coefficientKey(Enter, "1", false);
    EXPECT_FALSE(last.nextField);
    EXPECT_EQ(last.key, 0);
}

TEST(P01Key, HashReplacesTheTextAndEveryOtherKeySetsY) {
    const KeyOutcome hash = p01Key('#', "1,5");
    EXPECT_EQ(hash.key, 0);
    EXPECT_EQ(hash.setText, "#");
    EXPECT_EQ(hash.p01y, "");
    for (int key : {int{'3'}, int{'x'}, Enter, Backspace}) {
        const KeyOutcome o = p01Key(key, "2");
        EXPECT_EQ(o.p01y, "0") << key;
        EXPECT_FALSE(o.setText);
    }
    EXPECT_EQ(typed(p01Key('.', "2")), ',');
    EXPECT_EQ(typed(p01Key(',', "2,")), 0);
    EXPECT_EQ(typed(p01Key(Enter, "2")), 0);
    EXPECT_EQ(typed(p01Key(CtrlV, "2")), CtrlV);
}

TEST(FieldKeys, ResultValueTermAndCubicFields) {
    for (int key : {Backspace, CtrlC, CtrlV}) EXPECT_EQ(resultKey(key), key);
    EXPECT_EQ(resultKey('1'), 0);

    EXPECT_EQ(valueKey(',', ""), '.');
    EXPECT_EQ(valueKey(',', "1.5"), 0);
    EXPECT_EQ(valueKey('.', {"1.5", "15"}), '.');
    EXPECT_EQ(valueKey('a', ""), 0);

    EXPECT_EQ(termKey(','), '.');
    for (char c : std::string("2x^(sin)/PI*e+-.")) EXPECT_EQ(termKey(c), c) << c;
    for (char c : std::string("d% yzY\r")) EXPECT_EQ(termKey(c), 0) << c;

    EXPECT_EQ(cubicKey('.'), ',');
    EXPECT_EQ(cubicKey('x'), 'X');
    for (char c : std::string("/aS ")) EXPECT_EQ(cubicKey(c), 0) << c;
}

TEST(Superscripts, ADeadCaretsCompositionsAreThePower) {
    EXPECT_EQ(superscriptAsPower(U'²'), "^2");
    EXPECT_EQ(superscriptAsPower(U'³'), "^3");
    EXPECT_EQ(superscriptAsPower(U'¹'), "^1");
    EXPECT_EQ(superscriptAsPower(U'⁰'), "^0");
    EXPECT_EQ(superscriptAsPower(U'⁹'), "^9");
    EXPECT_EQ(superscriptAsPower(U'⁻'), "^-");
    EXPECT_EQ(superscriptAsPower(U'⁽'), "^(");
    EXPECT_FALSE(superscriptAsPower(U'2'));
    EXPECT_FALSE(superscriptAsPower(U'₂'));
}

}  // namespace
