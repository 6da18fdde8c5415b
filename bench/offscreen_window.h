#pragma once

// The real main window, shown offscreen with its first drawing done, its dialogs answered
// silently: what the benchmarks drive.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QApplication>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/frmFunktion.h"

class SilentDialogs : public Dialogs {
  public:
    void message(Icon, const QString&, const QString&) override {}
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

struct OffscreenWindow {
    SilentDialogs dialogs;
    frmFunktion w{dialogs};
    OffscreenWindow() {
        w.show();
        w.Timer1_Timer();
        QApplication::processEvents();
    }
};

// The analysis of x^4 - 5x^2 + 4 with the zero 1 given: every result row filled, the points marked.
inline void analyseManualExample(frmFunktion& w) {
    w.txtA->setText("1");
    w.txtC->setText("-5");
    w.txtE->setText("4");
    w.txtP01X->setText("1");
    w.btStartKD->click();
}

// x^4 - 5x^2 + 4 and its three derivatives drawn over the grid.
inline void drawFourCurves(frmFunktion& w) {
    w.txtFKT1->setText("(X)^4-5*(X)^2+4");
    w.txtFKT2->setText("4*(X)^3-10*(X)");
    w.txtFKT3->setText("12*(X)^2-10");
    w.txtFKT4->setText("24*(X)");
    for (QPushButton* b : {w.btZ1, w.btZ2, w.btZ3, w.btZ4}) b->click();
    QApplication::processEvents();
}

// The program's peak resident memory so far, in MB.
inline double peakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// main() of a benchmark program that drives the window.
inline int runOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
