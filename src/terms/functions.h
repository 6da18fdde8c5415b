#pragma once

#include <array>
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
inline constexpr std::array<TermFunction, 11> kFunctions = {{
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
}};

// The constants, written in brackets: (PI), (E).
inline constexpr std::array<std::string_view, 2> kConstants = {"PI", "E"};

// Whether an upper-case letter belongs to a function name, a constant or the variable X.
constexpr bool isTermLetter(char upper) {
    if (upper == 'X') return true;
    for (const TermFunction& f : kFunctions)
        if (f.name.find(upper) != std::string_view::npos) return true;
    for (std::string_view c : kConstants)
        if (c.find(upper) != std::string_view::npos) return true;
    return false;
}

}  // namespace terms
