// The five curves y, y', y'', y''', HG and their draw buttons.

#include "app/frmFunktion.h"
#include "plot/curves.h"

namespace {

void zeichne(frmFunktion& w, const MemoField* field, const Label* swatch, plot::CurveKind kind,
             const QString& name) {
    const plot::Curve curve{termOf(field), kind, frmFunktion::backColour(swatch),
                            textOf(w.cbStrich)};
    const int failure = plot::drawCurve(w.surface(), w.ranges(), curve, w.NullpunktY);
    if (failure == 0) return;
    w.setHourglass(false);
    w.dialogs.message(Dialogs::Icon::Stop, "Polyskop",
                      "Fehler in der " + name + "\r\n" + QString::number(failure));
}

void withHourglass(frmFunktion& w, void (frmFunktion::*draw)()) {
    w.setHourglass(true);
    (w.*draw)();
    w.setHourglass(false);
}

}  // namespace

void frmFunktion::connectCurveHandlers() {
    connect(btZ1, &QPushButton::clicked, this, [this] { btZ1_Click(); });
    connect(btZ2, &QPushButton::clicked, this, [this] { btZ2_Click(); });
    connect(btZ3, &QPushButton::clicked, this, [this] { btZ3_Click(); });
    connect(btZ4, &QPushButton::clicked, this, [this] { btZ4_Click(); });
    connect(btZHG, &QPushButton::clicked, this, [this] { btZHG_Click(); });
}

void frmFunktion::ZeichneY() {
    zeichne(*this, txtFKT1, lblF1,
            obStrich->isChecked() ? plot::CurveKind::Lines : plot::CurveKind::Points,
            "1. Funktion");
}

void frmFunktion::ZeichneY1() {
    zeichne(*this, txtFKT2, lblF2, plot::CurveKind::Single, "2. Funktion");
}

void frmFunktion::ZeichneY2() {
    zeichne(*this, txtFKT3, lblF3, plot::CurveKind::Single, "3. Funktion");
}

void frmFunktion::ZeichneY3() {
    zeichne(*this, txtFKT4, lblF4, plot::CurveKind::Single, "4. Funktion");
}

void frmFunktion::ZeichneHG() {
    zeichne(*this, txtHilfsgleichung, lblF5, plot::CurveKind::Single, "Funktion HG");
}

void frmFunktion::btZ1_Click() { withHourglass(*this, &frmFunktion::ZeichneY); }
void frmFunktion::btZ2_Click() { withHourglass(*this, &frmFunktion::ZeichneY1); }
void frmFunktion::btZ3_Click() { withHourglass(*this, &frmFunktion::ZeichneY2); }
void frmFunktion::btZ4_Click() { withHourglass(*this, &frmFunktion::ZeichneY3); }
void frmFunktion::btZHG_Click() { withHourglass(*this, &frmFunktion::ZeichneHG); }
