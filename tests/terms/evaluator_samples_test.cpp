// The compiled term against the text it stands for: the number text of each sample put in place
// of every "(X)" and the text evaluated. One sample at a time and all samples at once, value for
// value to the last bit and failure for failure.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/failure.h"
#include "base/numtext.h"
#include "terms/evaluator.h"
#include "terms/normterm.h"

using terms::Program;
using terms::Sample;

namespace {

bool same(const Sample& a, const Sample& b) {
    return a.failure == b.failure && (a.failure != 0 || std::bit_cast<std::uint64_t>(a.value) ==
                                                            std::bit_cast<std::uint64_t>(b.value));
}

std::string show(const Sample& s) {
    std::ostringstream out;
    out.precision(17);
    if (s.failure != 0) {
        out << "failure " << s.failure;
    } else {
        out << s.value;
    }
    return out.str();
}

Sample bySubstitution(std::string_view term, double x) {
    try {
        return {
            terms::evaluate(terms::replaceAll(term, "(X)", "(" + numtext::formatForTerm(x) + ")")),
            0};
    } catch (const Failure& f) {
        return {0, f.number()};
    }
}

template <class F>
Sample attempt(F&& f) {
    try {
        return {f(), 0};
    } catch (const Failure& f) {
        return {0, f.number()};
    }
}

// sample(x) one at a time and sampleAll over xs both give what the substituted text gives; run(x)
// and runAll agree as well.
testing::AssertionResult agreeOn(const char* term, const std::vector<double>& xs) {
    const Program p = terms::compile(term);
    std::vector<Sample> all(xs.size());
    std::vector<Sample> raw(xs.size());
    p.sampleAll(xs, all);
    p.runAll(xs, raw);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double x = xs[i];
        const Sample want = bySubstitution(term, x);
        const Sample one = attempt([&] { return p.sample(x); });
        const Sample run = attempt([&] { return p.run(x); });
        if (!same(want, one) || !same(want, all[i]) || !same(run, raw[i])) {
            std::ostringstream where;
            where.precision(17);
            where << x;
            return testing::AssertionFailure()
                   << term << " at x = " << where.str() << ": text " << show(want) << ", sample "
                   << show(one) << ", sampleAll " << show(all[i]) << "; run " << show(run)
                   << ", runAll " << show(raw[i]);
        }
    }
    return testing::AssertionSuccess();
}

// The samples of the default domain, as a curve takes them.
std::vector<double> defaultDomain() {
    std::vector<double> xs;
    for (double x = -10; x <= 10; x += 0.004) xs.push_back(x);
    return xs;
}

// Where terms and the rounding are likely to break: zeros, halves, the edges of the rounding's
// quick range, numbers whose powers overflow or vanish, the largest and the smallest doubles,
// and random ones of any size.
std::vector<double> awkwardSamples() {
    const double max = std::numeric_limits<double>::max();
    std::vector<double> xs = {0,
                              -0.0,
                              1,
                              0.5,
                              2.5,
                              1.0 / 3,
                              1e-5,
                              0.1 + 0.2,
                              0x1p-26,
                              std::nextafter(0x1p-26, 0.0),
                              1e-8,
                              1.5e-8,
                              999999999999999.4,
                              999999999999999.5,
                              1e15 - 0.125,
                              1e15,
                              123456789012345.5,
                              123456789012344.5,
                              1e16,
                              1e22,
                              1e23,
                              1e77,
                              1.3e77,
                              1e103,
                              1e154,
                              1.5e154,
                              1e300,
                              1e-80,
                              3e-78,
                              1e-100,
                              1e-160,
                              1e-300,
                              2.2250738585072014e-308,
                              5e-324,
                              1.7976931348623e308,
                              max};
    const std::size_t given = xs.size();
    for (std::size_t i = 0; i < given; ++i) xs.push_back(-xs[i]);
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 300; ++i) xs.push_back(unit(gen) * std::pow(10.0, exponent(gen)));
    for (int i = 0; i < 300; ++i) {
        const double x = std::bit_cast<double>(bits(gen));
        if (std::isfinite(x)) xs.push_back(x);
    }
    return xs;
}

void expectAgreement(std::initializer_list<const char*> terms) {
    static const std::vector<double> domain = defaultDomain();
    static const std::vector<double> awkward = awkwardSamples();
    for (const char* term : terms) {
        EXPECT_TRUE(agreeOn(term, domain));
        EXPECT_TRUE(agreeOn(term, awkward));
    }
}

}  // namespace

