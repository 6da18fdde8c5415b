// The curve analysis: coefficient fields, BildeTerme, the run, the result panel.

#include <cmath>
#include <optional>
#include <utility>

#include "analysis/run.h"
#include "analysis/solvers.h"
#include "analysis/terms.h"
#include "analysis/zerosearch.h"
#include "app/frmFunktion.h"
#include "base/failure.h"
#include "base/numtext.h"

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QLineEdit* f) { return f->text().toStdString(); }

double checked(double v) {
    if (!std::isfinite(v)) throw Failure(failure::Overflow);
    return v;
}

std::string format4(double v) { return numtext::formatFixed(checked(v), 4); }

// The digits, the comma, "-" and "+"; a "." becomes a comma; a second comma is refused.
void numberKey(const QLineEdit* field, int& key) {
    if (key == 8 || key == 3 || key == 22) return;
    if (field->text().contains(',') && (key == '.' || key == ',')) {
        key = 0;
        return;
    }
    if (key == '.') key = ',';
    const bool ok = (key >= '0' && key <= '9') || key == ',' || key == '-' || key == '+';
    if (!ok) key = 0;
}

}  // namespace

double frmFunktion::yAt(double x) const {
    return checked(
        (((KoeffA * std::pow(x, 4) + KoeffB * std::pow(x, 3)) + KoeffC * std::pow(x, 2)) +
         KoeffD * x) +
        KoeffE);
}

double frmFunktion::y3At(double x) const {
    return checked(((KoeffB * std::pow(x, 3) + KoeffC * std::pow(x, 2)) + KoeffD * x) + KoeffE);
}

void frmFunktion::LoeschErgebnisse() {
    KoeffA = KoeffB = KoeffC = KoeffD = KoeffE = 0;
    HGA = HGB = HGC = HGD = 0;
    for (TextField* f :
         {txtP02X, txtP02Y, txtP03X, txtP03Y, txtP04X, txtP04Y, txtPE1X, txtPE1Y, txtPE2X, txtPE2Y,
          txtPE3X, txtPE3Y, txtPW1X, txtPW1Y, txtPW2X, txtPW2Y, txtPYX, txtPYY})
        f->setText("");
    for (Label* l : {lblMMPE1, lblMMPE2, lblMMPE3}) l->setText("");
}

void frmFunktion::LoeschFunktionen() {
    for (MemoField* f : {txtFKT1, txtFKT2, txtFKT3, txtFKT4, txtHilfsgleichung}) f->setText("");
}

void frmFunktion::ZeigErgebnisfelder() {
    EingabeOK = true;
    txtHilfsgleichung->setText("");
    const QString y = txtFKT1->text();
    bool show = true;
    for (QChar c : QStringLiteral("ABEFGLNORPITS"))
        if (y.contains(c, Qt::CaseSensitive)) show = false;
    for (int i = 0; i <= 33; ++i) lblP(i)->setVisible(show);
    for (TextField* f : resultFields()) f->setVisible(show);
    for (Label* l : {lblMMPE1, lblMMPE2, lblMMPE3}) l->setVisible(show);
    EingabeOK = show;
}

std::array<TextField*, 20> frmFunktion::resultFields() const {
    return {txtP01X, txtP01Y, txtP02X, txtP02Y, txtP03X, txtP03Y, txtP04X,
            txtP04Y, txtPE1X, txtPE1Y, txtPE2X, txtPE2Y, txtPE3X, txtPE3Y,
            txtPW1X, txtPW1Y, txtPW2X, txtPW2Y, txtPYX,  txtPYY};
}

