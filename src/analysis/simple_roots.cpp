#include "analysis/simple_roots.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "analysis/polynomial_ops.h"

namespace analysis {
namespace {

// A whole number of any size, in base 10^9 digits, the lowest first, without leading zeros.
using Whole = std::vector<std::uint32_t>;
constexpr std::uint64_t kBase = 1'000'000'000;

Whole whole(std::uint64_t v) {
    Whole w;
    for (; v != 0; v /= kBase) w.push_back(static_cast<std::uint32_t>(v % kBase));
    return w;
}

Whole times(const Whole& x, const Whole& y) {
    if (x.empty() || y.empty()) return {};
    std::vector<std::uint64_t> acc(x.size() + y.size(), 0);
    for (std::size_t i = 0; i < x.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < y.size(); ++j) {
            const std::uint64_t t = acc[i + j] + std::uint64_t{x[i]} * y[j] + carry;
            acc[i + j] = t % kBase;
            carry = t / kBase;
        }
        acc[i + y.size()] = carry;
    }
    std::uint64_t carry = 0;  // a row's last carry can reach the base itself
    for (std::uint64_t& digit : acc) {
        digit += carry;
        carry = digit / kBase;
        digit %= kBase;
    }
    Whole w(acc.begin(), acc.end());
    while (!w.empty() && w.back() == 0) w.pop_back();
    return w;
}

// x times 10^k.
Whole shifted(Whole x, int k) {
    if (x.empty()) return x;
    x.insert(x.begin(), static_cast<std::size_t>(k / 9), 0);
    std::uint64_t power = 1;
    for (int i = 0; i < k % 9; ++i) power *= 10;
    return times(x, whole(power));
}

Whole plus(const Whole& x, const Whole& y) {
    Whole w;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < std::max(x.size(), y.size()) || carry != 0; ++i) {
        const std::uint64_t t = carry + (i < x.size() ? x[i] : 0) + (i < y.size() ? y[i] : 0);
        w.push_back(static_cast<std::uint32_t>(t % kBase));
        carry = t / kBase;
    }
    return w;
}

bool less(const Whole& x, const Whole& y) {
    if (x.size() != y.size()) return x.size() < y.size();
    return std::lexicographical_compare(x.rbegin(), x.rend(), y.rbegin(), y.rend());
}

// A coefficient as its term shows it: ±digits × 10^exponent, 15 significant digits.
struct Decimal {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};

Decimal decimal(double v) {
    if (v == 0) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(v));  // d.dddddddddddddde±x
    std::uint64_t digits = static_cast<std::uint64_t>(text[0] - '0');
    for (int i = 2; i < 16; ++i) digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
    return {v < 0, digits, std::atoi(text + 17) - 14};
}

// A sum of products of coefficients, each with a whole factor, whose sign is wanted.
class Sum {
  public:
    void add(std::int64_t factor, std::initializer_list<Decimal> product) {
        Term t{factor < 0, whole(static_cast<std::uint64_t>(std::abs(factor))), 0};
        for (const Decimal& d : product) {
            t.negative = t.negative != d.negative;
            t.digits = times(t.digits, whole(d.digits));
            t.exponent += d.exponent;
        }
        if (!t.digits.empty()) terms_.push_back(std::move(t));
    }

    // -1, 0 or 1.
    int sign() const {
        if (terms_.empty()) return 0;
        int lowest = terms_.front().exponent;
        for (const Term& t : terms_) lowest = std::min(lowest, t.exponent);
        Whole positive, negative;
        for (const Term& t : terms_) {
            Whole& side = t.negative ? negative : positive;
            side = plus(side, shifted(t.digits, t.exponent - lowest));
        }
        return less(negative, positive) ? 1 : less(positive, negative) ? -1 : 0;
    }

  private:
    struct Term {
        bool negative;
        Whole digits;
        int exponent;
    };
    std::vector<Term> terms_;
};

}  // namespace

bool simpleRealRootsOnly(const Polynomial& p) {
    for (double v : {p.a, p.b, p.c, p.d, p.e})
        if (!std::isfinite(v)) return false;
    // p = k3*x^3 + k2*x^2 + k1*x + k0
    const Decimal k3 = decimal(p.b), k2 = decimal(p.c), k1 = decimal(p.d), k0 = decimal(p.e);
    Sum disc;
    switch (degree(p)) {
        case 1:
            return true;
        case 2:
            disc.add(1, {k1, k1});
            disc.add(-4, {k2, k0});
            return disc.sign() > 0;
        case 3:
            disc.add(18, {k3, k2, k1, k0});
            disc.add(-4, {k2, k2, k2, k0});
            disc.add(1, {k2, k2, k1, k1});
            disc.add(-4, {k3, k1, k1, k1});
            disc.add(-27, {k3, k3, k0, k0});
            return disc.sign() > 0;
        default:
            return false;
    }
}

}  // namespace analysis
