#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "base/failure.h"
#include "terms/evaluator.h"
#include "terms/evaluator_lanes.h"
#include "terms/evaluator_ops.h"
#include "terms/evaluator_round.h"

namespace terms {

namespace {

// The code for one x, operation by operation, up to the first that fails.
[[gnu::always_inline]] inline Sample runOnceBody(const Code& code, double x, double* regs) {
    regs[0] = x;
    const double* constants = code.constants.data();
    const double* from[2] = {regs, constants};
    for (const Instr& in : code.instrs) {
        const double a = from[in.aConstant][in.a];
        const double b = from[in.bConstant][in.b];
        double r = 0;
        int failure = ops::withKernel(
            in.op, [&]<class K>()
                       __attribute__((always_inline)) { return ops::exact<K>(a, b, r); });
        if (failure == 0 && in.then != Then::None) {
            failure = ops::withThen(
                in.then, [&]<class T>() __attribute__((always_inline)) {
                    return T::exact(r, constants[in.c], r);
                });
        }
        if (failure != 0) return {0, failure};
        regs[in.d] = r;
    }
    return {from[code.result.constant][code.result.index], 0};
}

// One instruction in every lane; a constant operand is the same in all of them.
template <class K, class T>
[[gnu::always_inline]] inline void stepLanes(const Instr& in, double* regs,
                                             const double* constants) {
    constexpr std::size_t n = lanes::kCount;
    double* d = regs + in.d * n;
    const double c = constants[in.c];
    auto lanesOf = [&](std::uint32_t index) { return regs + index * n; };
    if (in.aConstant && (K::unary || in.bConstant)) {  // only where a failure kept it unfolded
        const double v = T::fast(K::fast(constants[in.a], constants[in.b]), c);
        lanes::each([&](std::size_t i) __attribute__((always_inline)) { d[i] = v; });
    } else if (K::unary || (!in.aConstant && !in.bConstant)) {
        const double* a = lanesOf(in.a);
        const double* b = lanesOf(in.b);
        lanes::each([&](std::size_t i)
                        __attribute__((always_inline)) { d[i] = T::fast(K::fast(a[i], b[i]), c); });
    } else if (in.aConstant) {
        const double a = constants[in.a];
        const double* b = lanesOf(in.b);
        lanes::each([&](std::size_t i)
                        __attribute__((always_inline)) { d[i] = T::fast(K::fast(a, b[i]), c); });
    } else {
        const double* a = lanesOf(in.a);
        const double b = constants[in.b];
        lanes::each([&](std::size_t i)
                        __attribute__((always_inline)) { d[i] = T::fast(K::fast(a[i], b), c); });
    }
}

// The code in every lane at once, with the fast values: a lane's result is exact where it and x
// are finite. Tells whether they are in every lane.
[[gnu::always_inline]] inline bool runLanesBody(const Code& code, double* regs) {
    const double* constants = code.constants.data();
    for (const Instr& in : code.instrs) {
        ops::withKernel(
            in.op, [&]<class K>() __attribute__((always_inline)) {
                ops::withThen(
                    in.then, [&]<class T>() __attribute__((always_inline)) {
                        stepLanes<K, T>(in, regs, constants);
                    });
            });
    }
    const double* x = regs;
    const double* result = regs + std::size_t{code.result.index} * lanes::kCount;
    // v - v is +0 for a finite v, and NaN, with bits set, for one that is not.
    std::uint64_t notFinite = 0;
    lanes::each([&](std::size_t i) __attribute__((always_inline)) {
        notFinite |= std::bit_cast<std::uint64_t>(x[i] - x[i]) |
                     std::bit_cast<std::uint64_t>(result[i] - result[i]);
    });
    return notFinite == 0;
}

#ifdef TERMS_WIDE_TARGET
[[gnu::target("avx2,fma")]] Sample runOnceWide(const Code& code, double x, double* regs) {
    return runOnceBody(code, x, regs);
}
[[gnu::target("avx2,fma")]] bool runLanesWide(const Code& code, double* regs) {
    return runLanesBody(code, regs);
}
#endif

Sample runOnce(const Code& code, double x, double* regs) {
#ifdef TERMS_WIDE_TARGET
    if (lanes::wide()) return runOnceWide(code, x, regs);
#endif
    return runOnceBody(code, x, regs);
}

bool runLanes(const Code& code, double* regs) {
#ifdef TERMS_WIDE_TARGET
    if (lanes::wide()) return runLanesWide(code, regs);
#endif
    return runLanesBody(code, regs);
}

}  // namespace

Sample Program::exactly(double x) const {
    if (xRead_ && !std::isfinite(x)) return {0, failure::Overflow};
    if (failure_ != 0) return {0, failure_};
    constexpr std::size_t kSmall = 32;
    if (code_.registers <= kSmall) {
        double regs[kSmall];
        return runOnce(code_, x, regs);
    }
    std::vector<double> regs(code_.registers);
    return runOnce(code_, x, regs.data());
}

double Program::run(double x) const {
    const Sample s = exactly(x);
    if (s.failure != 0) throw Failure(s.failure);
    return s.value;
}

// Lane by lane, the fast values carry every failure and every doubtful value into a result that
// is not finite; only those samples are run again, one by one, to find what they are.
void Program::many(std::span<const double> xs, std::span<Sample> out, bool rounded) const {
    constexpr std::size_t n = lanes::kCount;
    // A constant term, or one that cannot be read, is quickly done one by one.
    const bool inLanes = failure_ == 0 && !code_.result.constant;
    std::vector<double> regs(std::size_t{code_.registers} * n);
    double* x = regs.data();
    const double* result = regs.data() + std::size_t{code_.result.index} * n;
    double padded[n];
    for (std::size_t start = 0; start < xs.size(); start += n) {
        const std::size_t count = std::min(n, xs.size() - start);
        const double* given = xs.data() + start;
        if (count < n) {  // the lanes beyond the last x get a harmless one
            std::fill(std::copy_n(given, count, padded), padded + n, 1.0);
            given = padded;
        }
        if (rounded) {
            roundLanesTo15Digits(given, x);
        } else {
            std::copy_n(given, n, x);
        }
        Sample* to = out.data() + start;
        if (inLanes && runLanes(code_, regs.data())) {
            for (std::size_t i = 0; i < count; ++i) to[i] = {result[i], 0};
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const bool exact = inLanes && ops::finite(result[i]) && ops::finite(x[i]);
            to[i] = exact ? Sample{result[i], 0} : exactly(x[i]);
        }
    }
}

void Program::runAll(std::span<const double> xs, std::span<Sample> out) const {
    many(xs, out, false);
}

void Program::sampleAll(std::span<const double> xs, std::span<Sample> out) const {
    many(xs, out, true);
}

}  // namespace terms
