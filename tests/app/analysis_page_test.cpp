// The function on the printed analysis as a student writes it.
#include <gtest/gtest.h>

#include "app/analysis_page.h"

namespace {

std::string written(double a, double b, double c, double d, double e) {
    return schoolFunction({a, b, c, d, e}).toStdString();
}

TEST(SchoolFunction, SignsOnesAndZerosAsAStudentWritesThem) {
    EXPECT_EQ(written(0, 1, -6, 9, 0), "y = x³ − 6x² + 9x");
    EXPECT_EQ(written(1, 0, -5, 0, 4), "y = x⁴ − 5x² + 4");
    EXPECT_EQ(written(-1, 0, 0, -1, -1), "y = −x⁴ − x − 1");
    EXPECT_EQ(written(0, 0, 0, 0, 1), "y = 1");
    EXPECT_EQ(written(0, 0, 0, 0, -1), "y = −1");
    EXPECT_EQ(written(0, 0, 0, 0, 0), "y = 0");
}

TEST(SchoolFunction, DecimalsWithACommaNeverInExponentForm) {
    EXPECT_EQ(written(0, 0, 0.5, -2.25, 0), "y = 0,5x² − 2,25x");
    EXPECT_EQ(written(0, 0.00001, 0, 0, 1000000), "y = 0,00001x³ + 1000000");
    EXPECT_EQ(written(0, 0, 0, 0.1, -0.1), "y = 0,1x − 0,1");
}

// The fields' texts as the page reads them: an empty field is 0; one that is no number leaves
// the term field's text to stand.
TEST(SchoolFunction, TheFieldsValuesOrNothing) {
    const auto values = coefficientValues({"", "1", "-6", "9", "0,5"});
    ASSERT_TRUE(values);
    EXPECT_EQ(schoolFunction(*values).toStdString(), "y = x³ − 6x² + 9x + 0,5");
    EXPECT_FALSE(coefficientValues({"1", "x", "", "", ""}));
}

}  // namespace
