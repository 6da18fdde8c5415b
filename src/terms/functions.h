#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The functions and constants that a term may use, in one place: the evaluator reads their names,
// the syntax check removes them with their bracket, the term fields' key filter lets their
// letters pass, and the keypad and the help text offer them.
namespace terms {

enum class Function { Sin, Cos, Atn, Tan, Sgn, Sqr, Int, Fix, Abs, Exp, Log };

struct TermFunction {
    std::string_view name;  // upper case, always followed by its bracketed argument
    Function function;
};

// In the order in which the syntax check removes them: a removal can bring two parts of a text
// together into another name, so the order is part of the check.
inline constexpr auto kFunctions = std::to_array<TermFunction>({
    {"SIN", Function::Sin},
    {"COS", Function::Cos},
    {"ATN", Function::Atn},
    {"TAN", Function::Tan},
    {"SGN", Function::Sgn},
    {"SQR", Function::Sqr},
    {"INT", Function::Int},
    {"FIX", Function::Fix},
    {"ABS", Function::Abs},
    {"EXP", Function::Exp},
    {"LOG", Function::Log},
});

// The constants, written in brackets: (PI), (E). Term normalisation puts their digits in their
// place.
struct TermConstant {
    std::string_view name;
    std::string_view digits;
};

inline constexpr auto kConstants = std::to_array<TermConstant>({
    {"PI", "3.14159265358979"},
    {"E", "2.71828182845905"},
});

namespace function_letters {

constexpr bool isInitial(char letter) {
    for (const TermFunction& f : kFunctions)
        if (f.name.front() == letter) return true;
    return false;
}

constexpr std::size_t initialCount() {
    std::size_t n = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) n += isInitial(letter) ? 1 : 0;
    return n;
}

}  // namespace function_letters

// The letters with which the function names begin, each once, in alphabetical order.
inline constexpr auto kFunctionInitials = [] {
    std::array<char, function_letters::initialCount()> initials{};
    std::size_t i = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (function_letters::isInitial(letter)) initials[i++] = letter;
    return initials;
}();

// Whether an upper-case letter belongs to a function name, a constant or the variable X.
constexpr bool isTermLetter(char upper) {
    if (upper == 'X') return true;
    for (const TermFunction& f : kFunctions)
        if (f.name.find(upper) != std::string_view::npos) return true;
    for (const TermConstant& c : kConstants)
        if (c.name.find(upper) != std::string_view::npos) return true;
    return false;
}

}  // namespace terms
