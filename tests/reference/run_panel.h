#pragma once

#include <array>
#include <string>

#include "panel.h"

// The result panel after the analysis run as the window plays it back, on the domain -10..10:
// the coefficient texts of txtA..txtE, p01 typed into txtP01X (or nothing), and the start
// button pressed twice, as a person does for a quartic.
Panel panelAfterRun(const std::array<std::string, 5>& coefficients, const std::string& p01 = "");
