#pragma once

#include <string>
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

    void clear() override { primitives_.clear(); }
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

  private:
    std::vector<Primitive> primitives_;
    int width_ = 1;
};

// "#RRGGBB" for a colour in the toolkit's format.
std::string colourText(Colour colour);
