#include "terms/evaluator_builder.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "terms/evaluator_ops.h"

namespace terms {

void CodeBuilder::number(double value) { stack_.push_back({true, value, 0}); }

void CodeBuilder::variable() { stack_.push_back({false, 0, 0}); }

CodeBuilder::Value CodeBuilder::pop() {
    Value v = stack_.back();
    stack_.pop_back();
    return v;
}

bool CodeBuilder::fold(Op op, double a, double b, double& r) {
    return ops::withKernel(op, [&]<class K>() { return ops::exact<K>(a, b, r) == 0; });
}

void CodeBuilder::apply(Op op) {
    double r = 0;
    if (isUnary(op)) {
        Value a = pop();
        if (a.constant && fold(op, a.number, 0, r)) return number(r);
        // -t is t * -1 to the last bit, and so may join the instruction that gives t.
        if (op == Op::Neg && fuse(Op::Mul, a, {true, -1, 0})) return;
        return emit(op, a, a);
    }
    Value b = pop();
    Value a = pop();
    if (a.constant && b.constant && fold(op, a.number, b.number, r)) return number(r);
    if (b.constant && simplifyRight(op, a, b.number)) return;
    if (a.constant && simplifyLeft(op, a.number, b)) return;
    emit(op, a, b);
}

// Each of these gives the operation's result to the last bit, and none of them can fail where
// the operation would not.
bool CodeBuilder::simplifyRight(Op op, Value a, double b) {
    Op instead;
    if ((op == Op::Mul || op == Op::Div || op == Op::Pow) && b == 1) {
        stack_.push_back(a);
        return true;
    }
    if (op == Op::Sub && b == 0 && !std::signbit(b)) {  // -0 - +0 is -0, but -0 - -0 is +0
        stack_.push_back(a);
        return true;
    }
    if (op == Op::Mul && b == -1) {
        instead = Op::Neg;
    } else if (op == Op::Pow && b == 2) {
        instead = Op::Square;
    } else if (op == Op::Pow && b == 3) {
        instead = Op::Cube;
    } else if (op == Op::Pow && b == 4) {
        instead = Op::Fourth;
    } else {
        return false;
    }
    stack_.push_back(a);
    apply(instead);
    return true;
}

bool CodeBuilder::simplifyLeft(Op op, double a, Value b) {
    if (op != Op::Mul || (a != 1 && a != -1)) return false;
    stack_.push_back(b);
    if (a == -1) apply(Op::Neg);
    return true;
}

Operand CodeBuilder::operand(Value v) {
    if (!v.constant) return {v.reg, false};
    code_.constants.push_back(v.number);
    return {static_cast<std::uint32_t>(code_.constants.size() - 1), true};
}

void CodeBuilder::release(Value v) {
    if (!v.constant && v.reg != 0) free_.push_back(v.reg);
}

// The operands' registers are free again once read, so the result usually takes the place of
// its left operand.
void CodeBuilder::emit(Op op, Value a, Value b) {
    if (fuse(op, a, b)) return;
    Operand oa = operand(a);
    Operand ob = isUnary(op) ? oa : operand(b);
    if (!isUnary(op)) release(b);
    release(a);
    std::uint32_t d;
    if (free_.empty()) {
        d = code_.registers++;
    } else {
        d = free_.back();
        free_.pop_back();
    }
    code_.instrs.push_back({op, Then::None, oa.constant, ob.constant, d, oa.index, ob.index, 0});
    stack_.push_back({false, 0, d});
}

// t op c or c op t, where t is what the last instruction gave: that instruction takes the
// operation on, and its result stays where t was.
bool CodeBuilder::fuse(Op op, Value a, Value b) {
    if (code_.instrs.empty() || a.constant == b.constant) return false;
    const Value t = a.constant ? b : a;
    const bool constantFirst = a.constant;
    Instr& last = code_.instrs.back();
    if (t.reg != last.d || last.then != Then::None) return false;
    // A product and a sum in one instruction might be compiled into one fused multiply-add,
    // with one rounding instead of the text's two.
    const bool product = last.op == Op::Mul || last.op == Op::Square;
    if (product && (op == Op::Add || op == Op::Sub)) return false;
    switch (op) {
        case Op::Add:  // c + t and c * t are t + c and t * c to the last bit
            last.then = Then::Add;
            break;
        case Op::Mul:
            last.then = Then::Mul;
            break;
        case Op::Sub:
            last.then = constantFirst ? Then::SubFrom : Then::Sub;
            break;
        case Op::Div:
            if (constantFirst) return false;
            last.then = Then::Div;
            break;
        default:
            return false;
    }
    last.c = operand(constantFirst ? a : b).index;
    stack_.push_back(t);
    return true;
}

Code CodeBuilder::finish() {
    code_.result = operand(pop());
    return std::move(code_);
}

}  // namespace terms
