#include "analysis/curve_analysis.h"

#include <cmath>
#include <optional>
#include <vector>

#include "analysis/coefficient_check.h"
#include "analysis/extreme_points.h"
#include "analysis/slot_roots.h"
#include "analysis/slots.h"
#include "analysis/solvers.h"
#include "analysis/zerosearch.h"
#include "base/failure.h"
#include "base/numtext.h"

namespace analysis {
namespace {

std::string format4(double v) { return numtext::formatFixed(checkFinite(v), 4); }

// y(x) = (((A·x^4 + B·x^3) + C·x^2) + D·x) + E, left to right, powers by the power function.
double yAt(const Polynomial& k, double x) {
    return checkFinite(
        (((k.a * std::pow(x, 4) + k.b * std::pow(x, 3)) + k.c * std::pow(x, 2)) + k.d * x) + k.e);
}

// y without its A term, for degrees 3 and 2 where A is 0: the term 0·x^4 would turn a finite
// value into NaN (an overflow) once x^4 overflows, for |x| above about 1E+77.
double y3At(const Polynomial& k, double x) {
    return checkFinite(((k.b * std::pow(x, 3) + k.c * std::pow(x, 2)) + k.d * x) + k.e);
}

// "min" where y'' is positive, "max" where it is negative, nothing where it is 0.
std::string kindOf(double ySecond) { return ySecond > 0 ? "min" : ySecond < 0 ? "max" : ""; }

Field after(Field f, int n = 1) { return static_cast<Field>(static_cast<int>(f) + n); }
// The X field of row i counted from the row `first`; each Y field follows its X field.
Field rowX(Field first, int i) { return after(first, 2 * i); }
Field kindLabel(int i) { return after(Field::MMPE1, i); }

class Run {
  public:
    explicit Run(const RunInput& in) : in_(in), p01x_(in.p01x) { result_.shared = in.shared; }

    RunResult go() && {
        try {
            steps();
        } catch (const Failure& f) {
            result_.failure = f.number();
        }
        return std::move(result_);
    }

  private:
    void steps() {
        loeschErgebnisse();
        if (const auto verdict = checkCoefficients(in_.coefficients)) {
            add(verdict->stop ? RunStep::Kind::Refusal : RunStep::Kind::Message, Field::Fkt1,
                verdict->text);
            return;
        }
        if (!bildeTerme()) return;
        zeroSearch();
        const Polynomial& k = shared().koeff;
        if (k.a != 0) degree4();
        add(RunStep::Kind::DrawY);
        if (k.a == 0 && k.b != 0)
            degree3();
        else if (k.a == 0 && k.c != 0)
            degree2();
        else if (k.a == 0 && k.d != 0)
            degree1();
        write(Field::PYX, "0");
        write(Field::PYY, numtext::format(k.e));
    }

    void loeschErgebnisse() {
        shared().koeff = {};
        shared().hg = {};
        for (Field f : kClearedResults) write(f, "");
    }

    // False when a P01 that is no zero of y ends the run.
    bool bildeTerme() {
        loeschErgebnisse();
        const auto& c = in_.coefficients;
        const TermResult r = BildeTerme({c[0], c[1], c[2], c[3], c[4]}, in_.p01x, shared().abl);
        shared().koeff = r.koeff;
        shared().abl = r.abl;
        shared().hg = r.hg;
        // The terms reached, in their order; the first one missing ended BildeTerme.
        const std::pair<Field, const std::optional<std::string>&> terms[] = {{Field::Fkt1, r.fkt1},
                                                                             {Field::Fkt2, r.fkt2},
                                                                             {Field::Fkt3, r.fkt3},
                                                                             {Field::Fkt4, r.fkt4}};
        for (const auto& [field, term] : terms) {
            if (!term) return true;
            write(field, *term);
        }
        if (r.proposeZero) {
            add(RunStep::Kind::Message, Field::Fkt1, zeroProposalText());
            add(RunStep::Kind::PressZ1);
            return true;
        }
        if (r.p01 && r.p01->outcome == P01Check::Outcome::Reject) {
            add(RunStep::Kind::Refusal, Field::Fkt1, r.p01->message);
            return false;
        }
        if (r.p01 && r.p01->outcome == P01Check::Outcome::Replace) {
            write(Field::P01X, r.p01->text);
            write(Field::P01Y, "0");
            p01x_ = r.p01->text;
            add(RunStep::Kind::Message, Field::Fkt1, r.p01->message);
        }
        if (r.hilfsgleichung) write(Field::Hilfsgleichung, *r.hilfsgleichung);
        return true;
    }

    void zeroSearch() {
        const ZeroReport zero = SuchNullstelle(shared().koeff, in_.ix1, in_.ix2, in_.p01x);
        if (!zero.written) return;
        write(Field::P01X, zero.x);
        write(Field::P01Y, zero.y);
        p01x_ = zero.x;
    }

    // The cubic solver sets the shared Pi each time it is entered, a leading 0 included.
    template <class Solve>
    std::array<std::string, 3> kubGlei(Solve solve, double a, double b, double c, double d) {
        shared().pi = Pi;
        return splitThree(solve(a, b, c, d));
    }

