#pragma once

#include <optional>
#include <string>

#include "plot/ranges.h"
#include "plot/spacing.h"

// What the plot shows, held as the window's own state: the range and spacing fields as their
// change handlers read them, and what the captions of cbHL, lblZoom and lblPo show, which are
// never read back.
namespace plot {

struct ViewState {
    Ranges ranges;
    Spacing xa, ya;  // txtXA, txtYA
    bool gridShown = true;
    // The zoom factor as the zoom wrote it ("1", "10", "1.000"): the readout's decimals follow
    // it, and a factor written as "0" fails the readout as it always did.
    std::string zoomFactor = "1";
    // The x of the point read last on the plot, as a double click takes it over as the zero P01;
    // nothing after the readout was cleared.
    std::optional<std::string> pointedX;
};

}  // namespace plot
