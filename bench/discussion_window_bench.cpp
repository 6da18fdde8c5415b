// The window of the Kurvendiskussion after a coefficient change, as a person sees it: the last
// field typed, the document built and laid out, the window painted. Prints the median and the
// maximum over the corpus of exam-kind, random and 15-digit polynomials (goal: 5 ms) and over the
// extreme ones.
#include <QApplication>
#include <QWidget>

#include "discussion_corpus.h"
#include "offscreen_window.h"

namespace {

using namespace discussion_corpus;

QWidget* discussionWindow() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmKurvendiskussion") return top;
    return nullptr;
}

void update(benchmark::State& state, const std::vector<Texts>& polynomials) {
    OffscreenWindow window;
    window.probe.chooseMenu("Ansicht/Kurvendiskussion …");
    QWidget* shown = discussionWindow();
    QLineEdit* fields[] = {window.field("txtA"), window.field("txtB"), window.field("txtC"),
                           window.field("txtD"), window.field("txtE")};
    measure(
        state, polynomials,
        [&](const Texts& t) {
            for (int i = 0; i < 4; ++i) fields[i]->setText(QString::fromStdString(t[i]));
            fields[4]->setText("");
        },
        [&](const Texts& t) {
            fields[4]->setText(t[4].empty() ? "0" : QString::fromStdString(t[4]));
            benchmark::DoNotOptimize(shown);
        });
}

void BM_WindowUpdate(benchmark::State& state) { update(state, corpus()); }
BENCHMARK(BM_WindowUpdate)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WindowUpdateExtreme(benchmark::State& state) { update(state, extremeCorpus()); }
BENCHMARK(BM_WindowUpdateExtreme)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return runOffscreenBenchmarks(argc, argv); }
