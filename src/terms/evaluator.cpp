#include "terms/evaluator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/failure.h"

namespace terms {

enum class Program::Op : std::uint8_t {
    Num,
    X,
    Neg,
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    // Fused forms, where an operand is a number (C, the value) or the variable (X); the letters
    // stand in the order of the operands.
    PowC,
    XPowC,
    AddC,
    SubC,
    MulC,
    DivC,
    CSub,
    CDiv,
    AddX,
    SubX,
    MulX,
    DivX,
    XSub,
    XDiv,
    Nop,  // only while compiling: an operand moved into its operator
    Abs,
    Sgn,
    Fix,
    Int,
    Sqr,
    Sin,
    Cos,
    Tan,
    Atn,
    Log,
    Exp,
    Open,  // only on the parser's operator stack: a bracket
};

Program compileTerm(std::string_view text, bool withX);

namespace {

using Op = Program::Op;
using Instr = Program::Instr;

struct Function {
    std::string_view name;
    Op op;
};
constexpr Function kFunctions[] = {{"ABS", Op::Abs}, {"SGN", Op::Sgn}, {"FIX", Op::Fix},
                                   {"INT", Op::Int}, {"SQR", Op::Sqr}, {"SIN", Op::Sin},
                                   {"COS", Op::Cos}, {"TAN", Op::Tan}, {"ATN", Op::Atn},
                                   {"LOG", Op::Log}, {"EXP", Op::Exp}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool findFunction(std::string_view name, Op& op) {
    if (name.size() != 3) return false;
    for (const Function& f : kFunctions) {
        if (upper(name[0]) == f.name[0] && upper(name[1]) == f.name[1] &&
            upper(name[2]) == f.name[2]) {
            op = f.op;
            return true;
        }
    }
    return false;
}

[[noreturn]] void fail(int number) { throw Failure(number); }

inline double finite(double r) {
    if (!std::isfinite(r)) fail(failure::Overflow);
    return r;
}

// Whole exponents 2, 3 and 4 are multiplied out. The square's rounding error, found exactly with
// fma, is carried into the cube and the fourth power, so that they are as close as pow's results.
[[gnu::always_inline]] inline double power(double a, double b) {
    if (b == 2) return finite(a * a);
    if (b == 3 || b == 4) {
        double a2 = a * a;
        double e2 = std::fma(a, a, -a2);
        double r = b == 3 ? std::fma(a2, a, e2 * a) : std::fma(a2, a2, 2 * a2 * e2);
        if (std::isfinite(r) && (r != 0 || a == 0)) return r;
        // Too close to the limits for the error terms; pow knows better.
    }
    if (a == 0) {
        if (b < 0) fail(failure::DivisionByZero);
        if (b == 0) return 1;
    }
    if (a < 0 && b != std::trunc(b)) fail(failure::InvalidArgument);
    return finite(std::pow(a, b));
}

inline double divide(double a, double b) {
    if (b == 0) fail(failure::DivisionByZero);
    return finite(a / b);
}

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
    return finite(value);
}

// Ranks on the operator stack. A sign right after ^ binds tighter than ^ (2^-3^2 is (2^-3)^2);
// anywhere else a sign ranks below ^ (-2^2 is -4).
constexpr int kRankAdd = 1;
constexpr int kRankMul = 2;
constexpr int kRankSign = 3;
constexpr int kRankPow = 4;
constexpr int kRankSignAfterPow = 5;

struct Pending {
    Op op;
    int rank;
    Op function;  // for Op::Open: the function whose bracket this is, or Op::Open
};

class Compiler {
  public:
    Compiler(std::string_view text, bool withX) : t_(text), withX_(withX) {}

    void run(std::vector<Instr>& code, std::size_t& maxStack, bool& xRead) {
        code_ = &code;
        try {
            parse();
        } catch (...) {
            maxStack = maxStack_;
            xRead = xRead_;
            throw;
        }
        maxStack = maxStack_;
        xRead = xRead_;
    }

  private:
    static bool isBinary(Op op) { return op >= Op::Add && op <= Op::Pow; }

