// The window's own share of the start-up, offscreen and side by side with its yardstick: the main
// window built, shown and painted once, against an empty QWidget of the same size, and the
// building alone. What only the first start of a process pays (libraries, plugins, the font
// database) is measured by startup/startup_timer on a display.
#include <QWidget>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "offscreen_window.h"
#include "resident_memory.h"

namespace {

constexpr QSize kWindowSize(982, 569);  // the main window's, with its menu bar

template <class Build>
void shownAndPainted(benchmark::State& state, Build build) {
    for (auto _ : state) {
        auto window = build();
        window->show();
        window->repaint();
        QApplication::processEvents();
    }
    // What one window holds, counted once outside the timing.
    const double before = residentMB();
    auto kept = build();
    kept->show();
    kept->repaint();
    QApplication::processEvents();
    state.counters["window_MB"] = residentMB() - before;
}

void BM_EmptyWindow(benchmark::State& state) {
    shownAndPainted(state, [] {
        auto w = std::make_unique<QWidget>();
        w->setFixedSize(kWindowSize);
        return w;
    });
}
BENCHMARK(BM_EmptyWindow)->Unit(benchmark::kMillisecond);

void BM_MainWindow(benchmark::State& state) {
    static SilentDialogs dialogs;
    shownAndPainted(state, [] { return std::make_unique<frmFunktion>(dialogs); });
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMillisecond);

// Where its time goes: the controls built, without showing them.
void BM_MainWindowBuiltOnly(benchmark::State& state) {
    static SilentDialogs dialogs;
    for (auto _ : state) frmFunktion window(dialogs);
}
BENCHMARK(BM_MainWindowBuiltOnly)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) ms_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    // The goal of 1.3 holds for the whole start of the process (startup_timer); here the ratio
    // shows what the window's controls add to a bare window each time one is built.
    void printRatio() const {
        if (!ms_.count("BM_MainWindow") || !ms_.count("BM_EmptyWindow")) return;
        const double main = ms_.at("BM_MainWindow"), empty = ms_.at("BM_EmptyWindow");
        std::printf("\nmain window / empty window, built, shown and painted: %.1f (%.2f ms more)\n",
                    main / empty, main - empty);
    }

  private:
    std::map<std::string, double> ms_;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio();
    benchmark::Shutdown();
    return 0;
}
