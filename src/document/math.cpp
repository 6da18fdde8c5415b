#include "document/math.h"

namespace doc {

Math Math::text(std::string text) {
    return Math(std::make_shared<const Node>(Node{Kind::Text, std::move(text), {}}));
}

Math Math::row(std::vector<Math> items) {
    return Math(std::make_shared<const Node>(Node{Kind::Row, {}, std::move(items)}));
}

Math Math::fraction(Math numerator, Math denominator) {
    return Math(std::make_shared<const Node>(
        Node{Kind::Fraction, {}, {std::move(numerator), std::move(denominator)}}));
}

Math Math::root(Math radicand) {
    return Math(std::make_shared<const Node>(Node{Kind::Root, {}, {std::move(radicand)}}));
}

Math Math::power(Math base, Math exponent) {
    return Math(std::make_shared<const Node>(
        Node{Kind::Power, {}, {std::move(base), std::move(exponent)}}));
}

Math Math::index(Math base, Math index) {
    return Math(
        std::make_shared<const Node>(Node{Kind::Index, {}, {std::move(base), std::move(index)}}));
}

}  // namespace doc
