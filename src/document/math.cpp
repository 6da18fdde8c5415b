#include "document/math.h"

#include <string_view>

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

bool isAtomic(const Math& m) {
    switch (m.kind()) {
        case Math::Kind::Text:
            for (std::string_view op : {" ", "+", "−", "-", "/", "·"})
                if (m.textOf().find(op) != std::string::npos) return false;
            return true;
        case Math::Kind::Row:
            for (const Math& item : m.items())
                if (!isAtomic(item)) return false;
            return true;
        case Math::Kind::Fraction:
            return false;
        default:
            return true;
    }
}

}  // namespace doc
