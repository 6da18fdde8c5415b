#include "document/school_notation.h"

#include <vector>

namespace doc {
namespace {

using exact::Expr;

bool isSum(const Expr& e) { return e.kind() == Expr::Kind::Sum; }

Math bracketedIfSum(const Expr& e) {
    Math m = schoolMath(e);
    return isSum(e) ? Math::row({Math::text("("), m, Math::text(")")}) : m;
}

// The certified decimal with the typographic minus: "−1,4142".
std::string decimal(const exact::Value& v) {
    return !v.decimal.empty() && v.decimal[0] == '-' ? "−" + v.decimal.substr(1) : v.decimal;
}

bool isSignedInteger(const exact::Value& v) {
    if (!v.exact) return false;
    const Expr& e = *v.exact;
    return e.kind() == Expr::Kind::Integer ||
           (e.kind() == Expr::Kind::Negation && e.operands()[0].kind() == Expr::Kind::Integer);
}

// The coefficient's magnitude before a power of x: nothing for 1, a fraction for a non-integer.
std::optional<Math> magnitude(const exact::Rational& c, bool alone) {
    std::string numerator = c.numerator();
    if (!numerator.empty() && numerator[0] == '-') numerator.erase(0, 1);
    if (c.isInteger()) {
        if (numerator == "1" && !alone) return std::nullopt;
        return Math::text(numerator);
    }
    return Math::fraction(Math::text(numerator), Math::text(c.denominator()));
}

}  // namespace

Math schoolMath(const Expr& e) {
    const auto& ops = e.operands();
    switch (e.kind()) {
        case Expr::Kind::Integer:
            return Math::text(e.digits());
        case Expr::Kind::Negation:
            return Math::row({Math::text("−"), bracketedIfSum(ops[0])});
        case Expr::Kind::Sum: {
            std::vector<Math> items;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                const bool minus = ops[i].kind() == Expr::Kind::Negation;
                const Expr& term = minus ? ops[i].operands()[0] : ops[i];
                if (i > 0)
                    items.push_back(Math::text(minus ? " − " : " + "));
                else if (minus)
                    items.push_back(Math::text("−"));
                items.push_back(bracketedIfSum(term));
            }
            return Math::row(std::move(items));
        }
        case Expr::Kind::Product: {
            // 2√3 side by side, anything else with a dot.
            std::vector<Math> items;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                const bool juxtaposed = i > 0 && ops[i].kind() == Expr::Kind::Sqrt &&
                                        ops[i - 1].kind() == Expr::Kind::Integer;
                if (i > 0 && !juxtaposed) items.push_back(Math::text(" · "));
                items.push_back(bracketedIfSum(ops[i]));
            }
            return Math::row(std::move(items));
        }
        case Expr::Kind::Quotient:
            return Math::fraction(schoolMath(ops[0]), schoolMath(ops[1]));
        case Expr::Kind::Sqrt:
            return Math::root(schoolMath(ops[0]));
    }
    return Math::text("");
}

Math schoolMath(const exact::Polynomial& p, const std::string& variable) {
    std::vector<Math> items;
    for (int k = p.degree(); k >= 0; --k) {
        const exact::Rational c = p.coefficient(k);
        if (c.isZero()) continue;
        if (items.empty())
            items.push_back(Math::text(c.sign() < 0 ? "−" : ""));
        else
            items.push_back(Math::text(c.sign() < 0 ? " − " : " + "));
        if (auto m = magnitude(c, k == 0)) items.push_back(*m);
        if (k == 1) items.push_back(Math::text(variable));
        if (k > 1)
            items.push_back(Math::power(Math::text(variable), Math::text(std::to_string(k))));
    }
    if (items.empty()) return Math::text("0");
    return Math::row(std::move(items));
}

Math valueMath(const exact::Value& value) {
    if (value.exact) return schoolMath(*value.exact);
    return Math::text(decimal(value));
}

Math equation(const Math& name, const exact::Value& value) {
    if (!value.exact) return Math::row({name, Math::text(" ≈ " + decimal(value))});
    if (isSignedInteger(value)) return Math::row({name, Math::text(" = "), valueMath(value)});
    return Math::row(
        {name, Math::text(" = "), valueMath(value), Math::text(" ≈ " + decimal(value))});
}

Math point(const std::string& name, const exact::Value& x, const exact::Value& y) {
    auto coordinate = [](const exact::Value& v) {
        return v.exact ? valueMath(v) : Math::text("≈ " + decimal(v));
    };
    Math exactPoint = Math::row(
        {Math::text(name + "("), coordinate(x), Math::text(" | "), coordinate(y), Math::text(")")});
    if (!x.exact || !y.exact || (isSignedInteger(x) && isSignedInteger(y))) return exactPoint;
    return Math::row(
        {exactPoint, Math::text(" ≈ " + name + "(" + decimal(x) + " | " + decimal(y) + ")")});
}

Math boundMath(const exact::Bound& bound) {
    switch (bound.kind) {
        case exact::Bound::Kind::MinusInfinity:
            return Math::text("−∞");
        case exact::Bound::Kind::PlusInfinity:
            return Math::text("+∞");
        case exact::Bound::Kind::Finite:
            break;
    }
    return valueMath(bound.value);
}

}  // namespace doc
