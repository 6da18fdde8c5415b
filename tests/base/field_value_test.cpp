#include "base/field_value.h"

#include <gtest/gtest.h>

#include "base/failure.h"

using numtext::FieldValue;
using State = FieldValue::State;

namespace {

// The failure number() throws, or 0 when it returns a value.
int failureOf(const FieldValue& field) {
    try {
        field.number();
        return 0;
    } catch (const Failure& f) {
        return f.number();
    }
}

TEST(FieldValueTest, EmptyIsItsOwnStateAndFailsAsNoNumber) {
    for (const FieldValue& empty : {FieldValue(), FieldValue("")}) {
        EXPECT_EQ(empty.state(), State::Empty);
        EXPECT_TRUE(empty.isEmpty());
        EXPECT_FALSE(empty.isNumber());
        EXPECT_EQ(failureOf(empty), failure::TypeMismatch);
    }
}

// What a range field holds while being typed, and what a paste may bring: none of it a number,
// each kept as written so that a handler can tell "-" from ",".
TEST(FieldValueTest, TextsThatAreNoNumberKeepTheirText) {
    for (const char* text : {"-", ",", "+", "-,", " ", "Pi/2", "1-2", "1E", "E5", "1,2,3", "#"}) {
        const FieldValue field(text);
        EXPECT_EQ(field.state(), State::NotANumber) << text;
        EXPECT_FALSE(field.isEmpty()) << text;
        EXPECT_EQ(field.text(), text);
        EXPECT_EQ(failureOf(field), failure::TypeMismatch) << text;
    }
}

TEST(FieldValueTest, NumbersInEveryFormTheFieldsTake) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"-10", -10},         {"2,", 2},       {",5", 0.5},
                 {"-0,", 0},           {"1.000", 1000}, {"0.25", 0.25},
                 {"1E5", 1e5},         {"1E+15", 1e15}, {"1E-05", 1e-5},
                 {"-2,5E-3", -2.5e-3}, {" 7 ", 7},      {"1E-400", 0}};
    for (const auto& c : cases) {
        const FieldValue field(c.text);
        EXPECT_EQ(field.state(), State::Number) << c.text;
        EXPECT_EQ(field.number(), c.value) << c.text;
        EXPECT_EQ(field.text(), c.text);  // "2," stays "2,": the field shows what was typed
    }
}

// A number beyond a double is no number to compute with, but fails as an overflow.
TEST(FieldValueTest, NumberTooLargeFailsAsOverflow) {
    const FieldValue huge("1E400");
    EXPECT_EQ(huge.state(), State::NotANumber);
    EXPECT_EQ(failureOf(huge), failure::Overflow);
    EXPECT_EQ(failureOf(FieldValue("-1,8E308")), failure::Overflow);
}

}  // namespace