    static Op withRight(Op op, bool constant) {
        switch (op) {
            case Op::Add:
                return constant ? Op::AddC : Op::AddX;
            case Op::Sub:
                return constant ? Op::SubC : Op::SubX;
            case Op::Mul:
                return constant ? Op::MulC : Op::MulX;
            case Op::Div:
                return constant ? Op::DivC : Op::DivX;
            default:
                return constant ? Op::PowC : op;
        }
    }

    static Op withLeft(Op op, bool constant) {
        switch (op) {
            case Op::Add:  // a + b and a * b are b + a and b * a to the last bit
                return constant ? Op::AddC : Op::AddX;
            case Op::Sub:
                return constant ? Op::CSub : Op::XSub;
            case Op::Mul:
                return constant ? Op::MulC : Op::MulX;
            case Op::Div:
                return constant ? Op::CDiv : Op::XDiv;
            default:
                return op;
        }
    }

    // Numbers and the variable cannot fail when they are pushed, so an operator may take them as
    // operands of its own without changing which failure comes first.
    void emit(Op op, double value = 0) {
        std::vector<Instr>& code = *code_;
        if (op == Op::Num || op == Op::X) {
            starts_.push_back(code.size());
            code.push_back({op, value});
            maxStack_ = std::max(maxStack_, starts_.size());
            return;
        }
        if (!isBinary(op)) {
            code.push_back({op, value});
            return;
        }
        std::size_t right = starts_.back();
        starts_.pop_back();
        std::size_t left = starts_.back();
        bool rightSingle = right + 1 == code.size();
        bool leftSingle = left + 1 == right;
        Op r = code[right].op;
        Op l = code[left].op;
        if (rightSingle && r == Op::Num) {
            code[right].op = withRight(op, true);
            if (code[right].op == Op::PowC && leftSingle && l == Op::X) {
                code[left] = {Op::XPowC, code[right].value};
                code.pop_back();
            }
        } else if (rightSingle && r == Op::X && withRight(op, false) != op) {
            code[right].op = withRight(op, false);
        } else if (leftSingle && (l == Op::Num || l == Op::X) && withLeft(op, l == Op::Num) != op) {
            code.push_back({withLeft(op, l == Op::Num), code[left].value});
            code[left].op = Op::Nop;
            nops_ = true;
        } else {
            code.push_back({op, value});
        }
    }

    void removeNops() {
        if (!nops_) return;
        std::erase_if(*code_, [](const Instr& in) { return in.op == Op::Nop; });
    }

    void popDownTo(int rank) {
        while (!ops_.empty() && ops_.back().op != Op::Open && ops_.back().rank >= rank) {
            emit(ops_.back().op);
            ops_.pop_back();
        }
    }

    bool variableAt(std::size_t i) const { return withX_ && t_.compare(i, 3, "(X)") == 0; }

    // The variable, read like the bracketed number that will stand in its place.
    void readVariable() {
        if (depth_ + 1 > kMaxNesting) fail(failure::NestingTooDeep);
        xRead_ = true;
        emit(Op::X);
    }

    void openBracket(Op function) {
        if (++depth_ > kMaxNesting) fail(failure::NestingTooDeep);
        ops_.push_back({Op::Open, 0, function});
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

    void parse() {
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
                    emit(Op::Num, readNumber(t_.data() + i, t_.data() + j));
                    i = j;
                    operand = false;
                } else if (c == '(') {
                    if (variableAt(i)) {
                        readVariable();
                        i += 3;
                        operand = false;
                    } else {
                        openBracket(Op::Open);
                        ++i;
                        afterPow = false;
                    }
                } else if (c == '-' || c == '+') {
                    if (c == '-')
                        ops_.push_back(
                            {Op::Neg, afterPow ? kRankSignAfterPow : kRankSign, Op::Open});
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
                        emit(function);
                        i = j + 3;
                        operand = false;
                    } else {
                        openBracket(function);
                        i = j + 1;
                        afterPow = false;
                    }
                } else {
                    fail(failure::SyntaxError);
                }
            } else {
                int rank = 0;
                Op op = Op::Open;
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
                if (op == Op::Open) {  // a closing bracket
                    popDownTo(0);
                    if (ops_.empty()) fail(failure::SyntaxError);
                    Op function = ops_.back().function;
                    ops_.pop_back();
                    --depth_;
                    if (function != Op::Open) emit(function);
                } else {
                    popDownTo(rank);
                    ops_.push_back({op, rank, Op::Open});
                    operand = true;
                    afterPow = op == Op::Pow;
                }
            }
        }
        if (operand) fail(failure::SyntaxError);
        popDownTo(0);
        if (!ops_.empty()) fail(failure::SyntaxError);
        removeNops();
    }

    std::string_view t_;
    bool withX_;
    std::vector<Instr>* code_ = nullptr;
    std::vector<Pending> ops_;
    std::vector<std::size_t> starts_;  // where the code of each value on the working stack begins
    bool nops_ = false;
    int depth_ = 0;
    std::size_t maxStack_ = 0;
    bool xRead_ = false;
};

