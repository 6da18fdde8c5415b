#include "samples.h"

#include <algorithm>
#include <random>

namespace {

// Uniform whole number in [lo, hi]; the modulo bias of a 64-bit draw is negligible here.
long long draw(std::mt19937_64& rng, long long lo, long long hi) {
    return lo + static_cast<long long>(rng() % static_cast<std::uint64_t>(hi - lo + 1));
}

long long coefficient(std::mt19937_64& rng, bool whole) {
    if (whole) return 100 * draw(rng, -9, 9);
    if (draw(rng, 0, 1) == 0) return 10 * draw(rng, -99, 99);
    return draw(rng, -999, 999);
}

}  // namespace

std::vector<Sample> randomSamples(int count, std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::vector<Sample> out;
    for (int n = 0; n < count; ++n) {
        const int deg = static_cast<int>(draw(rng, 2, 4));
        const bool whole = draw(rng, 0, 1) == 0;
        Sample s;
        for (int power = deg; power >= 0; --power) {
            long long c = 0;
            if (power == deg) {
                while (c == 0) c = coefficient(rng, whole);
            } else if (draw(rng, 0, 3) != 0) {
                c = coefficient(rng, whole);
            }
            s.hundredths[4 - power] = c;
        }
        out.push_back(s);
    }
    return out;
}

std::vector<Sample> examSamples(int count, std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    const long long leading[] = {25, 50, 100, 200, 300};
    std::vector<Sample> out;
    for (int n = 0; n < count; ++n) {
        const int deg = static_cast<int>(draw(rng, 2, 4));
        std::vector<int> roots;
        for (int k = 0; k < deg; ++k) {
            if (k > 0 && draw(rng, 0, 1) == 0)
                roots.push_back(roots[draw(rng, 0, k - 1)]);
            else
                roots.push_back(static_cast<int>(draw(rng, -4, 4)));
        }
        // The product of (x - r), constant term first, times the leading coefficient.
        std::vector<long long> p{leading[draw(rng, 0, 4)] * (draw(rng, 0, 1) ? 1 : -1)};
        for (int r : roots) {
            std::vector<long long> q(p.size() + 1, 0);
            for (std::size_t i = 0; i < p.size(); ++i) {
                q[i + 1] += p[i];
                q[i] -= r * p[i];
            }
            p = q;
        }
        Sample s;
        for (std::size_t i = 0; i < p.size(); ++i) s.hundredths[4 - i] = p[i];
        std::sort(roots.begin(), roots.end());
        roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
        s.zeros = roots;
        out.push_back(s);
    }
    return out;
}

std::string typedText(long long h) {
    const long long m = h < 0 ? -h : h;
    std::string text = (h < 0 ? "-" : "") + std::to_string(m / 100);
    if (m % 100 != 0) {
        const long long f = m % 100;
        text += ",";
        text += static_cast<char>('0' + f / 10);
        if (f % 10 != 0) text += static_cast<char>('0' + f % 10);
    }
    return text;
}
