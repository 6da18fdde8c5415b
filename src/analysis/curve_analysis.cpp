#include "analysis/curve_analysis.h"

#include <optional>
#include <vector>

#include "analysis/coefficient_check.h"
#include "analysis/extreme_points.h"
#include "analysis/polynomial_ops.h"
#include "analysis/slot_roots.h"
#include "analysis/solvers.h"
#include "analysis/zerosearch.h"
#include "base/failure.h"
#include "base/numtext.h"

namespace analysis {
namespace {

// Failure 6 for a value that is not finite, y(x) among them.
std::string format4(double v) { return numtext::formatFixed(checkFinite(v), 4); }

// "min" where y'' is positive, "max" where it is negative, nothing where it is 0.
std::string kindOf(double ySecond) { return ySecond > 0 ? "min" : ySecond < 0 ? "max" : ""; }

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
        const TermResult r = BildeTerme(in_.coefficients, in_.p01x, shared().abl);
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
    // Failure 5 where the solver gives no slots (a leading 0).
    template <class Solve>
    CubicRoots::Slots kubGlei(Solve solve, double a, double b, double c, double d) {
        shared().pi = Pi;
        return solve(a, b, c, d).slots();
    }

    void degree4() {
        const SharedValues& v = shared();
        if (p01x_ != "#") {
            const auto z = kubGlei(KubGleiRoots, v.hg.a, v.hg.b, v.hg.c, v.hg.d);
            // The cubic's roots go below P01, into P02 .. P04.
            for (std::size_t i = 0; i < 3; ++i) zeroRow(kZeroRows[1 + i], z[i]);
        }
        const Abl1& y1 = v.abl.abl1;
        const auto e = kubGlei(KubGleiScaledRoots, y1.a, y1.b, y1.c, y1.d);
        std::vector<CriticalSlot> slots;
        for (const std::optional<Root>& root : e)
            slots.push_back({root ? root->text : "", root ? shownValue(*root) : 0});
        const std::vector<ExtremePoint> extremes = extremePoints(slots, v.abl);
        for (std::size_t i = 0; i < 3; ++i) {
            const Row& row = kExtremeRows[i];
            const bool shown = i < extremes.size();
            const CriticalSlot& slot = slots[shown ? extremes[i].slot : 0];
            write(row.x, shown ? slot.shown : "");
            write(row.y, shown ? format4(valueByPowers(v.koeff, slot.x)) : "");
        }
        for (std::size_t i = 0; i < extremes.size(); ++i) write(kKindLabels[i], extremes[i].kind);
        inflectionRows(QuadGleiRoots(v.abl.abl2.a, v.abl.abl2.b, v.abl.abl2.c).slots());
    }

    // The roots of y'' where it changes sign, from PW1 on; the other rows empty.
    void inflectionRows(const QuadraticRoots::Slots& slots) {
        std::array<std::string, 2> shown;
        for (std::size_t i = 0; i < 2; ++i)
            shown[i] = slots[i] ? format4(shownValue(*slots[i])) : "";
        const std::vector<std::size_t> rows = inflectionSlots(shown, shared().abl.abl2);
        for (std::size_t i = 0; i < 2; ++i)
            slotRow(kInflectionRows[i], i < rows.size() ? slots[rows[i]] : std::nullopt,
                    valueByPowers);
    }

    void degree3() {
        const SharedValues& v = shared();
        const Polynomial& k = v.koeff;
        const Abl2& y2 = v.abl.abl2;
        const auto z = kubGlei(KubGleiScaledRoots, k.b, k.c, k.d, k.e);
        for (std::size_t i = 0; i < 3; ++i) zeroRow(kZeroRows[i], z[i]);
        const auto e = QuadGleiRoots(v.abl.abl1.b, v.abl.abl1.c, v.abl.abl1.d).slots();
        std::vector<CriticalSlot> slots;
        for (const std::optional<Root>& root : e) {
            const double x = root ? shownValue(*root) : 0;
            slots.push_back({root ? format4(x) : "", x});
        }
        const std::vector<ExtremePoint> extremes = extremePoints(slots, v.abl);
        for (std::size_t i = 0; i < 2; ++i) {
            const Row& row = kExtremeRows[i];
            if (i >= extremes.size()) {
                write(row.x, "");
                write(row.y, "");
                continue;
            }
            pointRow(row, slots[extremes[i].slot].x, cubicValueByPowers);
            write(kKindLabels[i], extremes[i].kind);
        }
        pointRow(kInflectionRows[0], checkFinite(-y2.c / y2.b), cubicValueByPowers);
    }

    void degree2() {
        const SharedValues& v = shared();
        const Polynomial& k = v.koeff;
        const auto z = QuadGleiRoots(k.c, k.d, k.e).slots();
        for (std::size_t i = 0; i < 2; ++i) {
            const Row& row = kZeroRows[i];
            if (!z[i]) {
                write(row.x, "");
                write(row.y, "");
                continue;
            }
            write(row.x, format4(shownValue(*z[i])));
            write(row.y, "0");
        }
        const double x = checkFinite(-v.abl.abl1.d / v.abl.abl1.c);
        pointRow(kExtremeRows[0], x, cubicValueByPowers);
        write(kKindLabels[0], kindOf(checkFinite(v.abl.abl2.b * x + v.abl.abl2.c)));
    }

    void degree1() {
        const Polynomial& k = shared().koeff;
        write(Field::P01X, format4(checkFinite(-k.e / k.d)));
        write(Field::P01Y, "0");
    }

    // A zero's slot as it stands with Y "0", or an empty row for an empty slot.
    void zeroRow(const Row& row, const std::optional<Root>& slot) {
        write(row.x, slot ? slot->text : "");
        write(row.y, slot ? "0" : "");
    }

    // A point at x, X first: where y(x) fails, the row stands as far as written.
    void pointRow(const Row& row, double x, double (*y)(const Polynomial&, double)) {
        write(row.x, format4(x));
        write(row.y, format4(y(shared().koeff, x)));
    }

    // A solver's slot as a point, or an empty row for an empty slot; its x, if any.
    std::optional<double> slotRow(const Row& row, const std::optional<Root>& slot,
                                  double (*y)(const Polynomial&, double)) {
        if (!slot) {
            write(row.x, "");
            write(row.y, "");
            return std::nullopt;
        }
        const double x = shownValue(*slot);
        pointRow(row, x, y);
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
