#pragma once

#include <cmath>
#include <exception>

// A run-time failure with the number the user may see in a message ("Fehler in der 1. Funktion"
// followed by the number). Pure code throws it; the window's handlers catch it at their boundary.
namespace failure {
constexpr int InvalidArgument = 5;
constexpr int Overflow = 6;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int NestingTooDeep = 28;
constexpr int UnknownName = 500;
constexpr int SyntaxError = 1002;
}  // namespace failure

class Failure : public std::exception {
  public:
    explicit Failure(int number) : number_(number) {}
    int number() const noexcept { return number_; }
    const char* what() const noexcept override { return "Polyskop run-time failure"; }

  private:
    int number_;
};

// An infinite or NaN intermediate is the old platform's overflow (a NaN only arises from infinite
// operands: inf - inf, 0 * inf).
inline double checkFinite(double value) {
    if (!std::isfinite(value)) throw Failure(failure::Overflow);
    return value;
}
