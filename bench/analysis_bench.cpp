// The curve analysis of y = x^4 - 5x^2 + 4 as a person runs it: the first press, which proposes
// a zero, and the full run with P01 given, each from the click of btStartKD to the last field
// written with the y curve drawn and painted.
#include "offscreen_window.h"

namespace {

void typeCoefficients(const OffscreenWindow& win) {
    win.field("txtA")->setText("1");
    win.field("txtC")->setText("-5");
    win.field("txtE")->setText("4");
}

void BM_AnalysisFirstPress(benchmark::State& state) {
    OffscreenWindow win;
    typeCoefficients(win);
    QPushButton* start = win.button("btStartKD");
    for (auto _ : state) {
        start->click();
        QApplication::processEvents();
        state.PauseTiming();
        win.field("txtP01X")->setText("");  // the next press proposes again
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AnalysisFirstPress)->Unit(benchmark::kMillisecond);

void BM_AnalysisFullRun(benchmark::State& state) {
    OffscreenWindow win;
    typeCoefficients(win);
    win.field("txtP01X")->setText("1");
    QPushButton* start = win.button("btStartKD");
    for (auto _ : state) {
        start->click();
        QApplication::processEvents();
    }
    if (win.field("txtPW2Y")->text() != "0,5278") state.SkipWithError("the run gave other results");
    state.counters["peak_MB"] = peakMemoryMB();
}
BENCHMARK(BM_AnalysisFullRun)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
