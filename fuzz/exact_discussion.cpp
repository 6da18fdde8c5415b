// The exact Kurvendiskussion from arbitrary coefficient texts: no crash, no hang, and facts that
// agree with themselves.

#include <string>
#include <vector>

#include "exact/facts.h"
#include "support.h"

namespace {

using fuzz::require;

std::vector<std::vector<std::string>> linesOf(const std::string& facts) {
    std::vector<std::vector<std::string>> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = facts.find('\n', start);
        const std::string line = facts.substr(start, end - start);
        lines.emplace_back();
        for (std::size_t at = 0; at <= line.size();) {
            const std::size_t blank = std::min(line.find(' ', at), line.size());
            lines.back().push_back(line.substr(at, blank - at));
            at = blank + 1;
        }
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

// The decimal of a value as a comparable number: sign, then digits.
bool lessOrEqual(const std::string& a, const std::string& b) {
    auto parse = [](const std::string& t) {
        const std::string d = t.substr(t.find('~') + 1);
        require(d != "-0,0000", "no negative zero");
        require(d.size() >= 6 && d[d.size() - 5] == ',', "four decimals");
        return std::pair<bool, std::string>(d[0] == '-', d[0] == '-' ? d.substr(1) : d);
    };
    const auto [na, da] = parse(a);
    const auto [nb, db] = parse(b);
    if (na != nb) return na;
    const bool magnitudeLess = da.size() != db.size() ? da.size() < db.size() : da <= db;
    const bool equal = da == db;
    return na ? (magnitudeLess ? equal : true) : magnitudeLess;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Five texts separated by '|'.
    std::array<std::string, 5> texts;
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < 5; ++i) {
        if (data[i] == '|')
            ++field;
        else
            texts[field].push_back(static_cast<char>(data[i]));
    }
    const std::string facts = exact::factsOf(texts);
    const auto lines = linesOf(facts);
    if (lines[0][0] == "error") {
        require(lines.size() == 1 && lines[0].size() == 2, "an error stands alone");
        return 0;
    }
    require(lines[0][0] == "degree", "the degree comes first");
    std::string lastZero, lastPoint, lastExtreme, monotonyEnd = "-inf", curvatureEnd = "-inf";
    std::string lastMonotony, lastCurvature;
    for (const auto& w : lines) {
        const std::string& key = w[0];
        if (key == "zero" && w[1] != "all") {
            if (!lastZero.empty()) require(lessOrEqual(lastZero, w[1]), "zeros ascend");
            lastZero = w[1];
            require(w[2] >= "1" && w[2] <= "4" && w[2].size() == 1, "multiplicity 1 to 4");
        } else if (key == "max" || key == "min" || key == "saddle") {
            if (!lastPoint.empty()) require(lessOrEqual(lastPoint, w[1]), "points ascend");
            lastPoint = w[1];
            if (key != "saddle") {
                require(key != lastExtreme, "maxima and minima alternate");
                lastExtreme = key;
            }
        } else if (key == "increasing" || key == "decreasing" || key == "constant") {
            require(w[1] == monotonyEnd, "monotony intervals chain");
            require(key != lastMonotony, "monotony alternates");
            lastMonotony = key;
            monotonyEnd = w[2];
        } else if (key == "convex" || key == "concave") {
            require(w[1] == curvatureEnd, "curvature intervals chain");
            require(key != lastCurvature, "curvature alternates");
            lastCurvature = key;
            curvatureEnd = w[2];
        } else if (key == "area") {
            require(w[1].find("~-") == std::string::npos, "an area is not negative");
        }
    }
    require(monotonyEnd == "inf", "monotony covers the line");
    require(lastCurvature.empty() || curvatureEnd == "inf", "curvature covers the line");
    return 0;
}
