#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "plot/surface.h"

// Keeps every primitive in drawing order, for tests and the scenario runner.
class RecordingSurface : public Surface {
  public:
    struct Primitive {
        bool isLine;
        float x1, y1, x2, y2;  // a point uses x1, y1
        Colour colour;
        int width;
    };

    // Forgets the drawings' keys and the curves' names with their primitives.
    void clear() override {
        primitives_.clear();
        drawings_.clear();
        curves_.clear();
    }
    void setPenWidth(int width) override { width_ = width; }
    int penWidth() const override { return width_; }
    void line(float x1, float y1, float x2, float y2, Colour colour) override {
        primitives_.push_back({true, x1, y1, x2, y2, colour, width_});
    }
    void point(float x, float y, Colour colour) override {
        primitives_.push_back({false, x, y, x, y, colour, width_});
    }

    const std::vector<Primitive>& primitives() const { return primitives_; }
    int lines() const;
    int points() const;
    // One primitive a line: "line X1 Y1 X2 Y2 #RRGGBB W" or "point X Y #RRGGBB W".
    std::string list() const;

    // A drawing known by a key that decides its primitives (a curve: its term, view, colour,
    // width and mode), kept from its first primitive to its last, with what its drawing returned.
    struct Drawing {
        std::size_t begin, end;
        int result;
    };
    // The drawing retained under this key since the last clear, or none.
    const Drawing* drawing(const std::string& key) const;
    // The primitives from `begin` to the end are the drawing `key`, which returned `result`.
    void keep(const std::string& key, std::size_t begin, int result);
    // Moves a drawing's primitives behind everything drawn after them, as drawing them again
    // would paint them over it, without holding them twice. Returns whether anything moved.
    bool raise(const std::string& key);

    // A curve drawn since the last clear, as the legend names it.
    struct NamedCurve {
        std::string name;  // "y", "y'", "y''", "y'''", "HG"
        Colour colour;
        int width;
    };
    void nameCurve(NamedCurve curve) { curves_.push_back(std::move(curve)); }
    const std::vector<NamedCurve>& curves() const { return curves_; }

  private:
    std::vector<Primitive> primitives_;
    std::unordered_map<std::string, Drawing> drawings_;
    std::vector<NamedCurve> curves_;
    int width_ = 1;
};

// "#RRGGBB" for a colour in the toolkit's format.
std::string colourText(Colour colour);
