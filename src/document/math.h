#pragma once

#include <memory>
#include <string>
#include <vector>

// A line of school mathematics as a tree, written once and read by every renderer: plain text,
// the window's layout, HTML, LaTeX, the printed page.
namespace doc {

class Math {
  public:
    enum class Kind {
        Text,      // words, numbers and symbols exactly as they stand ("f(x) = ", "−", "2")
        Row,       // one after the other
        Fraction,  // numerator over denominator
        Root,      // the square root of its operand
        Power,     // base with a raised exponent
        Index      // base with a lowered index (x₁)
    };

    static Math text(std::string text);
    static Math row(std::vector<Math> items);
    static Math fraction(Math numerator, Math denominator);
    static Math root(Math radicand);
    static Math power(Math base, Math exponent);
    static Math index(Math base, Math index);

    Kind kind() const { return node_->kind; }
    const std::string& textOf() const { return node_->text; }
    // Row: its items; Fraction: numerator, denominator; Root: radicand; Power: base, exponent;
    // Index: base, index.
    const std::vector<Math>& items() const { return node_->items; }

  private:
    struct Node {
        Kind kind;
        std::string text;
        std::vector<Math> items;
    };
    explicit Math(std::shared_ptr<const Node> node) : node_(std::move(node)) {}
    std::shared_ptr<const Node> node_;
};

// A piece that reads as one unit when raised, lowered, put under a root or beside a slash: no
// operator or blank in it and no fraction; otherwise it needs brackets there.
bool isAtomic(const Math& m);

}  // namespace doc
