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
