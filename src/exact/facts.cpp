#include "exact/facts.h"

#include <variant>

namespace exact {

std::string facts(const Discussion& d) {
    std::vector<std::string> lines;
    lines.push_back("degree " + std::to_string(d.degree));
    for (const Symmetry& s : d.symmetry) {
        switch (s.kind) {
            case Symmetry::Kind::YAxis:
                lines.push_back("symmetry y-axis");
                break;
            case Symmetry::Kind::Origin:
                lines.push_back("symmetry origin");
                break;
            case Symmetry::Kind::Axis:
                lines.push_back("symmetry axis " + s.x.text());
                break;
            case Symmetry::Kind::Point:
                lines.push_back("symmetry point " + s.x.text() + " " + s.y.text());
                break;
            case Symmetry::Kind::None:
                lines.push_back("symmetry none");
                break;
        }
    }
    lines.push_back("limit -inf " + d.limitMinusInfinity.text());
    lines.push_back("limit inf " + d.limitPlusInfinity.text());
    lines.push_back("yintercept " + d.yIntercept.text());
    if (d.zeroPolynomial) lines.push_back("zero all");
    for (const Root& z : d.f.roots)
        lines.push_back("zero " + z.x.text() + " " + std::to_string(z.multiplicity));
    for (const Stationary& p : d.stationary) {
        const char* kind = p.kind == Stationary::Kind::Max   ? "max "
                           : p.kind == Stationary::Kind::Min ? "min "
                                                             : "saddle ";
        lines.push_back(kind + p.x.text() + " " + p.y.text());
    }
    for (const Inflection& w : d.inflections)
        lines.push_back("inflection " + w.x.text() + " " + w.y.text() + " " + w.slope.text() + " " +
                        w.intercept.text());
    auto interval = [&](const Interval& i) {
        static const char* const names[] = {"increasing ", "decreasing ", "constant ", "convex ",
                                            "concave "};
        lines.push_back(names[static_cast<int>(i.kind)] + i.from.text() + " " + i.to.text());
    };
    for (const Interval& i : d.monotony) interval(i);
    for (const Interval& i : d.curvature) interval(i);
    lines.push_back("range " + d.rangeLow.text() + " " + d.rangeHigh.text());
    if (d.area) lines.push_back("area " + d.area->text());

    std::string out;
    for (const std::string& l : lines) out += (out.empty() ? "" : "\n") + l;
    return out;
}

std::string factsOf(const std::array<std::string, 5>& texts,
                    const std::array<std::string, 5>& fractions) {
    auto read = readCoefficients(texts, fractions);
    if (const auto* e = std::get_if<ReadError>(&read))
        return std::string("error txt") + static_cast<char>('A' + e->field);
    return facts(discuss(std::get<Coefficients>(read)));
}

}  // namespace exact
