#pragma once

#include <string>

namespace plot {

// The texts of the range fields: the domain txtIX1 .. txtIX2 and the value range txtIY1 .. txtIY2.
struct Ranges {
    std::string ix1, ix2, iy1, iy2;
};

}  // namespace plot
