// What a person feels when drawing: one press of "Z" for y in line mode, a zoom with four
// curves and the grid, the densest grid. Each drives the real window offscreen.
#include "offscreen_window.h"

namespace {

void BM_PressZ1LineMode(benchmark::State& state) {
    OffscreenWindow win;
    win.w.obStrich->setChecked(true);
    win.w.txtFKT1->setText("(X)^4-5*(X)^2+4");
    for (auto _ : state) {
        win.w.btZ1_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PressZ1LineMode)->Unit(benchmark::kMillisecond);

void BM_ZoomWithGridAndFourCurves(benchmark::State& state) {
    OffscreenWindow win;
    win.w.txtFKT1->setText("(X)^4-5*(X)^2+4");
    win.w.txtFKT2->setText("4*(X)^3-10*(X)");
    win.w.txtFKT3->setText("12*(X)^2-10");
    win.w.txtFKT4->setText("24*(X)");
    for (auto _ : state) {
        win.w.lblBG_MouseDown(Qt::RightButton, Qt::ShiftModifier, 3502.5f, 3502.5f);
        QApplication::processEvents();
        state.PauseTiming();
        win.w.btReset_Click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ZoomWithGridAndFourCurves)->Unit(benchmark::kMillisecond);

void BM_DensestGrid(benchmark::State& state) {
    OffscreenWindow win;
    win.w.setSpacingText(win.w.txtXA, "0,0001");
    win.w.setSpacingText(win.w.txtYA, "0,0001");
    for (auto _ : state) {
        win.w.HilfslinienAus();
        win.w.ZeichneHilfslinien();
        QApplication::processEvents();
    }
    state.counters["peak_MB"] = peakMemoryMB();
}
BENCHMARK(BM_DensestGrid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
