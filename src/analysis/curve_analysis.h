#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/derivative_terms.h"
#include "analysis/result_panel.h"

// The curve analysis run behind the start button, from the coefficient texts to the last
// result field, as data: the window plays the steps back in their order.
namespace analysis {

// The window's shared values that the run reads and writes.
struct SharedValues {
    Polynomial koeff;  // KoeffA .. KoeffE
    Derivatives abl;   // Abl1A .. Abl3B
    Cubic hg;          // HGA .. HGD
    double pi = 0;     // the cubic solver's Pi
};

struct RunInput {
    std::array<numtext::FieldValue, 5> coefficients;  // txtA .. txtE
    std::string p01x;                                 // txtP01X as it stands before the run
    numtext::FieldValue ix1, ix2;                     // the domain, txtIX1 and txtIX2
    SharedValues shared;                              // as the window holds them before the run
};

// One thing the run does to the window, in order.
struct RunStep {
    enum class Kind {
        Write,    // field gets text
        Message,  // an information box titled "Polyskop" with text
        Refusal,  // a box with the stop icon titled "Polyskop" with text
        DrawY,    // the curve of y, drawn directly
        PressZ1,  // the curve of y through its draw button (with the hourglass)
    };
    Kind kind;
    Field field = Field::Fkt1;
    std::string text;

    bool operator==(const RunStep&) const = default;
};

struct RunResult {
    std::vector<RunStep> steps;
    SharedValues shared;  // after the run, as far as it got
    int failure = 0;      // the number of the run-time failure that ended it, 0 if none
};

// The run after the panel test: LoeschErgebnisse, BildeTerme, the zero search, the solvers by
// degree, the y curve and the intersection with the y-axis. A run-time failure ends it silently:
// the steps stop there, so the window keeps what was written up to that point. A P01 that is no
// zero of y ends it with a refusal, the results empty; one that leads to a zero nearby is
// replaced by it, with a message. Extreme points are shown only where y' changes sign, each
// once and with its kind, inflection points only where y'' changes sign.
RunResult runCurveAnalysis(const RunInput& in);

}  // namespace analysis
