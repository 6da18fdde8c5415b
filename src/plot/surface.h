#pragma once

#include <cstdint>

// A colour in the toolkit's format: red in the lowest byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// The colour written #RRGGBB, as a number 0xRRGGBB.
constexpr Colour fromRrggbb(unsigned v) {
    return rgb(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
               static_cast<int>(v & 0xFF));
}

// Where axes, grid lines and curves go. Coordinates are twips of the window's client area;
// the pen width is in pixels and applies to every primitive drawn after it was set.
class Surface {
  public:
    virtual ~Surface() = default;
    virtual void clear() = 0;
    virtual void setPenWidth(int width) = 0;
    virtual int penWidth() const = 0;
    virtual void line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual void point(float x, float y, Colour colour) = 0;
};
