// The curve analysis of y = x^4 - 5x^2 + 4 as a person runs it: the first press, which proposes
// a zero, and the full run with P01 given, each from the click of btStartKD to the last field
// written with the y curve drawn and painted.
#include "offscreen_window.h"

namespace {

void typeCoefficients(frmFunktion& w) {
    w.txtA->setText("1");
    w.txtC->setText("-5");
    w.txtE->setText("4");
}

void BM_AnalysisFirstPress(benchmark::State& state) {
    OffscreenWindow win;
    typeCoefficients(win.w);
    for (auto _ : state) {
        win.w.btStartKD->click();
        QApplication::processEvents();
        state.PauseTiming();
        win.w.txtP01X->setText("");  // the next press proposes again
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AnalysisFirstPress)->Unit(benchmark::kMillisecond);

void BM_AnalysisFullRun(benchmark::State& state) {
    OffscreenWindow win;
    typeCoefficients(win.w);
    win.w.txtP01X->setText("1");
    for (auto _ : state) {
        win.w.btStartKD->click();
        QApplication::processEvents();
    }
    if (win.w.txtPW2Y->text() != "0,5278") state.SkipWithError("the run gave other results");
    state.counters["peak_MB"] = peakMemoryMB();
}
BENCHMARK(BM_AnalysisFullRun)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
