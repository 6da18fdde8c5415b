// Pressing "Z" again and again, and turning the wheel in and out: the time of a press or a turn,
// and what the window holds after N of them, which must stay as after the first.
#include <QApplication>

#include "offscreen_window.h"
#include "resident_memory.h"

namespace {

// x^4 - 5x^2 + 4 and its derivatives drawn over the grid, then `settle`; each iteration runs
// `repeat`. The counters: the primitives held after the first drawing and after N repeats, and
// how far the resident memory grew meanwhile.
template <class Settle, class Repeat>
void measureRepeats(benchmark::State& state, Settle settle, Repeat repeat) {
    OffscreenWindow win;
    analyseManualExample(win);
    drawFourCurves(win);
    settle(win);
    QApplication::processEvents();
    const auto held = [&] { return static_cast<double>(win.probe.retained().primitives().size()); };
    const double first = held();
    const double before = residentMB();
    for (auto _ : state) repeat(win);
    QApplication::processEvents();
    state.counters["primitives_after_first"] = first;
    state.counters["primitives_after_N"] = held();
    state.counters["resident_growth_MB"] = residentMB() - before;
}

void nothing(const OffscreenWindow&) {}

void BM_PressZAgain(benchmark::State& state) {
    measureRepeats(state, nothing, [](const OffscreenWindow& w) { w.button("btZ1")->click(); });
}
BENCHMARK(BM_PressZAgain)->Unit(benchmark::kMicrosecond)->Iterations(10000);

// y and y' pressed in turn: each press brings its curve over the other, the backing image
// painted anew.
void BM_PressZ1AndZ2InTurn(benchmark::State& state) {
    measureRepeats(state, nothing, [](const OffscreenWindow& w) {
        w.button("btZ1")->click();
        w.button("btZ2")->click();
        QApplication::processEvents();
    });
}
BENCHMARK(BM_PressZ1AndZ2InTurn)->Unit(benchmark::kMicrosecond)->Iterations(1000);

// A notch in and one out around the middle, with four curves: the view drawn anew twice on a wiped
// surface, and back where it was.
void BM_WheelInAndOut(benchmark::State& state) {
    const auto inAndOut = [](const OffscreenWindow& w) {
        const QPoint middle(233, 233);
        wheelOnPlot(w, middle, 1);
        wheelOnPlot(w, middle, -1);
    };
    measureRepeats(state, inAndOut, [&](const OffscreenWindow& w) {
        inAndOut(w);
        QApplication::processEvents();
    });
}
BENCHMARK(BM_WheelInAndOut)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
