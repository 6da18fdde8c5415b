#pragma once

// The polynomials of the Kurvendiskussion's benchmarks, and how their times are summed up.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <random>
#include <string>
#include <vector>

namespace discussion_corpus {

using Texts = std::array<std::string, 5>;

// Exam-kind, random small integers, and 15 significant digits.
inline std::vector<Texts> corpus() {
    std::vector<Texts> all = {
        {"", "1", "-6", "9", ""},     {"0,25", "", "-2", "", ""}, {"1", "", "", "", "-1"},
        {"1", "", "-2", "", "1"},     {"1", "-4", "", "", ""},    {"1", "", "-4", "", "1"},
        {"2", "", "-3", "1", ""},     {"", "", "", "", "5"},      {"", "", "", "2", "-3"},
        {"", "", "-0,5", "2", "1,5"}, {"", "1", "", "-3", "1"},   {"-0,5", "2", "", "-4", "3"}};
    std::mt19937 random(5);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int i = 0; i < 100; ++i) {
        Texts t;
        for (auto& c : t) c = std::to_string(pick(-20, 20));
        all.push_back(t);
    }
    for (int i = 0; i < 100; ++i) {
        Texts t;
        for (auto& c : t) {
            std::string digits;
            for (int k = 0; k < 15; ++k) digits += static_cast<char>('0' + pick(0, 9));
            c = (pick(0, 1) ? "-" : "") + digits.substr(0, pick(1, 4)) + "," +
                digits.substr(digits.size() - 11);
        }
        all.push_back(t);
    }
    return all;
}

// Coefficients far beyond what anybody types, each case a spread of magnitudes or of digits.
inline std::vector<Texts> extremeCorpus() {
    const std::string nines(300, '9');
    std::vector<Texts> all = {
        {"1,2391", "330857,1456789012345", "3E300", "", "-1E-300"},
        {"1", "", "-3E300", "1", ""},
        {"", "1E300", "", "-7", "1E-300"},
        {"1E-300", "1", "-1E300", "", "1"},
        {"1E300", "", "-1E-300", "", ""},
        {"1", "", "", "", "-" + nines},
        {"1", "1E-300", "", "-" + nines, "1"},
        {"9,99E999", "", "-3", "1E-1000", "2"},
        {"1E-1000", "-1", "", "", "9,99E999"},
        // x^4 - 2(10^300 x - 1)^2: two zeros 10^-900 apart near 10^-300
        {"1", "", "-2E600", "4E300", "-2"},
        // (x^2 - 2)(x^2 - 2 - 10^-1990): zeros 10^-1990 apart
        {"1", "", "-4," + std::string(1989, '0') + "1", "", "4," + std::string(1989, '0') + "2"},
        // (x^2 - 2)^2 - 10^-1000 x, irreducible: two zeros 10^-500 apart near sqrt(2)
        {"1", "", "-4", "-1E-1000", "4"},
        {"1", "", "-4", "-1," + std::string(1997, '0') + "1E-1000", "4," + std::string(1990, '3')},
        // (x - 1)^3 (x + 2) - 10^-999: a triple zero split by 10^-333
        {"1", "-1", "-3", "5", "-2," + std::string(998, '0') + "1"}};
    std::mt19937 random(7);
    auto digit = [&] {
        return static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random));
    };
    for (int i = 0; i < 6; ++i) {
        Texts t;
        for (auto& c : t) {
            std::string digits(1, '1');
            for (int k = 1; k < 300; ++k) digits += digit();
            c = (digit() < '5' ? "-" : "") + digits.substr(0, 150) + "," + digits.substr(150);
        }
        all.push_back(t);
    }
    return all;
}

// For each polynomial, the median over the benchmark's iterations of the time that measured
// takes after prepare; then the median and the maximum over the polynomials as counters.
template <class Prepare, class Measured>
void measure(benchmark::State& state, const std::vector<Texts>& polynomials, Prepare prepare,
             Measured measured) {
    std::vector<std::vector<double>> ms(polynomials.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < polynomials.size(); ++i) {
            prepare(polynomials[i]);
            const auto start = std::chrono::steady_clock::now();
            measured(polynomials[i]);
            ms[i].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    }
    std::vector<double> each;
    for (auto& m : ms) {
        std::sort(m.begin(), m.end());
        each.push_back(m[m.size() / 2]);
    }
    std::sort(each.begin(), each.end());
    state.counters["median_ms"] = each[each.size() / 2];
    state.counters["max_ms"] = each.back();
    state.counters["polynomials"] = static_cast<double>(each.size());
}

}  // namespace discussion_corpus
