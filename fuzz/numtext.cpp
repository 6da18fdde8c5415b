// The German number text: reading any text, and writing any value so that it reads back.

#include <cmath>
#include <cstring>
#include <string>

#include "base/numtext.h"
#include "support.h"
#include "terms/evaluator.h"

namespace {

using fuzz::require;

// "-1.234.567": one to three leading digits, then groups of exactly three.
bool groupedByThree(std::string_view s) {
    if (s.starts_with('-')) s.remove_prefix(1);
    std::size_t groupStart = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i < s.size() && s[i] != '.') continue;
        const std::size_t length = i - groupStart;
        if (groupStart == 0 ? length < 1 || length > 3 : length != 3) return false;
        groupStart = i + 1;
    }
    return true;
}

// Every way of writing a finite value reads back as that value, to the digits it keeps.
void checkWriting(double v) {
    auto plainText = fuzz::attempt([&] { return numtext::format(v); });
    if (!std::isfinite(v)) {
        require(plainText.failure == failure::Overflow, "a value that is not finite is failure 6");
        return;
    }
    const double at15 = terms::roundTo15Digits(v);
    if (!std::isfinite(at15)) {
        // Within half a unit of the 15th digit of the largest double: its text
        // "1,79769313486232E+308" lies beyond it.
        require(fuzz::attempt([&] { return numtext::parse(plainText.value); }).failure ==
                    failure::Overflow,
                "a text beyond the largest double is failure 6");
        return;
    }
    require(fuzz::same(numtext::parse(plainText.value), at15), "format reads back at 15 digits");
    require(fuzz::same(numtext::parse(numtext::formatPlain(v)), at15),
            "formatPlain reads back at 15 digits");
    require(numtext::formatForTerm(v).find(',') == std::string::npos, "a term number has no comma");

    // Fixed decimals and whole numbers: within half a unit of the last place kept, plus what
    // the 15 digits they start from may be off.
    const double slack = std::fabs(v) * 1e-14;
    for (int decimals : {0, 4, 14}) {
        const std::string s = numtext::formatFixed(v, decimals);
        require(s.rfind("-0", 0) != 0 || s.find_first_not_of("-0,") != std::string::npos,
                "fixed decimals never show a negative zero");
        const auto comma = s.find(',');
        require(decimals == 0 ? comma == std::string::npos
                              : s.size() - comma - 1 == static_cast<std::size_t>(decimals),
                "fixed decimals have exactly their places");
        require(std::fabs(numtext::parse(s) - v) <= 0.5 * std::pow(10.0, -decimals) + slack,
                "fixed decimals are the rounded value");
    }
    const std::string grouped = numtext::formatThousands(v);
    require(groupedByThree(grouped), "thousands are grouped by three");
    require(std::fabs(numtext::parse(grouped) - v) <= 0.5 + slack, "#,##0 is the whole number");

    const auto whole = fuzz::attempt([&] { return numtext::toInt32(v); });
    require(
        whole.failure == 0 ? std::fabs(whole.value - v) <= 0.5 : whole.failure == failure::Overflow,
        "toInt32 is the nearest whole number or failure 6");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::text(data, size);
    const auto read = fuzz::attempt([&] { return numtext::parse(text); });
    require(read.failure == 0 || read.failure == failure::TypeMismatch ||
                read.failure == failure::Overflow,
            "reading fails with 13 or 6 only");
    if (read.failure == 0) {
        require(std::isfinite(read.value), "a number read is finite");
        require(fuzz::same(numtext::parse(" " + std::string(text) + "\t"), read.value),
                "blanks around a number are ignored");
        checkWriting(read.value);
    }
    // The input's first bytes as a value reach the corners of the doubles that no text does.
    if (size >= sizeof(double)) {
        double v;
        std::memcpy(&v, data, sizeof v);
        checkWriting(v);
    }
    return 0;
}
