#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The polynomials of the report, from a fixed seed, their coefficients in hundredths (A..E).
struct Sample {
    std::array<long long, 5> hundredths{};
    std::vector<int> zeros;  // the exam kind's distinct zeros, known exactly; empty otherwise
};

// Random polynomials: degree 2, 3, 4 equally often (leading coefficient never 0); each lower
// coefficient 0 with probability 1/4 (missing terms are common), otherwise, in half of the
// polynomials, a whole number from -9 to 9, in the other half a decimal from -9,99 to 9,99 in
// steps of 0,01 (as often with one decimal as with two).
std::vector<Sample> randomSamples(int count, std::uint64_t seed);

// The exam kind: degree 2, 3, 4 equally often, the product of (x - r) over roots r drawn from
// -4..4, each root after the first repeating an earlier one with probability 1/2, times a
// leading coefficient from +-1/4, +-1/2, +-1, +-2, +-3.
std::vector<Sample> examSamples(int count, std::uint64_t seed);

// A coefficient as a person types it: "-1,25", "3", "0".
std::string typedText(long long hundredths);
