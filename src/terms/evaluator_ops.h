#pragma once

#include <cmath>
#include <limits>

#include "base/failure.h"
#include "terms/evaluator_code.h"

// The arithmetic of each operation, in two parts:
//   fast(a, b)       the value, worked out the same way whatever the operands. It is not finite
//                    where the operation fails or where its quick way cannot be trusted, and it
//                    is never finite when an operand is not, so that a failure anywhere in a
//                    term shows in the term's value.
//   settle(a, b, r)  for finite operands whose fast value is not finite: the failure number, or
//                    0 with the exact value in r.
// Folding constants, running a term exactly and running it over many samples at once all go
// through these, so they cannot disagree.
namespace terms::ops {

#if defined(__clang__)
// Every product and sum rounds on its own, as the text's evaluation rounds them.
#pragma clang fp contract(off)
#endif

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

[[gnu::always_inline]] inline bool finite(double v) {
    return std::fabs(v) <= std::numeric_limits<double>::max();
}

// r where v is finite (1 + 0 * v is then exactly 1); not finite where v is not. For results
// that would hide a failed operand, as 1 / inf is 0.
[[gnu::always_inline]] inline double carry(double r, double v) { return r * (1 + 0 * v); }

// Whole exponents 3 and 4 are multiplied out. The square's rounding error, found exactly with
// fma, is carried into the product, so that they are as close as pow's results. Where the error
// terms are lost at the limits of the range, the value is not finite and pow decides.
[[gnu::always_inline]] inline double cube(double a) {
    double a2 = a * a;
    double e2 = std::fma(a, a, -a2);
    double r = std::fma(a2, a, e2 * a);
    return r != 0 || a == 0 ? r : kNaN;
}

[[gnu::always_inline]] inline double fourth(double a) {
    double a2 = a * a;
    double e2 = std::fma(a, a, -a2);
    double r = std::fma(a2, a2, 2 * a2 * e2);
    return r != 0 || a == 0 ? r : kNaN;
}

// a^b for finite operands: the failure number (11 for 0 to a negative power, 5 for a negative
// base with an exponent that is not whole, 6 for a result that is not finite), or 0 with the
// value in r.
inline int power(double a, double b, double& r) {
    if (b == 2) {
        r = a * a;
        return finite(r) ? 0 : failure::Overflow;
    }
    if (b == 3 || b == 4) {
        r = b == 3 ? cube(a) : fourth(a);
        if (finite(r)) return 0;
    }
    if (a == 0) {
        if (b < 0) return failure::DivisionByZero;
        if (b == 0) return r = 1, 0;
    }
    if (a < 0 && b != std::trunc(b)) return failure::InvalidArgument;
    r = std::pow(a, b);
    return finite(r) ? 0 : failure::Overflow;
}

struct OneOperand {
    static constexpr bool unary = true;
};
struct TwoOperands {
    static constexpr bool unary = false;
};

// Most operations fail only with a result that is not finite.
struct Overflows {
    static int settle(double, double, double&) { return failure::Overflow; }
};
// SQR and LOG fail only outside their domain.
struct OutsideDomain {
    static int settle(double, double, double&) { return failure::InvalidArgument; }
};

struct Neg : OneOperand, Overflows {
    static double fast(double a, double) { return -a; }
};
struct Abs : OneOperand, Overflows {
    static double fast(double a, double) { return std::fabs(a); }
};
struct Sgn : OneOperand, Overflows {
    static double fast(double a, double) {
        double s = a > 0 ? 1.0 : (a < 0 ? -1.0 : 0.0);
        return finite(a) ? s : kNaN;
    }
};
struct Fix : OneOperand, Overflows {
    static double fast(double a, double) { return std::trunc(a); }
};
struct Int : OneOperand, Overflows {
    static double fast(double a, double) { return std::floor(a); }
};
struct Sqr : OneOperand, OutsideDomain {
    static double fast(double a, double) { return std::sqrt(a); }
};
struct Sin : OneOperand, Overflows {
    static double fast(double a, double) { return std::sin(a); }
};
struct Cos : OneOperand, Overflows {
    static double fast(double a, double) { return std::cos(a); }
};
struct Tan : OneOperand, Overflows {
    static double fast(double a, double) { return std::tan(a); }
};
struct Atn : OneOperand, Overflows {
    static double fast(double a, double) { return finite(a) ? std::atan(a) : kNaN; }
};
struct Log : OneOperand, OutsideDomain {
    static double fast(double a, double) { return std::log(a); }
};
struct Exp : OneOperand, Overflows {
    static double fast(double a, double) { return finite(a) ? std::exp(a) : kNaN; }
};
struct Square : OneOperand, Overflows {
    static double fast(double a, double) { return a * a; }
};
struct Cube : OneOperand {
    static double fast(double a, double) { return cube(a); }
    static int settle(double a, double, double& r) { return power(a, 3, r); }
};
struct Fourth : OneOperand {
    static double fast(double a, double) { return fourth(a); }
    static int settle(double a, double, double& r) { return power(a, 4, r); }
};
struct Add : TwoOperands, Overflows {
    static double fast(double a, double b) { return a + b; }
};
struct Sub : TwoOperands, Overflows {
    static double fast(double a, double b) { return a - b; }
};
struct Mul : TwoOperands, Overflows {
    static double fast(double a, double b) { return a * b; }
};
struct Div : TwoOperands {
    static double fast(double a, double b) { return carry(a / b, b); }
    static int settle(double, double b, double&) {
        return b == 0 ? failure::DivisionByZero : failure::Overflow;
    }
};
struct Pow : TwoOperands {
    static double fast(double a, double b) {
        double r = kNaN;
        return finite(a) && finite(b) && power(a, b, r) == 0 ? r : kNaN;
    }
    static int settle(double a, double b, double& r) { return power(a, b, r); }
};

// The exact result of an operation on finite operands: the failure number, or 0 with the value
// in r.
template <class K>
[[gnu::always_inline]] inline int exact(double a, double b, double& r) {
    r = K::fast(a, b);
    return finite(r) ? 0 : K::settle(a, b, r);
}

// Calls f.operator()<K>() with the kernel K of the operation.
template <class F>
[[gnu::always_inline]] inline decltype(auto) withKernel(Op op, F&& f) {
    switch (op) {
        case Op::Neg:
            return f.template operator()<Neg>();
        case Op::Abs:
            return f.template operator()<Abs>();
        case Op::Sgn:
            return f.template operator()<Sgn>();
        case Op::Fix:
            return f.template operator()<Fix>();
        case Op::Int:
            return f.template operator()<Int>();
        case Op::Sqr:
            return f.template operator()<Sqr>();
        case Op::Sin:
            return f.template operator()<Sin>();
        case Op::Cos:
            return f.template operator()<Cos>();
        case Op::Tan:
            return f.template operator()<Tan>();
        case Op::Atn:
            return f.template operator()<Atn>();
        case Op::Log:
            return f.template operator()<Log>();
        case Op::Exp:
            return f.template operator()<Exp>();
        case Op::Square:
            return f.template operator()<Square>();
        case Op::Cube:
            return f.template operator()<Cube>();
        case Op::Fourth:
            return f.template operator()<Fourth>();
        case Op::Add:
            return f.template operator()<Add>();
        case Op::Sub:
            return f.template operator()<Sub>();
        case Op::Mul:
            return f.template operator()<Mul>();
        case Op::Div:
            return f.template operator()<Div>();
        case Op::Pow:
            return f.template operator()<Pow>();
    }
    __builtin_unreachable();
}

// The second operation of an instruction: none, or K with the constant c first or second.
struct Alone {
    static double fast(double t, double) { return t; }
    static int exact(double t, double, double& r) { return r = t, 0; }
};
template <class K, bool constantFirst>
struct ThenWith {
    static double fast(double t, double c) { return constantFirst ? K::fast(c, t) : K::fast(t, c); }
    static int exact(double t, double c, double& r) {
        return constantFirst ? ops::exact<K>(c, t, r) : ops::exact<K>(t, c, r);
    }
};

// Calls f.operator()<T>() with the second operation T.
template <class F>
[[gnu::always_inline]] inline decltype(auto) withThen(Then then, F&& f) {
    switch (then) {
        case Then::None:
            return f.template operator()<Alone>();
        case Then::Add:
            return f.template operator()<ThenWith<Add, false>>();
        case Then::Sub:
            return f.template operator()<ThenWith<Sub, false>>();
        case Then::SubFrom:
            return f.template operator()<ThenWith<Sub, true>>();
        case Then::Mul:
            return f.template operator()<ThenWith<Mul, false>>();
        case Then::Div:
            return f.template operator()<ThenWith<Div, false>>();
    }
    __builtin_unreachable();
}

}  // namespace terms::ops
