#pragma once

#include <cstdint>
#include <vector>

// The compiled form of a term: instructions with fixed operands on a file of registers, run from
// first to last. Register 0 holds the variable, the others hold what has been worked out so far;
// an operand may also be one of the program's constants.
namespace terms {

enum class Op : std::uint8_t {
    // One operand.
    Neg,
    Abs,
    Sgn,
    Fix,
    Int,
    Sqr,
    Sin,
    Cos,
    Tan,
    Atn,
    Log,
    Exp,
    Square,  // a^2, a^3 and a^4: a power with a whole constant exponent, multiplied out
    Cube,
    Fourth,
    // Two operands.
    Add,
    Sub,
    Mul,
    Div,
    Pow,
};

constexpr bool isUnary(Op op) { return op < Op::Add; }

// A second operation that an instruction may take on at once, with a constant c as its other
// operand: t + c, t - c, c - t, t * c, t / c for the instruction's own result t.
enum class Then : std::uint8_t { None, Add, Sub, SubFrom, Mul, Div };

struct Operand {
    std::uint32_t index = 0;  // of a register, or of a constant
    bool constant = false;
};

// d = op(a, b), then d = then(d, constant c); b is unused by an operation with one operand.
struct Instr {
    Op op;
    Then then;
    bool aConstant;
    bool bConstant;
    std::uint32_t d;
    std::uint32_t a;
    std::uint32_t b;
    std::uint32_t c;
};

struct Code {
    std::vector<Instr> instrs;
    // Slot 0 holds 0, so that an operand an instruction does not use still reads a number.
    std::vector<double> constants{0.0};
    std::uint32_t registers = 1;
    Operand result;  // the term's value once the last instruction has run
};

}  // namespace terms
