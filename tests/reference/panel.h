#pragma once

#include <array>
#include <string>
#include <vector>

// The result panel as text, as the person reads it after the analysis.
struct Panel {
    std::array<std::string, 4> zeroX, zeroY;                     // P01..P04
    std::array<std::string, 3> extremeX, extremeY, extremeKind;  // PE1..PE3, lblMMPE1..3
    std::array<std::string, 2> inflectionX, inflectionY;         // PW1, PW2
    std::string interceptX, interceptY;                          // PY
    std::vector<std::string> messages;  // the message texts beyond the zero proposal

    bool operator==(const Panel&) const = default;
};
