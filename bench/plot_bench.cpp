// What a person feels when drawing: one press of "Z" for y in line mode, a zoom with four
// curves and the grid, the densest grid. Each drives the real window offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "app/dialogs.h"
#include "app/frmFunktion.h"

namespace {

class SilentDialogs : public Dialogs {
  public:
    void message(Icon, const QString&, const QString&) override {}
    std::optional<Colour> chooseColour() override { return std::nullopt; }
};

struct Window {
    SilentDialogs dialogs;
    frmFunktion w{dialogs};
    Window() {
        w.show();
        w.Timer1_Timer();
        QApplication::processEvents();
    }
};

void BM_PressZ1LineMode(benchmark::State& state) {
    Window win;
    win.w.obStrich->setChecked(true);
    win.w.txtFKT1->setText("(X)^4-5*(X)^2+4");
    for (auto _ : state) {
        win.w.btZ1_Click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PressZ1LineMode)->Unit(benchmark::kMillisecond);

void BM_ZoomWithGridAndFourCurves(benchmark::State& state) {
    Window win;
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
    Window win;
    win.w.setSpacingText(win.w.txtXA, "0,0001");
    win.w.setSpacingText(win.w.txtYA, "0,0001");
    for (auto _ : state) {
        win.w.HilfslinienAus();
        win.w.ZeichneHilfslinien();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_DensestGrid)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
