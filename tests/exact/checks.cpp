#include "checks.h"

#include <cstring>
#include <stdexcept>

namespace checks {

namespace {

// expr := term (('+'|'-') term)*; term := unary (('*'|'/') unary)*;
// unary := '-' unary | atom; atom := digits | 'sqrt(' expr ')' | '(' expr ')'
class Parser {
  public:
    explicit Parser(const std::string& s) : s_(s) {}
    Evaluated parse() {
        Evaluated e = expr();
        if (at_ != s_.size()) throw std::runtime_error("trailing text in " + s_);
        return e;
    }

  private:
    bool eat(const char* token) {
        const std::string t(token);
        if (s_.compare(at_, t.size(), t) != 0) return false;
        at_ += t.size();
        return true;
    }
    static Evaluated combine(const Evaluated& a, const Evaluated& b, char op) {
        Evaluated r;
        switch (op) {
            case '+':
                mpfr_add(r.real.get(), a.real.get(), b.real.get(), MPFR_RNDN);
                break;
            case '-':
                mpfr_sub(r.real.get(), a.real.get(), b.real.get(), MPFR_RNDN);
                break;
            case '*':
                mpfr_mul(r.real.get(), a.real.get(), b.real.get(), MPFR_RNDN);
                break;
            default:
                mpfr_div(r.real.get(), a.real.get(), b.real.get(), MPFR_RNDN);
        }
        if (a.rational && b.rational) {
            r.rational = op == '+'   ? *a.rational + *b.rational
                         : op == '-' ? *a.rational - *b.rational
                         : op == '*' ? *a.rational * *b.rational
                                     : *a.rational / *b.rational;
        }
        return r;
    }
    Evaluated expr() {
        Evaluated e = term();
        for (;;) {
            if (eat("+"))
                e = combine(e, term(), '+');
            else if (eat("-"))
                e = combine(e, term(), '-');
            else
                return e;
        }
    }
    Evaluated term() {
        Evaluated e = unary();
        for (;;) {
            if (eat("*"))
                e = combine(e, unary(), '*');
            else if (eat("/"))
                e = combine(e, unary(), '/');
            else
                return e;
        }
    }
    Evaluated unary() {
        if (eat("-")) {
            Evaluated e = unary();
            mpfr_neg(e.real.get(), e.real.get(), MPFR_RNDN);
            if (e.rational) e.rational = Q(0) - *e.rational;
            return e;
        }
        return atom();
    }
    Evaluated atom() {
        if (eat("sqrt(")) {
            const std::size_t start = at_;
            Evaluated inner = expr();
            if (!eat(")")) throw std::runtime_error("no ) in " + s_);
            // The innermost radicand is an integer, square-free and at least 2.
            if (s_.find("sqrt(", start) > at_) {
                if (!inner.rational || !inner.rational->isInteger() || *inner.rational < Q(2))
                    throw std::runtime_error("radicand not an integer >= 2 in " + s_);
                mpz_srcptr n = mpq_numref(inner.rational->get());
                for (unsigned long p = 2; p < 1000; ++p)
                    if (mpz_divisible_ui_p(n, p * p))
                        throw std::runtime_error("radicand with a square in " + s_);
            }
            Evaluated e;
            mpfr_sqrt(e.real.get(), inner.real.get(), MPFR_RNDN);
            return e;
        }
        if (eat("(")) {
            Evaluated e = expr();
            if (!eat(")")) throw std::runtime_error("no ) in " + s_);
            return e;
        }
        const std::size_t start = at_;
        while (at_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[at_]))) ++at_;
        if (start == at_) throw std::runtime_error("no number in " + s_);
        Evaluated e;
        e.rational = Q(s_.substr(start, at_ - start));
        mpfr_set_q(e.real.get(), e.rational->get(), MPFR_RNDN);
        return e;
    }
    const std::string& s_;
    std::size_t at_ = 0;
};

std::string fourDecimals(mpz_srcptr n) {
    const bool negative = mpz_sgn(n) < 0;
    char* text = mpz_get_str(nullptr, 10, n);
    std::string digits = text + (negative ? 1 : 0);
    void (*release)(void*, std::size_t);
    mp_get_memory_functions(nullptr, nullptr, &release);
    release(text, std::strlen(text) + 1);
    while (digits.size() < 5) digits = "0" + digits;
    return (negative ? "-" : "") + digits.substr(0, digits.size() - 4) + "," +
           digits.substr(digits.size() - 4);
}

}  // namespace

Evaluated evaluate(const std::string& exactText) { return Parser(exactText).parse(); }

Q readGerman(const std::string& text) {
    std::string t = text;
    while (!t.empty() && t.front() == ' ') t.erase(0, 1);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    if (t.empty()) return Q();
    bool negative = false;
    if (t[0] == '-' || t[0] == '+') {
        negative = t[0] == '-';
        t.erase(0, 1);
    }
    long exponent = 0;
    if (auto e = t.find_first_of("eE"); e != std::string::npos) {
        exponent = std::stol(t.substr(e + 1));
        t.resize(e);
    }
    std::string digits;
    long fraction = 0;
    bool afterComma = false;
    for (char c : t) {
        if (c == ',') {
            afterComma = true;
        } else if (c != '.') {
            digits += c;
            if (afterComma) ++fraction;
        }
    }
    Q q(digits.empty() ? "0" : digits), power;
    const long shift = exponent - fraction;
    mpz_ui_pow_ui(mpq_numref(power.get()), 10,
                  static_cast<unsigned long>(shift < 0 ? -shift : shift));
    q = shift < 0 ? q / power : q * power;
    return negative ? Q(0) - q : q;
}

std::string roundedExactly(const Q& q) {
    // floor(|q|·10^4 + 1/2) with the sign of q
    Q scaled = q * Q(10000);
    mpq_abs(scaled.get(), scaled.get());
    scaled = scaled + Q(1, 2);
    mpz_t n;
    mpz_init(n);
    mpz_fdiv_q(n, mpq_numref(scaled.get()), mpq_denref(scaled.get()));
    if (q.sign() < 0) mpz_neg(n, n);
    std::string s = fourDecimals(n);
    mpz_clear(n);
    return s;
}

std::string rounded(const Real& x) {
    Real scaled;
    mpfr_mul_ui(scaled.get(), x.get(), 10000, MPFR_RNDN);
    mpfr_round(scaled.get(), scaled.get());  // halves away from zero
    mpz_t n;
    mpz_init(n);
    mpfr_get_z(n, scaled.get(), MPFR_RNDN);
    std::string s = fourDecimals(n);
    mpz_clear(n);
    return s;
}

Q polyAt(const std::array<Q, 5>& c, const Q& x) {
    Q y;
    for (const auto& k : c) y = y * x + k;
    return y;
}

Real polyAt(const std::array<Q, 5>& c, const Real& x) {
    Real y, k;
    mpfr_set_zero(y.get(), 1);
    for (const auto& ck : c) {
        mpfr_mul(y.get(), y.get(), x.get(), MPFR_RNDN);
        mpfr_set_q(k.get(), ck.get(), MPFR_RNDN);
        mpfr_add(y.get(), y.get(), k.get(), MPFR_RNDN);
    }
    return y;
}

}  // namespace checks
