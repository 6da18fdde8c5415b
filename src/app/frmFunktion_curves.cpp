// The five curves y, y', y'', y''', HG and their draw buttons.

#include "app/frmFunktion.h"
#include "plot/curves.h"

namespace {

std::string text(const QWidget* control) { return fieldText(control).toStdString(); }

void zeichne(frmFunktion& w, const MemoField* field, const Label* swatch, plot::CurveKind kind,
             const QString& name) {
    const plot::Ranges ranges{text(w.txtIX1), text(w.txtIX2), text(w.txtIY1), text(w.txtIY2)};
    const plot::Curve curve{field->text().toUpper().toStdString(), kind,
                            frmFunktion::backColour(swatch), text(w.cbStrich)};
    const int failure = plot::drawCurve(w.surface(), ranges, curve, w.NullpunktY);
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
