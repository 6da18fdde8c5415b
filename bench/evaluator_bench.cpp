// Nanoseconds per evaluation over the 5001 samples of the default domain (-10 to 10, step 0.004),
// for three curve terms:
//   compiled      the compiled term, x as it comes
//   compiled+r15  the compiled term with x rounded to 15 digits, as a curve samples it
//   text          the number text substituted for "(X)" and the text evaluated from scratch
//   native        the term written in C++
//   muparser      muParser with the term in its syntax
// All in one run, so that the ratios hold on a noisy machine.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <charconv>
#include <cmath>
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
BENCHMARK(Text)->DenseRange(0, 2);
BENCHMARK(Native<0>);
BENCHMARK(Native<1>);
BENCHMARK(Native<2>);
BENCHMARK(MuParser)->DenseRange(0, 2);
BENCHMARK(Rounding);
BENCHMARK(RoundingViaText);

BENCHMARK_MAIN();
