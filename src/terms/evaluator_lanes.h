#pragma once

#include <cstddef>

// Many samples at once: loops over a fixed number of lanes, each lane on its own, which the
// compiler turns into vector instructions.
namespace terms::lanes {

constexpr std::size_t kCount = 128;

template <class F>
[[gnu::always_inline]] inline void each(F&& f) {
#if defined(__GNUC__) && !defined(__clang__)
// A lane never reads what another lane writes (an instruction may write over its own operand,
// lane by lane). Clang checks that by itself at run time.
#pragma GCC ivdep
#endif
    for (std::size_t i = 0; i < kCount; ++i) f(i);
}

// Whether the processor has AVX2 and FMA: the loops, and the powers' fma, are compiled a second
// time for them. Each instruction rounds exactly as its plain form does, so both give the same
// bits.
#if defined(__x86_64__) && defined(__GNUC__)
#define TERMS_WIDE_TARGET 1
inline bool wide() {
    static const bool has = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return has;
}
#endif

}  // namespace terms::lanes
