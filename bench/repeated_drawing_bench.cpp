// Pressing "Z" again and again, and turning the wheel in and out: the time of a press or a turn,
// and what the window holds after N of them, which must stay as after the first.
#include <QApplication>

#include "offscreen_window.h"
#include "resident_memory.h"

namespace {

// x^4 - 5x^2 + 4 and its derivatives drawn once over the grid; each iteration presses btZ1 again.
void BM_PressZAgain(benchmark::State& state) {
    OffscreenWindow win;
    analyseManualExample(win.w);
    drawFourCurves(win.w);
    QApplication::processEvents();
    const double first = static_cast<double>(win.w.retained().primitives().size());
    const double before = residentMB();
    for (auto _ : state) win.w.btZ1->click();
    QApplication::processEvents();
    state.counters["primitives_after_first"] = first;
    state.counters["primitives_after_N"] =
        static_cast<double>(win.w.retained().primitives().size());
    state.counters["resident_growth_MB"] = residentMB() - before;
}
BENCHMARK(BM_PressZAgain)->Unit(benchmark::kMicrosecond)->Iterations(10000);

// y and y' pressed in turn: each press brings its curve over the other, the backing image
// painted anew.
void BM_PressZ1AndZ2InTurn(benchmark::State& state) {
    OffscreenWindow win;
    analyseManualExample(win.w);
    drawFourCurves(win.w);
    QApplication::processEvents();
    const double first = static_cast<double>(win.w.retained().primitives().size());
    const double before = residentMB();
    for (auto _ : state) {
        win.w.btZ1->click();
        win.w.btZ2->click();
        QApplication::processEvents();
    }
    state.counters["primitives_after_first"] = first;
    state.counters["primitives_after_N"] =
        static_cast<double>(win.w.retained().primitives().size());
    state.counters["resident_growth_MB"] = residentMB() - before;
}
BENCHMARK(BM_PressZ1AndZ2InTurn)->Unit(benchmark::kMicrosecond)->Iterations(1000);

// A notch in and one out around the middle, with four curves: the view drawn anew twice on a wiped
// surface, and back where it was.
void BM_WheelInAndOut(benchmark::State& state) {
    OffscreenWindow win;
    analyseManualExample(win.w);
    drawFourCurves(win.w);
    win.w.lblBG_Wheel(1, 3502, 3502);
    win.w.lblBG_Wheel(-1, 3502, 3502);
    QApplication::processEvents();
    const double first = static_cast<double>(win.w.retained().primitives().size());
    const double before = residentMB();
    for (auto _ : state) {
        win.w.lblBG_Wheel(1, 3502, 3502);
        win.w.lblBG_Wheel(-1, 3502, 3502);
        QApplication::processEvents();
    }
    state.counters["primitives_after_first"] = first;
    state.counters["primitives_after_N"] =
        static_cast<double>(win.w.retained().primitives().size());
    state.counters["resident_growth_MB"] = residentMB() - before;
}
BENCHMARK(BM_WheelInAndOut)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
