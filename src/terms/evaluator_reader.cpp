#include "terms/evaluator_reader.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/failure.h"
#include "terms/evaluator.h"
#include "terms/evaluator_functions.h"

namespace terms {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A function name of the table, in any case.
bool findFunction(std::string_view name, Op& op) {
    for (const TermFunction& f : kFunctions) {
        if (name.size() != f.name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size(); ++i) same = same && upper(name[i]) == f.name[i];
        if (same) {
            op = operationOf(f.function);
            return true;
        }
    }
    return false;
}

[[noreturn]] void fail(int number) { throw Failure(number); }

// Reads the number text [begin, end); a number too large to be finite is failure 6, one too
// small becomes the nearest double (zero or subnormal).
double readNumber(const char* begin, const char* end) {
    double value = 0;
    auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        value = std::strtod(std::string(begin, end).c_str(), nullptr);
    } else if (ec != std::errc() || ptr != end) {
        fail(failure::SyntaxError);
    }
    if (!std::isfinite(value)) fail(failure::Overflow);
    return value;
}

// Ranks on the operator stack. A sign right after ^ binds tighter than ^ (2^-3^2 is (2^-3)^2);
// anywhere else a sign ranks below ^ (-2^2 is -4).
constexpr int kRankAdd = 1;
constexpr int kRankMul = 2;
constexpr int kRankSign = 3;
constexpr int kRankPow = 4;
constexpr int kRankSignAfterPow = 5;

struct Pending {
    enum Kind { Operator, Bracket, Call } kind;
    Op op;  // the operator, or the function whose bracket this is
    int rank;
};

class Reader {
  public:
    Reader(std::string_view text, bool withX, CodeBuilder& out, bool& xRead)
        : t_(text), withX_(withX), out_(out), xRead_(xRead) {}

    void read() {
        const std::size_t n = t_.size();
        std::size_t i = 0;
        bool operand = true;    // an operand is expected next
        bool afterPow = false;  // the last operator read was ^ (signs may follow it)
        while (true) {
            while (i < n && isBlank(t_[i])) ++i;
            if (i == n) break;
            char c = t_[i];
            if (operand) {
                if (isDigit(c) || c == '.') {
                    std::size_t j = scanNumber(i);
                    out_.number(readNumber(t_.data() + i, t_.data() + j));
                    i = j;
                    operand = false;
                } else if (c == '(') {
                    if (variableAt(i)) {
                        readVariable();
                        i += 3;
                        operand = false;
                    } else {
                        openBracket(Pending::Bracket, Op::Neg);
                        ++i;
                        afterPow = false;
                    }
                } else if (c == '-' || c == '+') {
                    if (c == '-')
                        ops_.push_back(
                            {Pending::Operator, Op::Neg, afterPow ? kRankSignAfterPow : kRankSign});
                    ++i;
                } else if (isLetter(c)) {
                    std::size_t j = i;
                    while (j < n && (isLetter(t_[j]) || isDigit(t_[j]) || t_[j] == '_')) ++j;
                    Op function;
                    if (!findFunction(t_.substr(i, j - i), function)) fail(failure::UnknownName);
                    while (j < n && isBlank(t_[j])) ++j;
                    if (j == n || t_[j] != '(') fail(failure::SyntaxError);
                    if (variableAt(j)) {
                        readVariable();
                        out_.apply(function);
                        i = j + 3;
                        operand = false;
                    } else {
                        openBracket(Pending::Call, function);
                        i = j + 1;
                        afterPow = false;
                    }
                } else {
                    fail(failure::SyntaxError);
                }
            } else {
                int rank = 0;
                Op op = Op::Neg;  // for a closing bracket
                switch (c) {
                    case '+':
                        op = Op::Add, rank = kRankAdd;
                        break;
                    case '-':
                        op = Op::Sub, rank = kRankAdd;
                        break;
                    case '*':
                        op = Op::Mul, rank = kRankMul;
                        break;
                    case '/':
                        op = Op::Div, rank = kRankMul;
                        break;
                    case '^':
                        op = Op::Pow, rank = kRankPow;
                        break;
                    case ')':
                        break;
                    default:
                        fail(failure::SyntaxError);
                }
                ++i;
                if (rank == 0) {
                    closeBracket();
                } else {
                    popDownTo(rank);
                    ops_.push_back({Pending::Operator, op, rank});
                    operand = true;
                    afterPow = op == Op::Pow;
                }
            }
        }
        if (operand) fail(failure::SyntaxError);
        popDownTo(0);
        if (!ops_.empty()) fail(failure::SyntaxError);
    }

  private:
    void popDownTo(int rank) {
        while (!ops_.empty() && ops_.back().kind == Pending::Operator && ops_.back().rank >= rank) {
            out_.apply(ops_.back().op);
            ops_.pop_back();
        }
    }

    bool variableAt(std::size_t i) const { return withX_ && t_.compare(i, 3, "(X)") == 0; }

    // The variable, read like the bracketed number that will stand in its place.
    void readVariable() {
        if (depth_ + 1 > kMaxNesting) fail(failure::NestingTooDeep);
        xRead_ = true;
        out_.variable();
    }

    void openBracket(Pending::Kind kind, Op function) {
        if (++depth_ > kMaxNesting) fail(failure::NestingTooDeep);
        ops_.push_back({kind, function, 0});
    }

    void closeBracket() {
        popDownTo(0);
        if (ops_.empty()) fail(failure::SyntaxError);
        Pending open = ops_.back();
        ops_.pop_back();
        --depth_;
        if (open.kind == Pending::Call) out_.apply(open.op);
    }

    std::size_t scanNumber(std::size_t i) const {
        std::size_t n = t_.size();
        std::size_t j = i;
        bool digits = false;
        while (j < n && isDigit(t_[j])) ++j, digits = true;
        if (j < n && t_[j] == '.') {
            ++j;
            while (j < n && isDigit(t_[j])) ++j, digits = true;
        }
        if (!digits) fail(failure::SyntaxError);
        if (j < n && (t_[j] == 'E' || t_[j] == 'e')) {
            std::size_t k = j + 1;
            if (k < n && (t_[k] == '+' || t_[k] == '-')) ++k;
            if (k >= n || !isDigit(t_[k])) fail(failure::SyntaxError);
            while (k < n && isDigit(t_[k])) ++k;
            j = k;
        }
        return j;
    }

    std::string_view t_;
    bool withX_;
    CodeBuilder& out_;
    bool& xRead_;
    std::vector<Pending> ops_;
    int depth_ = 0;
};

}  // namespace

void readTerm(std::string_view text, bool withX, CodeBuilder& out, bool& xRead) {
    Reader(text, withX, out, xRead).read();
}

}  // namespace terms