void frmFunktion::BildeTerme() {
    LoeschErgebnisse();
    const std::string a = s(txtA), b = s(txtB), c = s(txtC), d = s(txtD), e = s(txtE);
    const std::string p01 = s(txtP01X);
    const analysis::TermResult r =
        analysis::BildeTerme({a, b, c, d, e}, p01,
                             {{Abl1A, Abl1B, Abl1C, Abl1D}, {Abl2A, Abl2B, Abl2C}, {Abl3A, Abl3B}});
    KoeffA = r.koeff.a;
    KoeffB = r.koeff.b;
    KoeffC = r.koeff.c;
    KoeffD = r.koeff.d;
    KoeffE = r.koeff.e;
    Abl1A = r.abl.abl1.a;
    Abl1B = r.abl.abl1.b;
    Abl1C = r.abl.abl1.c;
    Abl1D = r.abl.abl1.d;
    Abl2A = r.abl.abl2.a;
    Abl2B = r.abl.abl2.b;
    Abl2C = r.abl.abl2.c;
    Abl3A = r.abl.abl3.a;
    Abl3B = r.abl.abl3.b;
    HGA = r.hg.a;
    HGB = r.hg.b;
    HGC = r.hg.c;
    HGD = r.hg.d;
    // The terms reached, in their order; the first one missing ended the procedure.
    const std::pair<MemoField*, const std::optional<std::string>&> terms[] = {
        {txtFKT1, r.fkt1}, {txtFKT2, r.fkt2}, {txtFKT3, r.fkt3}, {txtFKT4, r.fkt4}};
    for (const auto& [field, term] : terms) {
        if (!term) return;
        field->setText(q(*term));
    }
    if (r.proposeZero) {
        dialogs.message(Dialogs::Icon::Info, "Polyskop", q(analysis::zeroProposalText()));
        btZ1_Click();
        return;
    }
    if (r.hilfsgleichung) txtHilfsgleichung->setText(q(*r.hilfsgleichung));
}

void frmFunktion::btStartKD_Click() {
    try {
        runAnalysis();
    } catch (const Failure&) {
        // The run ends silently; the fields keep what was written.
    }
}

void frmFunktion::runAnalysis() {
    txtFKT2->setText("");
    txtFKT3->setText("");
    txtFKT4->setText("");
    ZeigErgebnisfelder();
    if (!EingabeOK) return;
    LoeschErgebnisse();
    BildeTerme();
    const analysis::Polynomial poly{KoeffA, KoeffB, KoeffC, KoeffD, KoeffE};
    const analysis::ZeroReport zero =
        analysis::SuchNullstelle(poly, s(txtIX1), s(txtIX2), s(txtP01X));
    if (zero.written) {
        txtP01X->setText(q(zero.x));
        txtP01Y->setText(q(zero.y));
    }

    // A slot as it stands with Y "0", or an empty row.
    const auto zeroRow = [](TextField* x, TextField* y, const std::string& slot) {
        x->setText(q(slot));
        y->setText(slot.empty() ? "" : "0");
    };
    // A point at x, written x first: where y(x) fails, the row stands as far as written.
    const auto pointRow = [](TextField* fx, TextField* fy, double x, auto yOf) {
        fx->setText(q(format4(x)));
        fy->setText(q(format4(yOf(x))));
    };
    // A solver's slot as a point, or an empty row for an empty slot; its x, if any.
    const auto slotRow = [&](TextField* fx, TextField* fy, const std::string& slot,
                             auto yOf) -> std::optional<double> {
        if (slot.empty()) {
            fx->setText("");
            fy->setText("");
            return std::nullopt;
        }
        const double x = numtext::parse(slot);
        pointRow(fx, fy, x, yOf);
        return x;
    };
    const auto y = [this](double x) { return yAt(x); };
    const auto y3 = [this](double x) { return y3At(x); };
    const auto kind = [](Label* label, double t) {
        label->setText(t > 0 ? "min" : t < 0 ? "max" : "");
    };
    // The cubic solver sets the shared Pi each time it is entered, a leading 0 included.
    const auto kubGlei = [this](auto solve, double a, double b, double c, double d) {
        Pi = analysis::Pi;
        return analysis::splitThree(solve(a, b, c, d));
    };

    if (KoeffA != 0) {
        if (txtP01X->text() != "#") {
            const auto z = kubGlei(analysis::KubGlei, HGA, HGB, HGC, HGD);
            zeroRow(txtP02X, txtP02Y, z[0]);
            zeroRow(txtP03X, txtP03Y, z[1]);
            zeroRow(txtP04X, txtP04Y, z[2]);
        }
        const auto e = kubGlei(analysis::KubGleiScaled, Abl1A, Abl1B, Abl1C, Abl1D);
        TextField* ex[] = {txtPE1X, txtPE2X, txtPE3X};
        TextField* ey[] = {txtPE1Y, txtPE2Y, txtPE3Y};
        Label* el[] = {lblMMPE1, lblMMPE2, lblMMPE3};
        for (int i = 0; i < 3; ++i) {
            ex[i]->setText(q(e[i]));
            ey[i]->setText(e[i].empty() ? "" : q(format4(yAt(numtext::parse(e[i])))));
        }
        for (int i = 0; i < 3; ++i) {
            if (e[i].empty()) continue;
            const double x = numtext::parse(e[i]);
            kind(el[i], checked((Abl2A * std::pow(x, 2) + Abl2B * x) + Abl2C));
        }
        const auto w = analysis::splitTwo(analysis::QuadGlei(Abl2A, Abl2B, Abl2C));
        TextField* wx[] = {txtPW1X, txtPW2X};
        TextField* wy[] = {txtPW1Y, txtPW2Y};
        for (int i = 0; i < 2; ++i) slotRow(wx[i], wy[i], w[i], y);
    }
    ZeichneY();
    if (KoeffA == 0 && KoeffB != 0) {
        const auto z = kubGlei(analysis::KubGleiScaled, KoeffB, KoeffC, KoeffD, KoeffE);
        zeroRow(txtP01X, txtP01Y, z[0]);
        zeroRow(txtP02X, txtP02Y, z[1]);
        zeroRow(txtP03X, txtP03Y, z[2]);
        const auto e = analysis::splitTwo(analysis::QuadGlei(Abl1B, Abl1C, Abl1D));
        TextField* ex[] = {txtPE1X, txtPE2X};
        TextField* ey[] = {txtPE1Y, txtPE2Y};
        Label* el[] = {lblMMPE1, lblMMPE2};
        for (int i = 0; i < 2; ++i)
            if (const auto x = slotRow(ex[i], ey[i], e[i], y3))
                kind(el[i], checked(Abl2B * *x + Abl2C));
        pointRow(txtPW1X, txtPW1Y, checked(-Abl2C / Abl2B), y3);
    } else if (KoeffA == 0 && KoeffC != 0) {
        const auto z = analysis::splitTwo(analysis::QuadGlei(KoeffC, KoeffD, KoeffE));
        TextField* zx[] = {txtP01X, txtP02X};
        TextField* zy[] = {txtP01Y, txtP02Y};
        for (int i = 0; i < 2; ++i) {
            if (z[i].empty()) {
                zx[i]->setText("");
                zy[i]->setText("");
                continue;
            }
            zx[i]->setText(q(format4(numtext::parse(z[i]))));
            zy[i]->setText("0");
        }
        const double x = checked(-Abl1D / Abl1C);
        pointRow(txtPE1X, txtPE1Y, x, y3);
        kind(lblMMPE1, checked(Abl2B * x + Abl2C));
    } else if (KoeffA == 0 && KoeffB == 0 && KoeffD != 0) {
        txtP01X->setText(q(format4(checked(-KoeffE / KoeffD))));
        txtP01Y->setText("0");
    }
    txtPYX->setText("0");
    txtPYY->setText(q(numtext::format(KoeffE)));
}

