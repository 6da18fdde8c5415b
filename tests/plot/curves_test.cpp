#include "plot/curves.h"

#include <gtest/gtest.h>

#include "base/failure.h"
#include "base/numtext.h"
#include "plot/recording_surface.h"
#include "terms/evaluator.h"
#include "terms/normterm.h"

namespace {

using plot::CurveKind;

const plot::Ranges initial{"-10", "10", "-10", "10"};
constexpr std::int32_t nullpunktY = 4642;

// The curve as text substitution draws it: every sample's number text put into the term.
struct Reference {
    std::vector<RecordingSurface::Primitive> drawn;
    int failure = 0;
};

Reference substituted(std::string term, CurveKind kind, double xmin, double xmax, double ymin,
                      double ymax) {
    if (kind == CurveKind::Single) term = terms::NormTerm(term);
    for (char& c : term)
        if (c == ',') c = '.';
    auto eval = [&](double x, double& y) {
        try {
            y = terms::evaluate(
                terms::replaceAll(term, "(X)", "(" + numtext::formatForTerm(x) + ")"));
            return 0;
        } catch (const Failure& f) {
            return f.number();
        }
    };
    Reference ref;
    const double step = (xmax - xmin) / 5000;
    for (double x = xmin; step > 0 ? x <= xmax : x >= xmax; x += step) {
        double y1 = 0, y2 = 0;
        int f = eval(x, y1);
        if (f == 5) continue;
        if (f) return ref.failure = f, ref;
        if (kind != CurveKind::Single) {
            f = eval(x + step, y2);
            if (f == 5) continue;
            if (f) return ref.failure = f, ref;
            if (!(ymin < y2 && y2 < ymax)) continue;
        }
        if (!(ymin < y1 && y1 < ymax)) continue;
        const double px1 = 120 + 7005 * (x - xmin) / (xmax - xmin);
        const double py1 = nullpunktY - 7005 * y1 / (ymax - ymin);
        if (!(1140 < py1 && py1 < 8145)) continue;
        const double px2 = 120 + 7005 * (x + step - xmin) / (xmax - xmin);
        const double py2 = nullpunktY - 7005 * y2 / (ymax - ymin);
        if (kind == CurveKind::Lines)
            ref.drawn.push_back({true, float(px1), float(py1), float(px2), float(py2), 1, 2});
        else
            ref.drawn.push_back({false, float(px1), float(py1), float(px1), float(py1), 1, 2});
    }
    return ref;
}

struct Drawn {
    RecordingSurface s;
    int failure;
    Drawn(const std::string& term, CurveKind kind, const plot::Ranges& r = initial,
          const std::string& width = "2") {
        s.setPenWidth(7);
        failure = plot::drawCurve(s, r, {term, kind, 1, width}, nullpunktY);
    }
};

TEST(CurvesTest, CompiledTermDrawsExactlyWhatSubstitutedTextDraws) {
    const std::pair<const char*, CurveKind> cases[] = {
        {"(X)^2", CurveKind::Lines},           {"(X)^2", CurveKind::Points},
        {"SQR((X))", CurveKind::Single},       {"1/(X)", CurveKind::Single},
        {"LOG(ABS((X))-1)", CurveKind::Lines}, {"2(X)", CurveKind::Points},
        {"2(X)", CurveKind::Single},           {"SIN((X))*(X)^3-(X)", CurveKind::Single},
        {"(X)^0,5", CurveKind::Lines},         {"1/((X)+10)", CurveKind::Single},
        {"(X)+", CurveKind::Single},           {"X^2", CurveKind::Points},
        {"(PI)*(X)", CurveKind::Single},       {"(X)^(X)", CurveKind::Lines},
    };
    for (const auto& [term, kind] : cases) {
        const Drawn d(term, kind);
        const Reference ref = substituted(term, kind, -10, 10, -10, 10);
        EXPECT_EQ(d.failure, ref.failure) << term;
        ASSERT_EQ(d.s.primitives().size(), ref.drawn.size()) << term;
        for (std::size_t i = 0; i < ref.drawn.size(); ++i) {
            const auto &a = d.s.primitives()[i], &b = ref.drawn[i];
            ASSERT_TRUE(a.isLine == b.isLine && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 &&
                        a.y2 == b.y2 && a.width == 2)
                << term << " #" << i;
        }
    }
}

TEST(CurvesTest, ParabolaInLineModeIsOneChainInsideTheRange) {
    const Drawn d("(X)^2", CurveKind::Lines);
    ASSERT_EQ(d.failure, 0);
    const auto& p = d.s.primitives();
    ASSERT_GT(p.size(), 1000u);
    for (std::size_t i = 1; i < p.size(); ++i) {
        ASSERT_EQ(p[i].x1, p[i - 1].x2);
        ASSERT_EQ(p[i].y1, p[i - 1].y2);
    }
    // x^2 < 10 for |x| < 3,1623.
    EXPECT_NEAR((p.front().x1 - 120) / 7005 * 20 - 10, -3.162, 0.005);
    EXPECT_NEAR((p.back().x2 - 120) / 7005 * 20 - 10, 3.162, 0.005);
    // Point mode: the same samples, but the last one before the range is left is missing.
    const Drawn points("(X)^2", CurveKind::Points);
    EXPECT_EQ(points.s.points(), static_cast<int>(p.size()));
    EXPECT_EQ(points.s.primitives().back().x1, p.back().x1);
}

TEST(CurvesTest, PendingFailureMeetsTheFirstSample) {
    // A pen width that is no number: the message number 13 before anything is drawn.
    const Drawn bad("(X)", CurveKind::Lines, initial, "x");
    EXPECT_EQ(bad.failure, failure::TypeMismatch);
    EXPECT_EQ(bad.s.primitives().size(), 0u);
    EXPECT_EQ(bad.s.penWidth(), 7);
    EXPECT_NE(Drawn("(X)", CurveKind::Single, initial, "0").failure, 0);
    EXPECT_NE(Drawn("(X)", CurveKind::Single, {"", "10", "-10", "10"}).failure, 0);
    // The first sample has no value (5): skipped as always, and the pending failure with it.
    const Drawn skipped("SQR(-(X))", CurveKind::Single, {"1", "-1", "-10", "10"}, "x");
    EXPECT_EQ(skipped.failure, 0);
    EXPECT_GT(skipped.s.points(), 0);
    // An empty term: nothing at all, even with a bad width; a good width is set even so.
    EXPECT_EQ(Drawn("", CurveKind::Lines, initial, "x").failure, 0);
    const Drawn empty("", CurveKind::Lines, initial, "4");
    EXPECT_EQ(empty.s.penWidth(), 4);
}

TEST(CurvesTest, FailureStopsTheDrawingKeepingWhatWasDrawn) {
    // Whole steps: the sample x = 3 is met exactly.
    const Drawn d("1/((X)-3)", CurveKind::Single, {"0", "5000", "-10", "10"});
    EXPECT_EQ(d.failure, failure::DivisionByZero);
    EXPECT_EQ(d.s.points(), 3);
    EXPECT_EQ(Drawn("(X)+*2", CurveKind::Single).failure, failure::SyntaxError);
    EXPECT_EQ(Drawn("(X)+*2", CurveKind::Single).s.points(), 0);
}

TEST(CurvesTest, DomainsThatCannotBeSampledEndAtOnce) {
    EXPECT_EQ(Drawn("(X)", CurveKind::Lines, {"2", "2", "-10", "10"}).s.lines(), 0);
    // Steps too small to move x: the drawing ends instead of hanging.
    const Drawn tiny("(X)", CurveKind::Single,
                     {"1000000000000000", "1000000000000000,2", "0", "1E+16"});
    EXPECT_LE(tiny.s.points(), 5001);
    // Equal or reversed value range: nothing, no failure.
    EXPECT_EQ(Drawn("(X)", CurveKind::Single, {"-10", "10", "5", "5"}).s.points(), 0);
    EXPECT_EQ(Drawn("(X)", CurveKind::Single, {"-10", "10", "10", "-10"}).failure, 0);
}

TEST(CurvesTest, ReversedDomainIsDrawnMirrored) {
    const Drawn d("(X)", CurveKind::Single, {"10", "-10", "-10", "10"});
    ASSERT_GT(d.s.points(), 0);
    // Sampled from x = 10 down, on the left edge: the top of the square comes first.
    EXPECT_LT(d.s.primitives().front().x1, 125);
    EXPECT_LT(d.s.primitives().front().y1, 1200);
    EXPECT_GT(d.s.primitives().back().x1, 7100);
}

}  // namespace
