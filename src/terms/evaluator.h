#pragma once

#include <span>
#include <string_view>

#include "terms/evaluator_code.h"

// The program's own term evaluator. A term is compiled once; a curve then runs the compiled
// term for its samples instead of evaluating substituted text 5001 times.
//
// Grammar, highest rank first, operators of equal rank from left to right:
//   ^ (2^3^2 is 64; a sign may follow it: 2^-2 is 0.25), unary - and +, * and /, + and -.
//   Operands: numbers (2, 2.5, .5, 2., 1E-05), bracketed terms, and the functions ABS SGN FIX
//   INT SQR SIN COS TAN ATN LOG EXP, each followed by its bracketed argument. Blanks (space, tab)
//   may stand between the pieces.
// Failures (Failure from base/failure.h):
//   5 argument outside a function's domain (SQR of a negative number, LOG of a number <= 0, a
//     negative base with an exponent that is not whole);
//   6 a number or a result that is not finite;  11 division by zero, 0/0, 0 to a negative power;
//   28 brackets nested deeper than 1000;  500 a name that is not a function (Y, X, PI, E);
//   1002 a syntax error.
// The text is read from left to right: the first fault of reading (1002, 500, 28, or 6 for a
// number too large) wins; otherwise the term is worked out from left to right, operands before
// their operator, so "1/0 + SQR(-1)" fails with 11.
namespace terms {

constexpr int kMaxNesting = 1000;

// Evaluates the text of a term that holds no variable (a "(X)" in it is an unknown name).
double evaluate(std::string_view text);

// The number that the substituted text "(" + numtext::formatForTerm(x) + ")" denotes: x rounded
// to 15 significant digits (a zero is +0).
double roundTo15Digits(double x);

// One sample of a term: its value, or the number of the failure that it met (the value is 0).
struct Sample {
    double value = 0;
    int failure = 0;
};

class Program {
  public:
    // Runs the term with every "(X)" bound to x as given (throws Failure).
    double run(double x) const;
    // A curve's sample: x rounded as its number text would be. Identical in value and failure
    // number to substituting the number text for "(X)" and evaluating the text.
    double sample(double x) const { return run(roundTo15Digits(x)); }

    // run(x) and sample(x) for many x at once: out[i] is what they give or throw for xs[i].
    // Much faster than one by one. out must be as long as xs.
    void runAll(std::span<const double> xs, std::span<Sample> out) const;
    void sampleAll(std::span<const double> xs, std::span<Sample> out) const;

    // The failure met while reading the term, or 0; run() throws it for every x.
    int readFailure() const { return failure_; }
    bool usesX() const { return xRead_; }

  private:
    friend Program compileTerm(std::string_view text, bool withX);
    Sample exactly(double x) const;
    void many(std::span<const double> xs, std::span<Sample> out, bool rounded) const;

    Code code_;
    int failure_ = 0;
    bool xRead_ = false;  // an "(X)" was read before any failure of reading
};

// Compiles a term in which "(X)" (exactly these three characters) is the variable. Never throws:
// a term that cannot be read gives a program that fails at every run with the same number as the
// substituted text would.
Program compile(std::string_view termWithX);

}  // namespace terms
