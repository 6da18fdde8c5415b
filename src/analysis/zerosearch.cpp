#include "analysis/zerosearch.h"

#include <cmath>
#include <optional>

#include "analysis/polynomial_ops.h"
#include "analysis/stepped_over_zero.h"
#include "base/failure.h"
#include "base/numtext.h"

namespace analysis {
namespace {

int sgn(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

class Scan {
  public:
    explicit Scan(const Polynomial& poly) : k_(poly) {}

    // One counted loop at level 1..6 from start to bound; the last pair y1, y2 is shared by
    // all levels. Returns the reported zero, if any.
    std::optional<double> run(int level, double start, double bound, double step) {
        for (double x = start; step >= 0 ? x <= bound : x >= bound;) {
            y1_ = f(x);
            y2_ = f(x + step);
            if (y1_ == 0) return x;
            if (level == 6) {
                if (sgn(y1_) != sgn(y2_))
                    return numtext::toInt64((x + step / 2) * 1000000 + 0.1) / 1000000.0;
                if (std::fabs(y1_ - y2_) < 0.00000001)
                    return numtext::toInt64(x * 1000000) / 1000000.0;
            } else if (sgn(y1_) != sgn(y2_)) {
                if (auto zero = run(level + 1, x, x + step, step / 90)) return zero;
            }
            const double next = x + step;
            if (next == x) break;  // a step too small to advance ends this scan
            x = next;
        }
        return std::nullopt;
    }

    bool lastPairSameSign() const { return sgn(y1_) == sgn(y2_); }

  private:
    double f(double x) const { return checkFinite(valueByRepeatedProducts(k_, x)); }

    Polynomial k_;
    double y1_ = 0, y2_ = 0;
};

}  // namespace

ZeroReport SuchNullstelle(const Polynomial& poly, const numtext::FieldValue& ix1,
                          const numtext::FieldValue& ix2, std::string_view p01x) {
    if (!p01x.empty()) return {};
    const double lo = ix1.number();
    const double hi = ix2.number();
    const double h1 = (hi - lo) / 90;
    if (std::isinf(h1)) throw Failure(failure::Overflow);
    if (h1 == 0) return {true, "#", ""};
    Scan scan(poly);
    if (auto zero = scan.run(1, lo, hi, h1)) return {true, numtext::format(*zero), "0"};
    // No sign change seen: a zero the scan stepped over, if there is one, instead of "#".
    if (scan.lastPairSameSign()) return reportWithoutSignChange(poly, lo, hi);
    return {};
}

}  // namespace analysis