[[gnu::always_inline]] inline double executeBody(const Instr* code, std::size_t size, double x,
                                                 double* s) {
    std::size_t sp = 0;  // s[sp - 1] is the top
    for (const Instr* in = code; in != code + size; ++in) {
        switch (in->op) {
            case Op::Num:
                s[sp++] = in->value;
                break;
            case Op::X:
                s[sp++] = x;
                break;
            case Op::Neg:
                s[sp - 1] = -s[sp - 1];
                break;
            case Op::Add:
                --sp, s[sp - 1] = finite(s[sp - 1] + s[sp]);
                break;
            case Op::Sub:
                --sp, s[sp - 1] = finite(s[sp - 1] - s[sp]);
                break;
            case Op::Mul:
                --sp, s[sp - 1] = finite(s[sp - 1] * s[sp]);
                break;
            case Op::Div:
                --sp, s[sp - 1] = divide(s[sp - 1], s[sp]);
                break;
            case Op::Pow:
                --sp, s[sp - 1] = power(s[sp - 1], s[sp]);
                break;
            case Op::PowC:
                s[sp - 1] =
                    in->value == 2 ? finite(s[sp - 1] * s[sp - 1]) : power(s[sp - 1], in->value);
                break;
            case Op::XPowC:
                s[sp++] = in->value == 2 ? finite(x * x) : power(x, in->value);
                break;
            case Op::AddC:
                s[sp - 1] = finite(s[sp - 1] + in->value);
                break;
            case Op::SubC:
                s[sp - 1] = finite(s[sp - 1] - in->value);
                break;
            case Op::MulC:
                s[sp - 1] = finite(s[sp - 1] * in->value);
                break;
            case Op::DivC:
                s[sp - 1] = divide(s[sp - 1], in->value);
                break;
            case Op::CSub:
                s[sp - 1] = finite(in->value - s[sp - 1]);
                break;
            case Op::CDiv:
                s[sp - 1] = divide(in->value, s[sp - 1]);
                break;
            case Op::AddX:
                s[sp - 1] = finite(s[sp - 1] + x);
                break;
            case Op::SubX:
                s[sp - 1] = finite(s[sp - 1] - x);
                break;
            case Op::MulX:
                s[sp - 1] = finite(s[sp - 1] * x);
                break;
            case Op::DivX:
                s[sp - 1] = divide(s[sp - 1], x);
                break;
            case Op::XSub:
                s[sp - 1] = finite(x - s[sp - 1]);
                break;
            case Op::XDiv:
                s[sp - 1] = divide(x, s[sp - 1]);
                break;
            case Op::Abs:
                s[sp - 1] = std::fabs(s[sp - 1]);
                break;
            case Op::Sqr:
                if (s[sp - 1] < 0) fail(failure::InvalidArgument);
                s[sp - 1] = std::sqrt(s[sp - 1]);
                break;
            case Op::Sin:
                s[sp - 1] = std::sin(s[sp - 1]);
                break;
            case Op::Exp:
                s[sp - 1] = finite(std::exp(s[sp - 1]));
                break;
            case Op::Log:
                if (s[sp - 1] <= 0) fail(failure::InvalidArgument);
                s[sp - 1] = std::log(s[sp - 1]);
                break;
            case Op::Sgn:
                s[sp - 1] = s[sp - 1] > 0 ? 1.0 : (s[sp - 1] < 0 ? -1.0 : 0.0);
                break;
            case Op::Fix:
                s[sp - 1] = std::trunc(s[sp - 1]);
                break;
            case Op::Int:
                s[sp - 1] = std::floor(s[sp - 1]);
                break;
            case Op::Cos:
                s[sp - 1] = std::cos(s[sp - 1]);
                break;
            case Op::Tan:
                s[sp - 1] = finite(std::tan(s[sp - 1]));
                break;
            case Op::Atn:
                s[sp - 1] = std::atan(s[sp - 1]);
                break;
            case Op::Open:
            case Op::Nop:
                break;
        }
    }
    return s[0];
}

