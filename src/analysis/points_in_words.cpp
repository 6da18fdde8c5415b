#include "analysis/points_in_words.h"

#include <string_view>

#include "base/numtext.h"

namespace analysis {
namespace {

// One short name of a label ("N2", "E1 min", "W1", "Sy") in words.
std::string nameInWords(std::string_view name) {
    if (name == "Sy") return "Schnittpunkt mit der y-Achse";
    const std::string_view number = name.substr(0, name.find(' '));
    if (name.starts_with('N')) return "Nullstelle " + std::string(number);
    if (name.starts_with('W')) return "Wendepunkt " + std::string(number);
    if (name.ends_with(" min")) return "Tiefpunkt " + std::string(number);
    if (name.ends_with(" max")) return "Hochpunkt " + std::string(number);
    return "Extrempunkt " + std::string(number);
}

// "N2, N3, E1 min" as "Nullstellen N2 und N3 und Tiefpunkt E1": a double zero's names share
// their word.
std::string labelInWords(std::string_view label) {
    std::vector<std::string_view> zeros, others;
    for (std::size_t start = 0; start <= label.size();) {
        const std::size_t end = std::min(label.find(", ", start), label.size());
        const std::string_view name = label.substr(start, end - start);
        (name.starts_with('N') ? zeros : others).push_back(name);
        start = end + 2;
    }
    std::vector<std::string> parts;
    if (zeros.size() == 1) parts.push_back(nameInWords(zeros.front()));
    if (zeros.size() > 1) {
        std::string joined = "Nullstellen";
        for (std::size_t i = 0; i < zeros.size(); ++i)
            joined += (i == 0                  ? " "
                       : i + 1 == zeros.size() ? " und "
                                               : ", ") +
                      std::string(zeros[i]);
        parts.push_back(joined);
    }
    for (std::string_view name : others) parts.push_back(nameInWords(name));
    std::string words;
    for (std::size_t i = 0; i < parts.size(); ++i) words += (i == 0 ? "" : " und ") + parts[i];
    return words;
}

}  // namespace

std::string pointsInWords(const std::vector<MarkedPoint>& points) {
    if (points.empty()) return "keine";
    std::string words;
    for (const MarkedPoint& p : points) {
        if (!words.empty()) words += "; ";
        words += labelInWords(p.label) + " bei (" + numtext::format(p.x) + " | " +
                 numtext::format(p.y) + ")";
    }
    return words;
}

}  // namespace analysis
