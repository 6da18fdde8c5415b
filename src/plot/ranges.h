#pragma once

#include "base/field_value.h"

namespace plot {

// The range fields as read: the domain txtIX1 .. txtIX2 and the value range txtIY1 .. txtIY2.
struct Ranges {
    numtext::FieldValue ix1, ix2, iy1, iy2;
};

}  // namespace plot