// The powers use fma, a slow library call where the processor has no instruction for it. The
// program runs with the instruction where there is one; fma is exactly rounded, so both give
// the same bits.
#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target("fma")]] double executeWithFma(const Instr* code, std::size_t size, double x,
                                             double* s) {
    return executeBody(code, size, x, s);
}
#endif

double execute(const Instr* code, std::size_t size, double x, double* s) {
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool hasFma = __builtin_cpu_supports("fma");
    if (hasFma) return executeWithFma(code, size, x, s);
#endif
    return executeBody(code, size, x, s);
}

}  // namespace

Program compileTerm(std::string_view text, bool withX) {
    Program p;
    try {
        Compiler(text, withX).run(p.code_, p.maxStack_, p.xRead_);
    } catch (const Failure& f) {
        p.failure_ = f.number();
        p.code_.clear();
        p.code_.shrink_to_fit();
    }
    return p;
}

Program compile(std::string_view termWithX) { return compileTerm(termWithX, true); }

double evaluate(std::string_view text) { return compileTerm(text, false).run(0); }

double Program::run(double x) const {
    if (xRead_ && !std::isfinite(x)) throw Failure(failure::Overflow);
    if (failure_ != 0) throw Failure(failure_);
    constexpr std::size_t kSmall = 32;
    if (maxStack_ <= kSmall) {
        double s[kSmall];
        return execute(code_.data(), code_.size(), x, s);
    }
    std::vector<double> s(maxStack_);
    return execute(code_.data(), code_.size(), x, s.data());
}

namespace {

// Powers of ten that are exact in double precision.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double roundViaText(double x) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 15);
    double value = 0;
    auto [ptr, ec] = std::from_chars(buf, res.ptr, value, std::chars_format::general);
    if (ec != std::errc()) value = std::strtod(std::string(buf, res.ptr).c_str(), nullptr);
    return value;
}

}  // namespace

// With |x| scaled by an exact power of ten into [1e14, 1e15], the 15 digits are the nearest whole
// number to the exact product (halves to even). The product's rounding error, found exactly with
// fma, settles the case where the rounded product is a half; dividing the whole number by the
// exact power gives the correctly rounded double, just as reading the digits back would.
double roundTo15Digits(double x) {
    if (x == 0) return 0.0;
    if (!std::isfinite(x)) return x;
    double a = std::fabs(x);
    std::uint64_t bits;
    std::memcpy(&bits, &a, sizeof bits);
    int e2 = static_cast<int>(bits >> 52) - 1023;  // subnormals go the long way below
    int k = 14 - ((e2 * 78913) >> 18);             // 14 - floor(e2 * log10(2)), maybe one too small
    if (k < -21 || k > 21) return roundViaText(x);
    auto scaled = [a](int k, double& err) {
        if (k >= 0) {
            double y = a * kPow10[k];
            err = std::fma(a, kPow10[k], -y);
            return y;
        }
        double y = a / kPow10[-k];
        err = std::fma(-y, kPow10[-k], a);  // the remainder: its sign is that of the error
        return y;
    };
    double err = 0;
    double y = scaled(k, err);
    if (y < 1e14) y = scaled(++k, err);
    if (y >= 1e15) y = scaled(--k, err);
    // y < 2^52: adding and taking away 2^52 rounds to a whole number, halves to even.
    constexpr double kTwo52 = 4503599627370496.0;
    double r = (y + kTwo52) - kTwo52;
    double diff = y - r;
    if (diff == 0.5 && err > 0) r += 1;
    if (diff == -0.5 && err < 0) r -= 1;
    double result = k >= 0 ? r / kPow10[k] : r * kPow10[-k];
    return x < 0 ? -result : result;
}

}  // namespace terms
