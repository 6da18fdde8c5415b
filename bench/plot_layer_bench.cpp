// Reading and moving the plot: the layer of axis numbers and marked points over the densest
// grid, a wheel zoom with the grid and four curves, and one frame of dragging the view. Each
// drives the real window offscreen after the analysis of x^4 - 5x^2 + 4, so the marks are there.
#include <QImage>
#include <QPainter>

#include "app/picture_painter.h"
#include "app/plot_widget.h"
#include "offscreen_window.h"

namespace {

// The layer made from the window's state and painted over the square, as each repaint does.
void BM_LayerOverDensestGrid(benchmark::State& state) {
    OffscreenWindow win;
    analyseManualExample(win);
    win.setSpacing("txtXA", "0,0001");
    win.setSpacing("txtYA", "0,0001");
    win.redrawGrid();
    win.button("btZ1")->click();
    QImage square(467, 467, QImage::Format_ARGB32_Premultiplied);
    std::size_t numbers = 0;
    for (auto _ : state) {
        const plot::Layer layer = win.probe.layer();
        QPainter p(&square);
        PicturePainter(p, 1, true).paintLayer(layer);
        numbers = layer.numbers.size() + layer.marks.size();
    }
    state.counters["grid_lines"] = win.probe.retained().lines();
    state.counters["texts"] = static_cast<double>(numbers);
    state.counters["goal_ms"] = 5;
}
BENCHMARK(BM_LayerOverDensestGrid)->Unit(benchmark::kMillisecond);

// A notch in around a point off the middle, or out again: the grid and four curves drawn anew
// and the layer repainted. The step back is not timed.
void wheelZoom(benchmark::State& state, int notches) {
    OffscreenWindow win;
    analyseManualExample(win);
    drawFourCurves(win);
    const QPoint offMiddle(267, 200);  // 4005 and 3000 twips
    if (notches < 0) wheelOnPlot(win, offMiddle, 1);
    for (auto _ : state) {
        wheelOnPlot(win, offMiddle, notches);
        QApplication::processEvents();
        state.PauseTiming();
        wheelOnPlot(win, offMiddle, -notches);
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
    analyseManualExample(win);
    drawFourCurves(win);
    auto* surface = win.w.findChild<PlotWidget*>("surface");
    const int middle = 233;  // the square's middle pixel
    mouseOnPlot(win, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier,
                {middle, middle});
    int x = middle;
    for (auto _ : state) {
        x = x > 300 ? middle : x + 1;
        mouseOnPlot(win, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, Qt::NoModifier, {x, 200});
        surface->repaint();
    }
    state.counters["goal_ms"] = 4;
}
BENCHMARK(BM_PanFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
