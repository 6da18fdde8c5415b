#include "exact/expr.h"

#include <flint/fmpq.h>

#include "exact/flint_types.h"

namespace exact {

Expr Expr::integer(std::string digits) {
    return Expr(std::make_shared<const Node>(Node{Kind::Integer, std::move(digits), {}}));
}
Expr Expr::integer(long value) { return integer(std::to_string(value)); }
Expr Expr::negation(Expr operand) {
    return Expr(std::make_shared<const Node>(Node{Kind::Negation, {}, {std::move(operand)}}));
}
Expr Expr::sum(std::vector<Expr> terms) {
    return Expr(std::make_shared<const Node>(Node{Kind::Sum, {}, std::move(terms)}));
}
Expr Expr::product(std::vector<Expr> factors) {
    return Expr(std::make_shared<const Node>(Node{Kind::Product, {}, std::move(factors)}));
}
Expr Expr::quotient(Expr numerator, Expr denominator) {
    return Expr(std::make_shared<const Node>(
        Node{Kind::Quotient, {}, {std::move(numerator), std::move(denominator)}}));
}
Expr Expr::sqrt(Expr radicand) {
    return Expr(std::make_shared<const Node>(Node{Kind::Sqrt, {}, {std::move(radicand)}}));
}

namespace {

std::string bracketed(const std::string& s) { return "(" + s + ")"; }

}  // namespace

std::string Expr::text() const {
    const auto& ops = operands();
    switch (kind()) {
        case Kind::Integer:
            return digits();
        case Kind::Sqrt:
            return "sqrt(" + ops[0].text() + ")";
        case Kind::Negation: {
            const Kind k = ops[0].kind();
            return "-" + (k == Kind::Sum || k == Kind::Negation ? bracketed(ops[0].text())
                                                                : ops[0].text());
        }
        case Kind::Sum: {
            std::string s;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                const Expr& t = ops[i];
                if (t.kind() == Kind::Negation) {
                    const Expr& inner = t.operands()[0];
                    s += "-" + (inner.kind() == Kind::Sum || inner.kind() == Kind::Negation
                                    ? bracketed(inner.text())
                                    : inner.text());
                } else {
                    if (i > 0) s += "+";
                    s += t.kind() == Kind::Sum ? bracketed(t.text()) : t.text();
                }
            }
            return s;
        }
        case Kind::Product: {
            std::string s;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                const Kind k = ops[i].kind();
                if (i > 0) s += "*";
                s += k == Kind::Sum || k == Kind::Quotient || (k == Kind::Negation && i > 0)
                         ? bracketed(ops[i].text())
                         : ops[i].text();
            }
            return s;
        }
        case Kind::Quotient: {
            const Kind n = ops[0].kind(), d = ops[1].kind();
            const std::string num =
                n == Kind::Sum || n == Kind::Quotient ? bracketed(ops[0].text()) : ops[0].text();
            const std::string den =
                d == Kind::Integer || d == Kind::Sqrt ? ops[1].text() : bracketed(ops[1].text());
            return num + "/" + den;
        }
    }
    return {};
}

Expr rationalExpr(const fmpq* q) {
    Fmpz num(fmpq_numref(q));
    const bool negative = fmpz_sgn(num.get()) < 0;
    fmpz_abs(num.get(), num.get());
    Expr e = Expr::integer(num.text());
    if (!fmpz_is_one(fmpq_denref(q)))
        e = Expr::quotient(e, Expr::integer(Fmpz(fmpq_denref(q)).text()));
    return negative ? Expr::negation(e) : e;
}

}  // namespace exact
