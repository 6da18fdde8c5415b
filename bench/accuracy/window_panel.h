#pragma once

#include <array>
#include <memory>
#include <string>

#include "panel.h"

// The real window, offscreen, its messages confirmed: the coefficients are typed into
// txtA..txtE and p01 (if any) into txtP01X, the start button is pressed twice, and the result
// panel is read.
class WindowUnderTest {
  public:
    WindowUnderTest();
    ~WindowUnderTest();
    Panel analyse(const std::array<std::string, 5>& coefficients, const std::string& p01 = "");

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};
