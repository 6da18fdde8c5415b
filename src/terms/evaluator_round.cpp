#include "terms/evaluator_round.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "terms/evaluator.h"

namespace terms {

namespace {

// 10^0 to 10^22, exact in double precision, and room for any index below 32.
constexpr double kPow10[32] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr double kTwo52 = 4503599627370496.0;

// ifSet where m is 1, ifClear where it is 0: a choice that stays a vector blend.
[[gnu::always_inline]] inline double pick(std::int64_t m, double ifSet, double ifClear) {
    const auto set = std::bit_cast<std::uint64_t>(ifSet),
               clear = std::bit_cast<std::uint64_t>(ifClear);
    return std::bit_cast<double>(clear ^ ((set ^ clear) & (0 - static_cast<std::uint64_t>(m))));
}

// For 2^-26 (about 1.5e-8) <= |x| < 1e15, |x| times an exact power of ten 10^k (k from 0 to 22)
// lies in [1e14, 1e15]: the 15 digits are the nearest whole number to that exact product, halves
// to even. The product's rounding error, found exactly with fma, settles the case where the
// rounded product is a half; dividing the whole number by the exact power gives the correctly
// rounded double, just as reading the digits back would. Outside that range the result is of no
// use and `outside` is set.
// With few instructions and, in vector lanes, without a branch: the choices are blends there.
// One value at a time they are branches, which the processor predicts (they are taken at a few
// decades and at exact halves) and which keep the chain of dependent instructions short.
template <bool inLanes>
[[gnu::always_inline]] inline double roundInRange(double x, std::int64_t& outside) {
    const double a = std::fabs(x);
    outside |= ((a >= 0x1p-26) & (a < 1e15)) ^ 1;
    // The binary exponent, read as a whole number from the bits.
    const double e2 = std::bit_cast<double>((std::bit_cast<std::uint64_t>(a) >> 52) |
                                            std::bit_cast<std::uint64_t>(kTwo52)) -
                      (kTwo52 + 1023);
    // floor(e2 * log10(2)) is e2 * log10(2) - 0.5 rounded to a whole number (e2 * log10(2) is
    // never close to a half), and the sum with 1.5 * 2^52 rounds it so and keeps it in its low
    // bits. floor(log10(a)) is this or one more.
    constexpr double kOneAndAHalfTwo52 = 6755399441055744.0;
    const auto low =
        std::bit_cast<std::uint64_t>(std::fma(e2, 0.30102999566398120, -0.5) + kOneAndAHalfTwo52);
    const double p0 = kPow10[(14 - low) & 31];
    // One more: 10^(k - 1) is p0 * 0.1 exactly (so it is for every k from 1 to 22). A product
    // that reaches 1e15 only by its rounding changes nothing: both ways round to the same
    // double.
    double p = p0;
    if constexpr (inLanes) {
        p = p0 * pick(a * p0 >= 1e15, 0.1, 1.0);
    } else if (a * p0 >= 1e15) {
        p = p0 * 0.1;
    }
    const double y = a * p;
    const double err = std::fma(a, p, -y);
    // y < 2^52: adding and taking away 2^52 rounds to a whole number, halves to even.
    double r = (y + kTwo52) - kTwo52;
    const double diff = y - r;
    if constexpr (inLanes) {
        r = r + pick((diff == 0.5) & (err > 0), 1.0, 0.0) -
            pick((diff == -0.5) & (err < 0), 1.0, 0.0);
    } else {
        if (diff == 0.5 && err > 0) r += 1;
        if (diff == -0.5 && err < 0) r -= 1;
    }
    return std::copysign(r / p, x);
}

// The definition itself: the number text of x read back.
double roundViaText(double x) {
    if (x == 0) return 0.0;
    if (!std::isfinite(x)) return x;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
    double value = 0;
    auto [ptr, ec] = std::from_chars(buf, res.ptr, value, std::chars_format::general);
    if (ec != std::errc()) value = std::strtod(std::string(buf, res.ptr).c_str(), nullptr);
    return value;
}

[[gnu::always_inline]] inline double roundBody(double x) {
    std::int64_t outside = 0;
    const double r = roundInRange<false>(x, outside);
    return outside ? roundViaText(x) : r;
}

[[gnu::always_inline]] inline void roundLanesBody(const double* in, double* out) {
    std::int64_t outside = 0;
    lanes::each([&](std::size_t i) __attribute__((always_inline)) {
        out[i] = roundInRange<true>(in[i], outside);
    });
    if (!outside) return;
    for (std::size_t i = 0; i < lanes::kCount; ++i) out[i] = roundBody(in[i]);
}

#ifdef TERMS_WIDE_TARGET
[[gnu::target("avx2,fma")]] double roundWide(double x) { return roundBody(x); }
[[gnu::target("avx2,fma")]] void roundLanesWide(const double* in, double* out) {
    roundLanesBody(in, out);
}
#endif

}  // namespace

double roundTo15Digits(double x) {
#ifdef TERMS_WIDE_TARGET
    if (lanes::wide()) return roundWide(x);
#endif
    return roundBody(x);
}

void roundLanesTo15Digits(const double* in, double* out) {
#ifdef TERMS_WIDE_TARGET
    if (lanes::wide()) return roundLanesWide(in, out);
#endif
    roundLanesBody(in, out);
}

}  // namespace terms
