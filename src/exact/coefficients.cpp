#include "exact/coefficients.h"

#include <limits>

#include "base/failure.h"
#include "base/numtext.h"
#include "exact/flint_types.h"

namespace exact {

std::variant<Rational, ReadError::Why> readCoefficient(const std::string& text) {
    // Only the empty text is 0: blanks alone are no number, as numtext::parse has it.
    if (text.empty()) return Rational();
    numtext::DecimalText d;
    try {
        d = numtext::readDecimal(text);
    } catch (const Failure&) {
        return ReadError::Why::NotANumber;
    }
    const long long magnitude = numtext::decimalMagnitude(d);
    if (magnitude == std::numeric_limits<long long>::min()) return Rational();  // a zero
    if (magnitude > kMaxMagnitude) return ReadError::Why::TooLarge;
    if (magnitude < -kMaxMagnitude) return ReadError::Why::TooSmall;

    std::string digits = d.integer + d.fraction;
    long long exponent = d.exponent - static_cast<long long>(d.fraction.size());
    digits.erase(0, digits.find_first_not_of('0'));
    while (digits.back() == '0') {  // not empty: the number is not zero
        digits.pop_back();
        ++exponent;
    }
    if (digits.size() > static_cast<std::size_t>(kMaxDigits)) return ReadError::Why::TooManyDigits;

    Rational r;
    fmpq* q = RationalAccess::get(r);
    fmpz_set_str(fmpq_numref(q), digits.c_str(), 10);
    // |exponent| <= magnitude bound plus the digits, so the power stays small.
    Fmpz power;
    fmpz_ui_pow_ui(power.get(), 10,
                   static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    if (exponent >= 0) {
        fmpz_mul(fmpq_numref(q), fmpq_numref(q), power.get());
    } else {
        fmpz_set(fmpq_denref(q), power.get());
        fmpq_canonicalise(q);
    }
    if (d.negative) fmpq_neg(q, q);
    return r;
}

std::variant<Coefficients, ReadError> readCoefficients(const std::array<std::string, 5>& texts) {
    return readCoefficients(texts, {});
}

std::variant<Coefficients, ReadError> readCoefficients(
    const std::array<std::string, 5>& texts, const std::array<std::string, 5>& fractions) {
    // "p/q": both parts are integers, which the decimal reader reads exactly.
    auto readFraction = [](const std::string& fraction) -> std::variant<Rational, ReadError::Why> {
        const auto slash = fraction.find('/');
        auto numerator = readCoefficient(fraction.substr(0, slash));
        if (slash == std::string::npos || std::holds_alternative<ReadError::Why>(numerator))
            return numerator;
        auto denominator = readCoefficient(fraction.substr(slash + 1));
        if (std::holds_alternative<ReadError::Why>(denominator)) return denominator;
        if (std::get<Rational>(denominator).isZero()) return ReadError::Why::NotANumber;
        return std::get<Rational>(numerator) / std::get<Rational>(denominator);
    };
    Coefficients c;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto r = fractions[i].empty() ? readCoefficient(texts[i]) : readFraction(fractions[i]);
        if (auto* why = std::get_if<ReadError::Why>(&r))
            return ReadError{static_cast<int>(i), *why};
        c[i] = std::get<Rational>(std::move(r));
    }
    return c;
}

}  // namespace exact
