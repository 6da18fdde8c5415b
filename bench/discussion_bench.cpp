// The exact Kurvendiskussion after a coefficient change: facts of one polynomial from its five
// texts. Prints the median and the maximum time per discussion over a corpus of exam-kind,
// random and 15-digit polynomials (goal: well under 5 ms), the same over extreme ones (300
// digits, 1E±300, 1E±1000, roots 10^-1000 apart; goal: a few hundred ms at most), and the facts
// of the classic x³ - 6x² + 9x.
#include <cstdio>

#include "discussion_corpus.h"
#include "exact/facts.h"

namespace {

using namespace discussion_corpus;

void facts(benchmark::State& state, const std::vector<Texts>& polynomials) {
    measure(
        state, polynomials, [](const Texts&) {},
        [](const Texts& t) { benchmark::DoNotOptimize(exact::factsOf(t)); });
}

void BM_Discussion(benchmark::State& state) { facts(state, corpus()); }
BENCHMARK(BM_Discussion)->Unit(benchmark::kMillisecond);

void BM_DiscussionExtreme(benchmark::State& state) { facts(state, extremeCorpus()); }
BENCHMARK(BM_DiscussionExtreme)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nfacts of y = x^3 - 6x^2 + 9x:\n%s\n",
                exact::factsOf({"", "1", "-6", "9", ""}).c_str());
    return 0;
}
