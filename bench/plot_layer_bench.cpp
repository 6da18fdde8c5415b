// Reading and moving the plot: the layer of axis numbers and marked points over the densest
// grid, a wheel zoom with the grid and four curves, and one frame of dragging the view. Each
// drives the real window offscreen after the analysis of x^4 - 5x^2 + 4, so the marks are there.
#include <QImage>
#include <QPainter>

#include "app/picture_painter.h"
#include "app/plot_widget.h"
#include "offscreen_window.h"
#include "plot/square.h"

namespace {

// The layer made from the window's state and painted over the square, as each repaint does.
void BM_LayerOverDensestGrid(benchmark::State& state) {
    OffscreenWindow win;
    analyseManualExample(win.w);
    win.w.setSpacingText(win.w.txtXA, "0,0001");
    win.w.setSpacingText(win.w.txtYA, "0,0001");
    win.w.HilfslinienAus();
    win.w.ZeichneHilfslinien();
    win.w.btZ1->click();
    QImage square(467, 467, QImage::Format_ARGB32_Premultiplied);
    std::size_t numbers = 0;
    for (auto _ : state) {
        const plot::Layer layer = win.w.plotLayer();
        QPainter p(&square);
        PicturePainter(p, 1, true).paintLayer(layer);
        numbers = layer.numbers.size() + layer.marks.size();
    }
    state.counters["grid_lines"] = win.w.retained().lines();
    state.counters["texts"] = static_cast<double>(numbers);
    state.counters["goal_ms"] = 5;
}
BENCHMARK(BM_LayerOverDensestGrid)->Unit(benchmark::kMillisecond);

// A notch in around a point off the middle, or out again: the grid and four curves drawn anew
// and the layer repainted. The step back is not timed.
void wheelZoom(benchmark::State& state, int notches) {
    OffscreenWindow win;
    analyseManualExample(win.w);
    drawFourCurves(win.w);
    if (notches < 0) win.w.lblBG_Wheel(1, 4000, 3000);
    for (auto _ : state) {
        win.w.lblBG_Wheel(notches, 4000, 3000);
        QApplication::processEvents();
        state.PauseTiming();
        win.w.lblBG_Wheel(-notches, 4000, 3000);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["goal_ms"] = 15;
}

void BM_WheelZoomInWithGridAndFourCurves(benchmark::State& state) { wheelZoom(state, 1); }
BENCHMARK(BM_WheelZoomInWithGridAndFourCurves)->Unit(benchmark::kMillisecond);

void BM_WheelZoomOutWithGridAndFourCurves(benchmark::State& state) { wheelZoom(state, -1); }
BENCHMARK(BM_WheelZoomOutWithGridAndFourCurves)->Unit(benchmark::kMillisecond);

// One mouse move while dragging, and the square painted at once: the retained picture shifted
// with its layer over it.
void BM_PanFrame(benchmark::State& state) {
    OffscreenWindow win;
    analyseManualExample(win.w);
    drawFourCurves(win.w);
    auto* surface = win.w.findChild<PlotWidget*>("surface");
    win.w.lblBG_MouseDown(Qt::LeftButton, Qt::NoModifier, 3502.5f, 3502.5f);
    float x = 3502.5f;
    for (auto _ : state) {
        x = x > 4500 ? 3502.5f : x + plot::kTwipsPerPixel;
        win.w.lblBG_MouseMove(Qt::LeftButton, Qt::NoModifier, x, 3000);
        surface->repaint();
    }
    state.counters["goal_ms"] = 4;
}
BENCHMARK(BM_PanFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
