#pragma once

#include <cstdint>
#include <vector>

#include "terms/evaluator_code.h"

// Builds a term's code from its postfix form, as the reader delivers it: numbers, the variable,
// and operations on the values before them. Constants are worked out at once where that cannot
// fail, a multiplication by 1 and the like disappear, whole constant powers become products, and
// an operation with a constant joins the instruction before it where it works on its result.
// A register is reused once the value in it has been used.
namespace terms {

class CodeBuilder {
  public:
    void number(double value);
    void variable();
    // An operation on the last one or two values (Op::Pow for any exponent).
    void apply(Op op);
    // The code for a term read to its end: exactly one value is waiting.
    Code finish();

  private:
    struct Value {
        bool constant;
        double number;      // a constant's value
        std::uint32_t reg;  // otherwise: where it is
    };

    Value pop();
    void emit(Op op, Value a, Value b);
    bool fuse(Op op, Value a, Value b);
    Operand operand(Value v);
    void release(Value v);
    // The result of op on constants, if it can be worked out without a failure.
    static bool fold(Op op, double a, double b, double& r);
    // For x op b with a constant b: the same result with fewer operations, if there is one.
    bool simplifyRight(Op op, Value a, double b);
    // For a op x with a constant a.
    bool simplifyLeft(Op op, double a, Value b);

    std::vector<Value> stack_;         // the values waiting to be used
    std::vector<std::uint32_t> free_;  // registers whose values have been used
    Code code_;
};

}  // namespace terms
