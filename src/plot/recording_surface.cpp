#include "plot/recording_surface.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

// Correctly rounded to two decimals, trailing zeros and a trailing point dropped.
std::string coordinate(float value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                             std::chars_format::fixed, 2);
    std::string s(buf, res.ptr);
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

}  // namespace

int RecordingSurface::lines() const {
    return static_cast<int>(
        std::count_if(primitives_.begin(), primitives_.end(), [](auto& p) { return p.isLine; }));
}

int RecordingSurface::points() const { return static_cast<int>(primitives_.size()) - lines(); }

std::string RecordingSurface::list() const {
    std::string out;
    for (const auto& p : primitives_) {
        if (!out.empty()) out += '\n';
        if (p.isLine)
            out += "line " + coordinate(p.x1) + ' ' + coordinate(p.y1) + ' ' + coordinate(p.x2) +
                   ' ' + coordinate(p.y2);
        else
            out += "point " + coordinate(p.x1) + ' ' + coordinate(p.y1);
        out += ' ' + colourText(p.colour) + ' ' + std::to_string(p.width);
    }
    return out;
}

const RecordingSurface::Drawing* RecordingSurface::drawing(const std::string& key) const {
    const auto found = drawings_.find(key);
    return found == drawings_.end() ? nullptr : &found->second;
}

void RecordingSurface::keep(const std::string& key, std::size_t begin, int result) {
    drawings_[key] = {begin, primitives_.size(), result};
}

bool RecordingSurface::raise(const std::string& key) {
    const auto found = drawings_.find(key);
    if (found == drawings_.end()) return false;
    const Drawing moved = found->second;
    if (moved.begin == moved.end || moved.end == primitives_.size()) return false;
    const auto first = primitives_.begin();
    std::rotate(first + static_cast<std::ptrdiff_t>(moved.begin),
                first + static_cast<std::ptrdiff_t>(moved.end), primitives_.end());
    // Drawings behind it close the gap; drawings are disjoint, so none lies across it.
    const std::size_t length = moved.end - moved.begin;
    for (auto& [name, d] : drawings_)
        if (d.begin >= moved.end) {
            d.begin -= length;
            d.end -= length;
        }
    found->second = {primitives_.size() - length, primitives_.size(), moved.result};
    return true;
}

std::string colourText(Colour colour) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return buf;
}