void frmFunktion::coefficientChanged() {
    txtP01X->setText("");
    txtP01Y->setText("");
    LoeschErgebnisse();
    LoeschFunktionen();
}

void frmFunktion::btCKo_Click() {
    for (TextField* f : {txtA, txtB, txtC, txtD, txtE}) f->setText("");
}

void frmFunktion::btCKD_Click() {
    for (TextField* f : resultFields()) f->setText("");
    for (Label* l : {lblMMPE1, lblMMPE2, lblMMPE3}) l->setText("");
}

void frmFunktion::connectAnalysisHandlers() {
    TextField* koeff[] = {txtA, txtB, txtC, txtD, txtE};
    for (int i = 0; i < 5; ++i) {
        TextField* f = koeff[i];
        TextField* next = i < 4 ? koeff[i + 1] : nullptr;
        installKeyPressHandler(f, [f, next](int& key) {
            if (key == 13 && next) {
                next->setFocus();
                next->setText("");
                key = 0;
                return;
            }
            numberKey(f, key);
        });
        connect(f, &QLineEdit::textChanged, this, [this] { coefficientChanged(); });
    }
    connect(btCKo, &QPushButton::clicked, this, [this] { btCKo_Click(); });
    connect(btCKD, &QPushButton::clicked, this, [this] { btCKD_Click(); });
    connect(btStartKD, &QPushButton::clicked, this, [this] { btStartKD_Click(); });

    installKeyPressHandler(txtP01X, [this](int& key) {
        if (key == '#') {
            txtP01X->setText("#");
            txtP01Y->setText("");
            key = 0;
            return;
        }
        txtP01Y->setText("0");
        numberKey(txtP01X, key);
    });
    for (TextField* f : resultFields()) {
        if (f != txtP01X)
            installKeyPressHandler(f, [](int& key) {
                if (key != 8 && key != 3 && key != 22) key = 0;
            });
        connect(f, &TextField::doubleClicked, this,
                [this, f] { txtF->setText(f->objectName().mid(3) + " = " + f->text()); });
    }
}
