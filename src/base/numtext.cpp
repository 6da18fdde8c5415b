#include "base/numtext.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/failure.h"

namespace numtext {
namespace {

// The decimal digits of a finite value to 15 significant digits: value = 0.d1d2..d15 × 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;  // exactly 15 digits, or empty for zero
    int exponent = 0;
};

Decimal toDecimal(double value) {
    checkFinite(value);
    Decimal d;
    if (value == 0) return d;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view s(buf, res.ptr - buf);  // [-]d.dddddddddddddde[+-]xx
    if (s.front() == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    d.digits.push_back(s[0]);
    auto e = s.find('e');
    d.digits.append(s.substr(2, e - 2));
    int exp10 = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exp10);
    d.exponent = exp10 + 1;
    return d;
}

// Plain digits of |value| with `decimals` places, halves away from zero, from the 15-digit
// decimal form; returns the integer part and the fraction as digit strings.
std::pair<std::string, std::string> roundedDigits(const Decimal& d, int decimals) {
    int intLen = d.exponent + decimals;  // how many digits of d.digits are kept
    if (d.digits.empty() || intLen < 0) return {"0", std::string(decimals, '0')};
    std::string kept;
    for (int i = 0; i < intLen; ++i)
        kept.push_back(i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0');
    bool roundUp = intLen < static_cast<int>(d.digits.size()) && d.digits[intLen] >= '5';
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    if (static_cast<int>(kept.size()) < decimals + 1)
        kept.insert(0, decimals + 1 - kept.size(), '0');
    std::string intPart = kept.substr(0, kept.size() - decimals);
    std::string frac = kept.substr(kept.size() - decimals);
    auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
    return {intPart, frac};
}

bool allZero(const std::string& a, const std::string& b) {
    return a.find_first_not_of('0') == std::string::npos &&
           b.find_first_not_of('0') == std::string::npos;
}

}  // namespace

std::string formatForTerm(double value) {
    checkFinite(value);
    if (value == 0) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string s(buf, res.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

std::string format(double value) {
    std::string s = formatForTerm(value);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

std::string formatPlain(double value) {
    Decimal d = toDecimal(value);
    if (d.digits.empty()) return "0";
    auto last = d.digits.find_last_not_of('0');
    std::string digits = d.digits.substr(0, last + 1);
    int decimals = std::max(0, static_cast<int>(digits.size()) - d.exponent);
    auto [intPart, frac] = roundedDigits(d, decimals);
    std::string s = d.negative ? "-" : "";
    s += intPart;
    if (!frac.empty()) s += "," + frac;
    return s;
}

std::string formatFixed(double value, int decimals) {
    Decimal d = toDecimal(value);
    auto [intPart, frac] = roundedDigits(d, decimals);
    std::string s = d.negative && !allZero(intPart, frac) ? "-" : "";
    s += intPart;
    if (decimals > 0) s += "," + frac;
    return s;
}

std::string formatThousands(double value) {
    Decimal d = toDecimal(value);
    auto [intPart, frac] = roundedDigits(d, 0);
    std::string grouped;
    int n = static_cast<int>(intPart.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) grouped.push_back('.');
        grouped.push_back(intPart[i]);
    }
    return (d.negative && intPart != "0" ? "-" : "") + grouped;
}

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// "1.000" or "12.345.678": the points group the digits in threes after a first group of one to
// three digits that does not start with 0.
bool groupsThousands(std::string_view run) {
    std::size_t first = run.find('.');
    if (first == 0 || first > 3 || run[0] == '0') return false;
    for (std::size_t at = first; at < run.size(); at += 4)
        if (run[at] != '.' || at + 4 > run.size() ||
            run.substr(at + 1, 3).find('.') != std::string_view::npos)
            return false;
    return true;
}

std::string withoutPoints(std::string_view run) {
    std::string digits;
    for (char c : run)
        if (c != '.') digits.push_back(c);
    return digits;
}

}  // namespace

long long decimalMagnitude(const DecimalText& d) {
    const std::string digits = d.integer + d.fraction;
    const std::size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) return std::numeric_limits<long long>::min();
    return d.exponent + static_cast<long long>(d.integer.size()) - static_cast<long long>(lead);
}

DecimalText readDecimal(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    DecimalText d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) d.negative = text[i++] == '-';
    std::size_t runEnd = i;
    while (runEnd < text.size() && (isDigit(text[runEnd]) || text[runEnd] == '.')) ++runEnd;
    const std::string_view run = text.substr(i, runEnd - i);
    i = runEnd;
    bool decimalSeparatorSeen = false;
    if (run.find('.') == std::string_view::npos || groupsThousands(run)) {
        d.integer = withoutPoints(run);
    } else {
        const std::size_t point = run.find('.');
        if (run.find('.', point + 1) != std::string_view::npos)
            throw Failure(failure::TypeMismatch);
        d.integer = run.substr(0, point);
        d.fraction = run.substr(point + 1);
        decimalSeparatorSeen = true;
    }
    if (!decimalSeparatorSeen && i < text.size() && text[i] == ',')
        for (++i; i < text.size() && isDigit(text[i]); ++i) d.fraction.push_back(text[i]);
    if (d.integer.empty() && d.fraction.empty()) throw Failure(failure::TypeMismatch);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        constexpr long long limit = 1'000'000'000'000;
        bool expDigits = false;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            d.exponent = std::min(limit, d.exponent * 10 + (text[i] - '0'));
            expDigits = true;
        }
        if (!expDigits) throw Failure(failure::TypeMismatch);
        if (negativeExponent) d.exponent = -d.exponent;
    }
    if (i != text.size()) throw Failure(failure::TypeMismatch);
    return d;
}

double parse(std::string_view text) {
    const DecimalText d = readDecimal(text);
    // The number in C notation for from_chars.
    const std::string plain =
        (d.integer.empty() ? "0" : d.integer) + "." + d.fraction + "e" + std::to_string(d.exponent);
    double value = 0;
    auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is failure 6.
        if (decimalMagnitude(d) > 0) throw Failure(failure::Overflow);
        value = 0;
    } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
        throw Failure(failure::TypeMismatch);
    }
    return d.negative ? -value : value;
}

std::int32_t toInt32(double value) {
    double r = std::nearbyint(value);
    if (!(r >= std::numeric_limits<std::int32_t>::min() &&
          r <= std::numeric_limits<std::int32_t>::max()))
        throw Failure(failure::Overflow);
    return static_cast<std::int32_t>(r);
}

std::int64_t toInt64(double value) {
    double r = std::nearbyint(value);
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
        throw Failure(failure::Overflow);
    return static_cast<std::int64_t>(r);
}

double roundTo(double value, int decimals) {
    checkFinite(value);
    double scale = std::pow(10.0, decimals);
    double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;  // too large to have decimals to round
    return std::nearbyint(scaled) / scale;
}

}  // namespace numtext
