#include "analysis/slots.h"

#include <gtest/gtest.h>

#include "analysis/solvers.h"
#include "base/failure.h"

namespace {

using Three = std::array<std::string, 3>;
using Two = std::array<std::string, 2>;

TEST(Slots, SlotsKeepEmptyOnesAndTheRestAfterTheLastBar) {
    EXPECT_EQ(analysis::splitThree("2|-2|-1"), (Three{"2", "-2", "-1"}));
    EXPECT_EQ(analysis::splitThree("1,5||"), (Three{"1,5", "", ""}));
    EXPECT_EQ(analysis::splitThree("||"), (Three{"", "", ""}));
    // A third slot runs to the end, bars included.
    EXPECT_EQ(analysis::splitThree("1|2|3|4"), (Three{"1", "2", "3|4"}));
    EXPECT_EQ(analysis::splitTwo("0,9|-0,9"), (Two{"0,9", "-0,9"}));
    EXPECT_EQ(analysis::splitTwo("|"), (Two{"", ""}));
    EXPECT_EQ(analysis::splitTwo("1|2|3"), (Two{"1", "2|3"}));
}

TEST(Slots, TooFewBarsEndTheRun) {
    // KubGlei with a leading 0 (the first press of degree 4) gives the empty text.
    EXPECT_THROW(analysis::splitThree(analysis::KubGlei(0, 0, 0, 0)), Failure);
    EXPECT_THROW(analysis::splitThree("1|2"), Failure);
    EXPECT_THROW(analysis::splitTwo(""), Failure);
    EXPECT_THROW(analysis::splitTwo("1"), Failure);
}

}  // namespace