TEST(EvaluatorSamples, RoundingTo15DigitsMatchesTheNumberText) {
    auto viaText = [](double x) { return std::strtod(numtext::formatForTerm(x).c_str(), nullptr); };
    std::vector<double> xs = awkwardSamples();
    xs.push_back(9.999999999999999e22);
    xs.push_back(100000000000000.5);
    // Every power of ten and its neighbours, and halves of the 15th digit at every size.
    for (int e = -330; e <= 308; ++e) {
        const double p = std::pow(10.0, e);
        double below = p, above = p;
        for (int i = 0; i < 3; ++i) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, std::numeric_limits<double>::infinity());
            xs.insert(xs.end(), {below, above});
        }
        xs.push_back(p);
        for (double m : {100000000000000.5, 123456789012345.5, 999999999999999.5})
            if (std::isfinite(m * std::pow(10.0, e - 14))) xs.push_back(m * std::pow(10.0, e - 14));
    }
    std::mt19937_64 gen(42);
    std::uniform_real_distribution<double> unit(-1, 1);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int i = 0; i < 200000; ++i) xs.push_back(unit(gen) * std::pow(10.0, exponent(gen)));
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 100000; ++i) {
        const double x = std::bit_cast<double>(bits(gen));
        if (std::isfinite(x)) xs.push_back(x);
    }
    // The variable alone gives the rounded x: all at once, the rounding runs in vector lanes.
    std::vector<Sample> lanes(xs.size());
    terms::compile("(X)").sampleAll(xs, lanes);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double x = xs[i];
        const double want = viaText(x);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(terms::roundTo15Digits(x)),
                  std::bit_cast<std::uint64_t>(want))
            << x;
        if (std::isfinite(want)) {
            ASSERT_TRUE(same(lanes[i], {want, 0})) << x << ": " << show(lanes[i]);
        } else {
            ASSERT_EQ(lanes[i].failure, failure::Overflow) << x;
        }
    }
    EXPECT_FALSE(std::signbit(terms::roundTo15Digits(-0.0)));
}

TEST(EvaluatorSamples, TheProgramsOwnTermsAgreeWithTheText) {
    expectAgreement({"1*(X)^4-5*(X)^2+4", "+4*(X)^3-10*(X)", "+12*(X)^2-10", "+24*(X)",
                     "1*(X)^3+1.5*(X)^2-2.75*(X)-4.125", "-1*(X)^2+4", "+0.00001*(X)^2-1",
                     "SIN((X))*EXP(-(X)^2)", "SQR(ABS((X)))+LOG(2+(X)^2)/3"});
}

TEST(EvaluatorSamples, FailuresAndTheirOrderAgreeWithTheText) {
    expectAgreement({
        "SQR((X))",                    // 5 on the left half
        "LOG((X))",                    // 5 up to and at zero
        "1/((X)-1.99999999999934)",    // 11 at the sample written so
        "(X)^0.5+1/(X)",               // 5 and 6 near zero
        "(X)^(X)",                     // negative bases with whole exponents
        "-(X)^2-(X)^-2",               // signs against ^
        "2^-(X)^2",                    //
        "EXP((X)^3)",                  // 6 from overflow
        "1/0+(X)",                     // 11 everywhere
        "(X)+1/0",                     //
        "SIN(X)",                      // "SIN(X)" holds "(X)": the function's own bracket
        "SIN (X)*COS((X))",            //
        "((((X))))",                   //
        "INT((X))+FIX((X))+SGN((X))",  //
        "TAN((X))/ATN((X))",           // 11 only where a sample is exactly 0
        "(X)*1E308*1E10",              // 6
        "(X)*(X)*(X)-(X)/(X)",         //
        "SQR((X))+1/((X)-1)",          // the first failure from the left wins
        "1/((X)-1)+SQR((X))",          //
        "LOG((X))/((X)-0.5)",          //
        "EXP((X)^3)+SQR(-(X))",        //
        "1/(X)+SQR(-1)",               // a constant that fails is kept in its place
        "SQR(-1)+1/(X)",               //
        "(X)*(1/0)",                   //
        "0^(X)",                       // 11 for negative x
        "(-2)^(X)",                    // 5 unless x is whole
    });
}

