#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "base/failure.h"

// What every fuzz target shares: a computation's outcome as a value, the documented failure
// numbers, and a check that stops the run with a message (libFuzzer keeps the input).
namespace fuzz {

template <class T>
struct Outcome {
    T value{};
    int failure = 0;  // 0: value holds the result
};

template <class F>
auto attempt(F&& f) -> Outcome<decltype(f())> {
    try {
        return {f(), 0};
    } catch (const Failure& e) {
        return {{}, e.number()};
    }
}

inline bool documented(int number) {
    switch (number) {
        case failure::InvalidArgument:
        case failure::Overflow:
        case failure::DivisionByZero:
        case failure::TypeMismatch:
        case failure::NestingTooDeep:
        case failure::UnknownName:
        case failure::SyntaxError:
            return true;
        default:
            return false;
    }
}

inline void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// Same bits: tells -0 from +0, which number text keeps apart.
inline bool same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

inline std::string_view text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
