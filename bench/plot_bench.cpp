// What a person feels when drawing: one press of "Z" for y in line mode, a zoom with four
// curves and the grid, the densest grid. Each drives the real window offscreen.
#include <QRadioButton>

#include "offscreen_window.h"

namespace {

void BM_PressZ1LineMode(benchmark::State& state) {
    OffscreenWindow win;
    win.probe.control<QRadioButton>("obStrich")->setChecked(true);
    win.probe.control<MemoField>("txtFKT1")->setText("(X)^4-5*(X)^2+4");
    QPushButton* z1 = win.button("btZ1");
    for (auto _ : state) {
        z1->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PressZ1LineMode)->Unit(benchmark::kMillisecond);

void BM_ZoomWithGridAndFourCurves(benchmark::State& state) {
    OffscreenWindow win;
    win.probe.control<MemoField>("txtFKT1")->setText("(X)^4-5*(X)^2+4");
    win.probe.control<MemoField>("txtFKT2")->setText("4*(X)^3-10*(X)");
    win.probe.control<MemoField>("txtFKT3")->setText("12*(X)^2-10");
    win.probe.control<MemoField>("txtFKT4")->setText("24*(X)");
    const QPoint middle(233, 233);  // the square's middle pixel
    for (auto _ : state) {
        mouseOnPlot(win, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton,
                    Qt::ShiftModifier, middle);
        mouseOnPlot(win, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton,
                    Qt::ShiftModifier, middle);
        QApplication::processEvents();
        state.PauseTiming();
        win.button("btReset")->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ZoomWithGridAndFourCurves)->Unit(benchmark::kMillisecond);

void BM_DensestGrid(benchmark::State& state) {
    OffscreenWindow win;
    win.setSpacing("txtXA", "0,0001");
    win.setSpacing("txtYA", "0,0001");
    for (auto _ : state) {
        win.redrawGrid();
        QApplication::processEvents();
    }
    state.counters["peak_MB"] = peakMemoryMB();
}
BENCHMARK(BM_DensestGrid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
