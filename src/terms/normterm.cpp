#include "terms/normterm.h"

namespace terms {
namespace {

constexpr Rule kRules[] = {
    // 1. The constants, written out to 15 digits.
    {"(PI)", "(3.14159265358979)"},
    {"(E)", "(2.71828182845905)"},
    // 2. A digit before an opening bracket.
    {"0(", "0*("},
    {"1(", "1*("},
    {"2(", "2*("},
    {"3(", "3*("},
    {"4(", "4*("},
    {"5(", "5*("},
    {"6(", "6*("},
    {"7(", "7*("},
    {"8(", "8*("},
    {"9(", "9*("},
    // 3. A closing bracket before a digit.
    {")0", ")*0"},
    {")1", ")*1"},
    {")2", ")*2"},
    {")3", ")*3"},
    {")4", ")*4"},
    {")5", ")*5"},
    {")6", ")*6"},
    {")7", ")*7"},
    {")8", ")*8"},
    {")9", ")*9"},
    // 4. Two brackets.
    {")(", ")*("},
    // 5. A closing bracket before the initial of a function.
    {")A", ")*A"},
    {")C", ")*C"},
    {")E", ")*E"},
    {")F", ")*F"},
    {")I", ")*I"},
    {")S", ")*S"},
    {")T", ")*T"},
    {")L", ")*L"},
    // 6. A digit before the initial of a function (L before S here).
    {"0A", "0*A"},
    {"1A", "1*A"},
    {"2A", "2*A"},
    {"3A", "3*A"},
    {"4A", "4*A"},
    {"5A", "5*A"},
    {"6A", "6*A"},
    {"7A", "7*A"},
    {"8A", "8*A"},
    {"9A", "9*A"},
    {"0C", "0*C"},
    {"1C", "1*C"},
    {"2C", "2*C"},
    {"3C", "3*C"},
    {"4C", "4*C"},
    {"5C", "5*C"},
    {"6C", "6*C"},
    {"7C", "7*C"},
    {"8C", "8*C"},
    {"9C", "9*C"},
    {"0E", "0*E"},
    {"1E", "1*E"},
    {"2E", "2*E"},
    {"3E", "3*E"},
    {"4E", "4*E"},
    {"5E", "5*E"},
    {"6E", "6*E"},
    {"7E", "7*E"},
    {"8E", "8*E"},
    {"9E", "9*E"},
    {"0F", "0*F"},
    {"1F", "1*F"},
    {"2F", "2*F"},
    {"3F", "3*F"},
    {"4F", "4*F"},
    {"5F", "5*F"},
    {"6F", "6*F"},
    {"7F", "7*F"},
    {"8F", "8*F"},
    {"9F", "9*F"},
    {"0I", "0*I"},
    {"1I", "1*I"},
    {"2I", "2*I"},
    {"3I", "3*I"},
    {"4I", "4*I"},
    {"5I", "5*I"},
    {"6I", "6*I"},
    {"7I", "7*I"},
    {"8I", "8*I"},
    {"9I", "9*I"},
    {"0L", "0*L"},
    {"1L", "1*L"},
    {"2L", "2*L"},
    {"3L", "3*L"},
    {"4L", "4*L"},
    {"5L", "5*L"},
    {"6L", "6*L"},
    {"7L", "7*L"},
    {"8L", "8*L"},
    {"9L", "9*L"},
    {"0S", "0*S"},
    {"1S", "1*S"},
    {"2S", "2*S"},
    {"3S", "3*S"},
    {"4S", "4*S"},
    {"5S", "5*S"},
    {"6S", "6*S"},
    {"7S", "7*S"},
    {"8S", "8*S"},
    {"9S", "9*S"},
    {"0T", "0*T"},
    {"1T", "1*T"},
    {"2T", "2*T"},
    {"3T", "3*T"},
    {"4T", "4*T"},
    {"5T", "5*T"},
    {"6T", "6*T"},
    {"7T", "7*T"},
    {"8T", "8*T"},
    {"9T", "9*T"},
};
static_assert(std::size(kRules) == 111);

std::string applyRules(std::string_view term, std::size_t count) {
    std::string text(term);
    for (std::size_t i = 0; i < count; ++i) {
        if (text.find(kRules[i].from) != std::string::npos)
            text = replaceAll(text, kRules[i].from, kRules[i].to);
    }
    return text;
}

}  // namespace

std::span<const Rule> normRules() { return kRules; }

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = from.empty() ? std::string_view::npos : text.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(text, pos, hit - pos);
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text, pos);
    return out;
}

std::string NormTerm(std::string_view term) { return applyRules(term, std::size(kRules)); }

std::string NormTermRechner(std::string_view term) { return applyRules(term, kCalculatorRules); }

}  // namespace terms
