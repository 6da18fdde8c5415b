// Getting the picture out: saving it with the grid and four curves as PNG and SVG, the densest
// grid as SVG (time and size), and the value table of 5,001 rows and five terms. Each drives the
// real window offscreen; files go to a temporary folder.
#include <QBuffer>
#include <QTemporaryDir>

#include "app/picture_files.h"
#include "offscreen_window.h"
#include "plot/value_table.h"

namespace {

void savePicture(benchmark::State& state, picture::Format format) {
    OffscreenWindow win;
    drawFourCurves(win);
    QTemporaryDir dir;
    for (auto _ : state) {
        QFile file(dir.filePath("bild"));
        file.open(QIODevice::WriteOnly);
        const plot::Layer layer = win.probe.layer();
        picture::write(file, format, {win.probe.retained().primitives(), 0xE0E0E0, layer});
    }
}

void BM_SavePng(benchmark::State& state) { savePicture(state, picture::Format::Png); }
BENCHMARK(BM_SavePng)->Unit(benchmark::kMillisecond);

void BM_PaintPngImage(benchmark::State& state) {
    OffscreenWindow win;
    drawFourCurves(win);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            picture::image({win.probe.retained().primitives(), 0xE0E0E0, {}}, 4));
}
BENCHMARK(BM_PaintPngImage)->Unit(benchmark::kMillisecond);

void BM_SaveSvg(benchmark::State& state) { savePicture(state, picture::Format::Svg); }
BENCHMARK(BM_SaveSvg)->Unit(benchmark::kMillisecond);

void BM_SaveDensestGridSvg(benchmark::State& state) {
    OffscreenWindow win;
    win.setSpacing("txtXA", "0,0001");
    win.setSpacing("txtYA", "0,0001");
    win.redrawGrid();
    qint64 size = 0;
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const plot::Layer layer = win.probe.layer();
        picture::write(out, picture::Format::Svg,
                       {win.probe.retained().primitives(), 0xE0E0E0, layer});
        size = out.size();
    }
    state.counters["lines"] = win.probe.retained().lines();
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}
BENCHMARK(BM_SaveDensestGridSvg)->Unit(benchmark::kMillisecond);

void BM_ValueTable5001By5(benchmark::State& state) {
    const std::vector<plot::TermColumn> columns = {{"y", "(X)^4-5*(X)^2+4", false},
                                                   {"y'", "4*(X)^3-10*(X)", true},
                                                   {"y''", "12*(X)^2-10", true},
                                                   {"y'''", "24*(X)", true},
                                                   {"HG", "(X)^3+(X)^2-4*(X)-4", true}};
    for (auto _ : state) benchmark::DoNotOptimize(plot::valueTable("-10", "10", "0,004", columns));
}
BENCHMARK(BM_ValueTable5001By5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