// Faults of reading fail every sample, but a variable read before them fails first with 6 where
// its own number text is too large.
TEST(EvaluatorSamples, TermsThatCannotBeReadAgreeWithTheText) {
    expectAgreement({"2(X)", "(X)(X)", "(X)+Y", "Y+(X)", "X+(X)", "( X )", "(X", "(X)+",
                     "1E999+(X)", "(X)+1E999", "(X)+(", "((X)", "5", "2+3", "1/0", "SQR(-1)"});
    const double huge = std::numeric_limits<double>::max();
    EXPECT_EQ(bySubstitution("(X)*0", huge).failure, 6);
    EXPECT_EQ(bySubstitution("Y+(X)", huge).failure, 500);
    EXPECT_EQ(bySubstitution("5", huge).value, 5);
}

// Multiplications by 1, powers with a whole constant exponent, and operations with a constant
// that join the operation before them: the same results as the text, where the text's own
// operations would give them, down to the sign of a zero.
TEST(EvaluatorSamples, ShortenedOperationsAgreeWithTheText) {
    expectAgreement({
        "(X)^2",         "(X)^3",         "(X)^4",         "(X)^(1+1)",      "(X)^(2+1)",
        "(X)^(2+2)",     "((X)+1)^4",     "((X)-1)^3",     "(X)^1",          "(X)^0",
        "(X)^-2",        "(X)^1.5",       "2^(X)",         "(X)*1",          "1*(X)",
        "(X)/1",         "(X)-0",         "(X)*-1",        "-1*(X)",         "--(X)",
        "(X)--0",        "-(X)*0-0",      "-(X)*0--0",     "-(X)*0+0",       "0+-(X)*0",
        "(X)*0*-1",      "ATN(-(X)*0)",   "(X)^2+3",       "3+(X)^2",        "(X)^2-3",
        "3-(X)^2",       "(X)^2*3",       "3*(X)^2",       "(X)^2/3",        "3/(X)^2",
        "-(X)^2",        "-(X)^3",        "-SIN((X))",     "SIN((X))/0",     "LOG(ABS((X)))/3",
        "((X)+1)*2-3",   "((X)*(X)+1)/4", "(X)*(X)*5",     "5*(X)*(X)",      "((X)-(X))*-1",
        "(X)^4*1E300",   "((X)*1E-80)^4", "((X)*1E-80)^3", "((X)*1E-160)^2", "((X)*1E80)^4",
        "((X)*1E150)^3", "(X)^4-1E308",   "1E308-(X)^4",
    });
}

// All at once, a failure becomes a value that is not finite and must stay so to the end, even
// through operations that would turn it into a finite one (1/inf is 0, SGN(inf) is 1).
TEST(EvaluatorSamples, FailuresInsideATermReachItsResult) {
    expectAgreement({
        "SGN(1/(X))",
        "ATN(EXP((X)^3))",
        "EXP(-EXP((X)^3))",
        "1/(1/(X))",
        "2/EXP((X)^3)",
        "0*(1/(X))",
        "(1/(X))^0",
        "1^(1/(X))",
        "(X)^(1/(X))",
        "(X)-(X)+1/(X)",
        "1/(X)*0+1",
        "ABS(LOG((X)))",
        "SQR((X))*0",
        "INT(1/(X))",
        "FIX(EXP((X)^3))",
        "COS(1/(X))",
        "TAN(EXP((X)^3))",
        "SIN(EXP((X)^3))",
        "SGN(SQR((X)))",
        "ATN(LOG((X)))",
        "EXP(-1/(X)^2)",
        "1/(X)-1/(X)",
        "EXP((X)^3)-EXP((X)^3)",
        "EXP((X)^3)*0",
        "(X)*1E300*1E300/1E300",
    });
}

// Deep terms need many registers.
TEST(EvaluatorSamples, DeepTermsAgreeWithTheText) {
    std::string right = "(X)", left = "(X)";
    for (int i = 0; i < 150; ++i) {
        right = "(X)-(1+" + right + ")";
        left = "(" + left + ")*(X)-" + std::to_string(i);
    }
    const std::string both = right + "/(" + left + ")";
    EXPECT_TRUE(agreeOn(right.c_str(), defaultDomain()));
    EXPECT_TRUE(agreeOn(both.c_str(), defaultDomain()));
}

// All at once gives every sample, however many there are.
TEST(EvaluatorSamples, AnyNumberOfSamples) {
    const std::vector<double> domain = defaultDomain();
    for (std::size_t n : {0, 1, 127, 128, 129, 256, 5001}) {
        const std::vector<double> xs(domain.begin(), domain.begin() + n);
        EXPECT_TRUE(agreeOn("1/((X)+3)+SQR((X))", xs)) << n;
    }
}
