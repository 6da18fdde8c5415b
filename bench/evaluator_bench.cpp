// Nanoseconds per evaluation over the 5001 samples of the default domain (-10 to 10, step 0.004),
// for three curve terms:
//   compiled      the compiled term, x as it comes
//   compiled+r15  the compiled term with x rounded to 15 digits, as a curve samples it
//   ...All        the same for all samples at once, as a curve draws them
//   text          the number text substituted for "(X)" and the text evaluated from scratch
//   native        the term written in C++
//   muparser      muParser with the term in its syntax
// All in one run, so that the ratios hold on a noisy machine; they are printed at the end, each
// beside its goal.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "base/failure.h"
#include "base/numtext.h"
#include "terms/evaluator.h"
#include "terms/normterm.h"

namespace {

struct Term {
    const char* text;
    const char* muparser;
    double (*native)(double);
};

constexpr Term kTerms[] = {
    {"1*(X)^4-5*(X)^2+4", "1*x^4-5*x^2+4",
     [](double x) { return 1 * std::pow(x, 4) - 5 * x * x + 4; }},
    {"SIN((X))*EXP(-(X)^2)", "sin(x)*exp(-x^2)",
     [](double x) { return std::sin(x) * std::exp(-x * x); }},
    {"SQR(ABS((X)))+LOG(2+(X)^2)/3", "sqrt(abs(x))+ln(2+x^2)/3",
     [](double x) { return std::sqrt(std::fabs(x)) + std::log(2 + x * x) / 3; }},
};

const std::vector<double>& samples() {
    static const std::vector<double> xs = [] {
        std::vector<double> v;
        for (double x = -10; x <= 10; x += 0.004) v.push_back(x);
        return v;
    }();
    return xs;
}

void finish(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(samples().size()));
    state.counters["ns/eval"] =
        benchmark::Counter(static_cast<double>(state.iterations() * samples().size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Compiled(benchmark::State& state) {
    terms::Program p = terms::compile(kTerms[state.range(0)].text);
    for (auto _ : state)
        for (double x : samples()) benchmark::DoNotOptimize(p.run(x));
    finish(state);
}

void CompiledRounded(benchmark::State& state) {
    terms::Program p = terms::compile(kTerms[state.range(0)].text);
    for (auto _ : state)
        for (double x : samples()) benchmark::DoNotOptimize(p.sample(x));
    finish(state);
}

// All samples at once, as a curve samples them.
void CompiledAll(benchmark::State& state) {
    terms::Program p = terms::compile(kTerms[state.range(0)].text);
    std::vector<terms::Sample> out(samples().size());
    for (auto _ : state) {
        p.runAll(samples(), out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    finish(state);
}

void CompiledAllRounded(benchmark::State& state) {
    terms::Program p = terms::compile(kTerms[state.range(0)].text);
    std::vector<terms::Sample> out(samples().size());
    for (auto _ : state) {
        p.sampleAll(samples(), out);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    finish(state);
}

void Text(benchmark::State& state) {
    const std::string term = kTerms[state.range(0)].text;
    for (auto _ : state)
        for (double x : samples()) {
            std::string text =
                terms::replaceAll(term, "(X)", "(" + numtext::formatForTerm(x) + ")");
            benchmark::DoNotOptimize(terms::evaluate(text));
        }
    finish(state);
}

template <int I>
void Native(benchmark::State& state) {
    constexpr auto f = kTerms[I].native;
    for (auto _ : state)
        for (double x : samples()) {
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(f(x));
        }
    finish(state);
}

void MuParser(benchmark::State& state) {
    mu::Parser parser;
    double var = 0;
    parser.DefineVar("x", &var);
    parser.SetExpr(kTerms[state.range(0)].muparser);
    parser.Eval();
    for (auto _ : state)
        for (double x : samples()) {
            var = x;
            benchmark::DoNotOptimize(parser.Eval());
        }
    finish(state);
}

void Rounding(benchmark::State& state) {
    for (auto _ : state)
        for (double x : samples()) benchmark::DoNotOptimize(terms::roundTo15Digits(x));
    finish(state);
}

// The same rounding through the number text, for comparison.
void RoundingViaText(benchmark::State& state) {
    for (auto _ : state)
        for (double x : samples()) {
            char buf[32];
            auto end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15).ptr;
            double y = 0;
            std::from_chars(buf, end, y);
            benchmark::DoNotOptimize(y);
        }
    finish(state);
}

}  // namespace

BENCHMARK(Compiled)->DenseRange(0, 2);
BENCHMARK(CompiledRounded)->DenseRange(0, 2);
BENCHMARK(CompiledAll)->DenseRange(0, 2);
BENCHMARK(CompiledAllRounded)->DenseRange(0, 2);
BENCHMARK(Text)->DenseRange(0, 2);
BENCHMARK(Native<0>);
BENCHMARK(Native<1>);
BENCHMARK(Native<2>);
BENCHMARK(MuParser)->DenseRange(0, 2);
BENCHMARK(Rounding);
BENCHMARK(RoundingViaText);

namespace {

// Keeps the nanoseconds per evaluation of every run, for the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (auto it = run.counters.find("ns/eval"); it != run.counters.end())
                ns_[run.benchmark_name()] = it->second * 1e9;  // the counter is in seconds
        ConsoleReporter::ReportRuns(runs);
    }

    // The goals: the compiled term (all samples at once, as a curve samples them) against
    // muParser, and what the 15-digit rounding of x adds to it.
    void printRatios() const {
        constexpr double goals[] = {0.35, 0.7, 0.38};
        constexpr double roundingGoal = 3;
        std::printf("\n%-30s %10s %10s %8s %6s %14s %6s\n", "term", "compiled", "muParser", "ratio",
                    "goal", "+rounding ns", "goal");
        for (int i = 0; i < 3; ++i) {
            const std::string n = "/" + std::to_string(i);
            const double compiled = at("CompiledAll" + n), muparser = at("MuParser" + n);
            const double rounding = at("CompiledAllRounded" + n) - compiled;
            const double ratio = compiled / muparser;
            std::printf("%-30s %10.2f %10.2f %8.2f %6s %14.2f %6s\n", kTerms[i].text, compiled,
                        muparser, ratio, ratio <= goals[i] ? "holds" : "MISSED", rounding,
                        rounding <= roundingGoal ? "holds" : "MISSED");
        }
    }

  private:
    double at(const std::string& name) const {
        const auto it = ns_.find(name);
        return it == ns_.end() ? 0 : it->second;
    }
    std::map<std::string, double> ns_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