    void degree4() {
        const SharedValues& v = shared();
        if (p01x_ != "#") {
            const auto z = kubGlei(KubGlei, v.hg.a, v.hg.b, v.hg.c, v.hg.d);
            for (int i = 0; i < 3; ++i) zeroRow(rowX(Field::P02X, i), z[i]);
        }
        const Abl1& y1 = v.abl.abl1;
        const auto e = kubGlei(KubGleiScaled, y1.a, y1.b, y1.c, y1.d);
        std::vector<CriticalSlot> slots;
        for (const std::string& slot : e)
            slots.push_back({slot, slot.empty() ? 0 : numtext::parse(slot)});
        const std::vector<ExtremePoint> extremes = extremePoints(slots, v.abl);
        for (std::size_t i = 0; i < 3; ++i) {
            const Field x = rowX(Field::PE1X, static_cast<int>(i));
            const bool shown = i < extremes.size();
            const CriticalSlot& slot = slots[shown ? extremes[i].slot : 0];
            write(x, shown ? slot.shown : "");
            write(after(x), shown ? format4(yAt(v.koeff, slot.x)) : "");
        }
        for (std::size_t i = 0; i < extremes.size(); ++i)
            write(kindLabel(static_cast<int>(i)), extremes[i].kind);
        inflectionRows(splitTwo(QuadGlei(v.abl.abl2.a, v.abl.abl2.b, v.abl.abl2.c)));
    }

    // The roots of y'' where it changes sign, from PW1 on; the other rows empty.
    void inflectionRows(const std::array<std::string, 2>& slots) {
        std::array<std::string, 2> shown;
        for (std::size_t i = 0; i < 2; ++i)
            shown[i] = slots[i].empty() ? "" : format4(numtext::parse(slots[i]));
        const std::vector<std::size_t> rows = inflectionSlots(shown, shared().abl.abl2);
        for (std::size_t i = 0; i < 2; ++i)
            slotRow(rowX(Field::PW1X, static_cast<int>(i)), i < rows.size() ? slots[rows[i]] : "",
                    yAt);
    }

    void degree3() {
        const SharedValues& v = shared();
        const Polynomial& k = v.koeff;
        const Abl2& y2 = v.abl.abl2;
        const auto z = kubGlei(KubGleiScaled, k.b, k.c, k.d, k.e);
        for (int i = 0; i < 3; ++i) zeroRow(rowX(Field::P01X, i), z[i]);
        const auto e = splitTwo(QuadGlei(v.abl.abl1.b, v.abl.abl1.c, v.abl.abl1.d));
        std::vector<CriticalSlot> slots;
        for (const std::string& slot : e) {
            const double x = slot.empty() ? 0 : numtext::parse(slot);
            slots.push_back({slot.empty() ? "" : format4(x), x});
        }
        const std::vector<ExtremePoint> extremes = extremePoints(slots, v.abl);
        for (std::size_t i = 0; i < 2; ++i) {
            const Field x = rowX(Field::PE1X, static_cast<int>(i));
            if (i >= extremes.size()) {
                write(x, "");
                write(after(x), "");
                continue;
            }
            pointRow(x, slots[extremes[i].slot].x, y3At);
            write(kindLabel(static_cast<int>(i)), extremes[i].kind);
        }
        pointRow(Field::PW1X, checkFinite(-y2.c / y2.b), y3At);
    }

    void degree2() {
        const SharedValues& v = shared();
        const Polynomial& k = v.koeff;
        const auto z = splitTwo(QuadGlei(k.c, k.d, k.e));
        for (int i = 0; i < 2; ++i) {
            if (z[i].empty()) {
                write(rowX(Field::P01X, i), "");
                write(after(rowX(Field::P01X, i)), "");
                continue;
            }
            write(rowX(Field::P01X, i), format4(numtext::parse(z[i])));
            write(after(rowX(Field::P01X, i)), "0");
        }
        const double x = checkFinite(-v.abl.abl1.d / v.abl.abl1.c);
        pointRow(Field::PE1X, x, y3At);
        write(Field::MMPE1, kindOf(checkFinite(v.abl.abl2.b * x + v.abl.abl2.c)));
    }

    void degree1() {
        const Polynomial& k = shared().koeff;
        write(Field::P01X, format4(checkFinite(-k.e / k.d)));
        write(Field::P01Y, "0");
    }

    // A zero's slot as it stands with Y "0", or an empty row for an empty slot.
    void zeroRow(Field x, const std::string& slot) {
        write(x, slot);
        write(after(x), slot.empty() ? "" : "0");
    }

    // A point at x, X first: where y(x) fails, the row stands as far as written.
    void pointRow(Field fx, double x, double (*y)(const Polynomial&, double)) {
        write(fx, format4(x));
        write(after(fx), format4(y(shared().koeff, x)));
    }

    // A solver's slot as a point, or an empty row for an empty slot; its x, if any.
    std::optional<double> slotRow(Field fx, const std::string& slot,
                                  double (*y)(const Polynomial&, double)) {
        if (slot.empty()) {
            write(fx, "");
            write(after(fx), "");
            return std::nullopt;
        }
        const double x = numtext::parse(slot);
        pointRow(fx, x, y);
        return x;
    }

    void write(Field f, std::string text) { add(RunStep::Kind::Write, f, std::move(text)); }
    void add(RunStep::Kind kind, Field f = Field::Fkt1, std::string text = {}) {
        result_.steps.push_back({kind, f, std::move(text)});
    }
    SharedValues& shared() { return result_.shared; }

    const RunInput& in_;
    std::string p01x_;  // txtP01X as the run has left it so far
    RunResult result_;
};

}  // namespace

RunResult runCurveAnalysis(const RunInput& in) { return Run(in).go(); }

}  // namespace analysis
