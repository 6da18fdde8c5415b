#pragma once

// The real roots of an integer polynomial with neither multiple nor rational roots (an
// irreducible factor of degree 3 or 4). A numerical root finder can take minutes when the roots
// span 10^-300 .. 10^300, so the roots are isolated exactly instead: Sturm sequences, signs taken
// exactly at dyadic points, bisection in the exponent before the mantissa. Each root is then
// narrowed on demand by interval Newton steps. Every loop has a bound. Internal to the exact core.

#include <vector>

#include "exact/flint_types.h"

namespace exact {

class RealRoots {
  public:
    explicit RealRoots(const FmpzPoly& g);

    int count() const { return static_cast<int>(roots_.size()); }
    // An enclosure of root `index` (ascending) with a relative accuracy of about `prec` bits;
    // always a true enclosure, narrowed further on the next call if the work bound stopped it.
    void enclose(arb_t out, int index, slong prec);
    // The isolating interval of root `index` as it stands: g changes sign between its ends, and
    // no other root lies between them. Narrower after each enclose.
    void interval(int index, arf_t lo, arf_t hi) const {
        arf_set(lo, roots_[static_cast<std::size_t>(index)].lo.get());
        arf_set(hi, roots_[static_cast<std::size_t>(index)].hi.get());
    }

  private:
    struct Isolated {
        Arf lo, hi;             // the root lies strictly between; no other root does
        bool monotone = false;  // g' is known to keep its sign on [lo, hi]
        slong bits = 0;         // the precision of the last step past a root of g'
    };
    void narrow(Isolated& root, slong prec);
    bool pastCriticalPoint(Isolated& root);

    FmpzPoly g_, derivative_, second_;
    slong separation_ = 0;  // bits: distinct roots of g lie at least 2^-separation_ apart
    long stepBound_ = 0;    // bisections that can ever be needed, from the root separation
    std::vector<Isolated> roots_;
};

}  // namespace exact
