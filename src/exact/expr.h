#pragma once

#include <memory>
#include <string>
#include <vector>

// A closed form as a small immutable tree: the facts text and the school-notation renderers both
// walk it. Canonical shapes: a rational is -(2/3); a quadratic irrational is (p ± q·sqrt(d))/r in
// lowest terms with d square-free and at least 2; a zero of the substitution z = x² is
// s ± k·sqrt(a ± b·sqrt(d))/r, or its denested sum of square roots.
namespace exact {

class Expr {
  public:
    enum class Kind { Integer, Negation, Sum, Product, Quotient, Sqrt };

    static Expr integer(std::string digits);  // non-negative, decimal digits
    static Expr integer(long value);          // value >= 0
    static Expr negation(Expr operand);
    static Expr sum(std::vector<Expr> terms);  // a Negation term is subtracted
    static Expr product(std::vector<Expr> factors);
    static Expr quotient(Expr numerator, Expr denominator);
    static Expr sqrt(Expr radicand);

    Kind kind() const { return node_->kind; }
    // The digits of an Integer.
    const std::string& digits() const { return node_->digits; }
    // Negation and Sqrt: one operand; Quotient: numerator, denominator; Sum, Product: all.
    const std::vector<Expr>& operands() const { return node_->operands; }

    // The facts syntax: integers, + - * / sqrt(…) and brackets, no blanks ("(1+sqrt(5))/2").
    std::string text() const;

  private:
    struct Node {
        Kind kind;
        std::string digits;
        std::vector<Expr> operands;
    };
    explicit Expr(std::shared_ptr<const Node> node) : node_(std::move(node)) {}
    std::shared_ptr<const Node> node_;
};

}  // namespace exact
