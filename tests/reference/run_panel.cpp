#include "run_panel.h"

#include <map>

#include "analysis/curve_analysis.h"

using analysis::Field;

Panel panelAfterRun(const std::array<std::string, 5>& coefficients, const std::string& p01) {
    // A typed P01 puts "0" beside it, as its key filter does.
    std::map<Field, std::string> shown = {{Field::P01X, p01},
                                          {Field::P01Y, p01.empty() ? "" : "0"}};
    analysis::SharedValues shared;
    Panel p;
    for (int press = 0; press < 2; ++press) {
        const analysis::RunResult run = analysis::runCurveAnalysis(
            {{coefficients[0], coefficients[1], coefficients[2], coefficients[3], coefficients[4]},
             shown[Field::P01X],
             "-10",
             "10",
             shared});
        shared = run.shared;
        for (const analysis::RunStep& step : run.steps) {
            if (step.kind == analysis::RunStep::Kind::Write) shown[step.field] = step.text;
            const bool message = step.kind == analysis::RunStep::Kind::Message ||
                                 step.kind == analysis::RunStep::Kind::Refusal;
            if (message && step.text != analysis::zeroProposalText())
                p.messages.push_back(step.text);
        }
    }
    const auto at = [&](Field f, int i) -> const std::string& {
        return shown[static_cast<Field>(static_cast<int>(f) + i)];
    };
    for (int i = 0; i < 4; ++i) {
        p.zeroX[i] = at(Field::P01X, 2 * i);
        p.zeroY[i] = at(Field::P01Y, 2 * i);
    }
    for (int i = 0; i < 3; ++i) {
        p.extremeX[i] = at(Field::PE1X, 2 * i);
        p.extremeY[i] = at(Field::PE1Y, 2 * i);
        p.extremeKind[i] = at(Field::MMPE1, i);
    }
    for (int i = 0; i < 2; ++i) {
        p.inflectionX[i] = at(Field::PW1X, 2 * i);
        p.inflectionY[i] = at(Field::PW1Y, 2 * i);
    }
    p.interceptX = shown[Field::PYX];
    p.interceptY = shown[Field::PYY];
    return p;
}
