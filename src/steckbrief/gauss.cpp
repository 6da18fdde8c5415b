#include <charconv>
#include <numeric>
#include <optional>
#include <utility>

#include "steckbrief/school_number.h"
#include "steckbrief/steckbrief.h"

namespace steckbrief {
namespace {

// Whole numbers as Rational writes them, where they are small enough for a multiplier or a common
// factor in a step; for larger ones the steps take fractions.
std::optional<long> small(const std::string& digits) {
    long value = 0;
    if (digits.size() > 18 ||
        std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
        return std::nullopt;
    return value;
}

struct Elimination {
    std::vector<Equation> rows;
    std::vector<Step> steps;

    void record(std::string operation, std::initializer_list<std::size_t> changed) {
        Step step{std::move(operation), {}};
        for (std::size_t i : changed) step.rows.emplace_back(i, rows[i]);
        steps.push_back(std::move(step));
    }

    void swap(std::size_t r, std::size_t p) {
        std::swap(rows[r], rows[p]);
        record(roman(r + 1) + " ↔ " + roman(p + 1), {r, p});
    }

    // Row i loses column k by row r: "II − 3 · I", or "2 · II − 3 · I" where the multiplier
    // would be a fraction, so that whole numbers stay whole.
    void eliminate(std::size_t i, std::size_t r, int k) {
        const Rational ratio = rows[i].factors[k] / rows[r].factors[k];
        const auto d = small(ratio.denominator());
        const Rational scale = d ? Rational(*d) : Rational(1);
        const Rational times = ratio * scale;
        Equation& row = rows[i];
        for (std::size_t j = 0; j < row.factors.size(); ++j)
            row.factors[j] = scale * row.factors[j] - times * rows[r].factors[j];
        row.rhs = scale * row.rhs - times * rows[r].rhs;
        const Rational size = times.sign() < 0 ? -times : times;
        record((scale == Rational(1) ? "" : schoolNumber(scale) + " · ") + roman(i + 1) +
                   (times.sign() < 0 ? " + " : " − ") +
                   (size == Rational(1) ? "" : schoolNumber(size) + " · ") + roman(r + 1),
               {i});
        divideByCommonFactor(i);
    }

    // "II : 2" when the numbers of the row are whole and share a factor: smaller numbers ahead.
    void divideByCommonFactor(std::size_t i) {
        Equation& row = rows[i];
        long common = 0;
        for (std::size_t j = 0; j <= row.factors.size(); ++j) {
            const Rational& value = j < row.factors.size() ? row.factors[j] : row.rhs;
            const auto n = value.isInteger() ? small(value.numerator()) : std::nullopt;
            if (!n) return;
            common = std::gcd(common, *n);
        }
        if (common <= 1) return;
        for (Rational& factor : row.factors) factor = factor / common;
        row.rhs = row.rhs / common;
        record(roman(i + 1) + " : " + std::to_string(common), {i});
    }
};

}  // namespace

Solution solve(const std::vector<Equation>& equations, int degree) {
    const std::size_t unknowns = degree + 1;
    Elimination e{equations, {}};
    std::vector<Equation>& rows = e.rows;
    for (Equation& row : rows) row.factors.resize(unknowns);

    // The Stufenform in school order: the columns from a (the highest power) on.
    std::vector<int> pivots;  // the column of each row's first number
    for (int k = degree; k >= 0 && pivots.size() < rows.size(); --k) {
        const std::size_t r = pivots.size();
        std::size_t p = r;
        while (p < rows.size() && rows[p].factors[k].isZero()) ++p;
        if (p == rows.size()) continue;
        if (p != r) e.swap(r, p);
        for (std::size_t i = r + 1; i < rows.size(); ++i)
            if (!rows[i].factors[k].isZero()) e.eliminate(i, r, k);
        pivots.push_back(k);
    }

    Solution s;
    s.steps = std::move(e.steps);
    s.stufenform = rows;
    // Below the steps only rows 0 = c are left.
    for (std::size_t i = pivots.size(); i < rows.size(); ++i) {
        if (!rows[i].rhs.isZero()) {
            s.outcome = Solution::Outcome::Inconsistent;
            return s;
        }
    }
    if (pivots.size() < unknowns) {
        s.outcome = Solution::Outcome::Underdetermined;
        s.missing = static_cast<int>(unknowns - pivots.size());
        return s;
    }
    // Back from the last row: every column right of a row's first number is known by then.
    s.outcome = Solution::Outcome::Unique;
    s.byPower.resize(unknowns);
    for (std::size_t r = unknowns; r-- > 0;) {
        const int k = pivots[r];
        Rational rest = rows[r].rhs;
        for (int j = 0; j < k; ++j) rest = rest - rows[r].factors[j] * s.byPower[j];
        s.byPower[k] = rest / rows[r].factors[k];
    }
    s.lowerDegree = s.byPower.back().isZero();
    return s;
}

}  // namespace steckbrief
