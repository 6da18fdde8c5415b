// The five curves y, y', y'', y''', HG and their draw buttons.

#include "app/frmFunktion.h"
#include "app/plot_widget.h"
#include "plot/curves.h"

// A curve drawn again over the same view is retained once: pressing "Z" again and again must not
// let the picture grow. Its pen width and its message come as from a new drawing.
void frmFunktion::zeichne(const MemoField* field, Colour colour, plot::CurveKind kind,
                          const QString& name, const char* legendName) {
    PlotWidget& square = *painter_;
    const plot::Curve curve{termOf(field), kind, colour, textOf(cbStrich)};
    const plot::Ranges& shown = view_.ranges;
    bool drawn = false;
    const int failure =
        square.drawOnce(plot::curveKey(shown, curve, NullpunktY, square.penWidth()), [&] {
            drawn = true;
            return plot::drawCurve(square, shown, curve, NullpunktY);
        });
    if (!drawn)
        if (const auto width = plot::curvePenWidth(curve.penWidth)) square.setPenWidth(*width);
    if (drawn) square.nameCurve({legendName, curve.colour, square.penWidth()});
    if (failure == 0) return;
    setHourglass(false);
    dialogs.message(Dialogs::Icon::Stop, "Polyskop",
                    "Fehler in der " + name + "\r\n" + QString::number(failure));
}

void frmFunktion::withHourglass(void (frmFunktion::*draw)()) {
    setHourglass(true);
    (this->*draw)();
    setHourglass(false);
}

void frmFunktion::connectCurveHandlers() {
    connect(btZ1, &QPushButton::clicked, this, [this] { btZ1_Click(); });
    connect(btZ2, &QPushButton::clicked, this, [this] { btZ2_Click(); });
    connect(btZ3, &QPushButton::clicked, this, [this] { btZ3_Click(); });
    connect(btZ4, &QPushButton::clicked, this, [this] { btZ4_Click(); });
    connect(btZHG, &QPushButton::clicked, this, [this] { btZHG_Click(); });
    // One of the two option buttons is always checked: the other one's toggle says it all.
    style_.yInLines = obStrich->isChecked();
    connect(obStrich, &QRadioButton::toggled, this, [this](bool on) { style_.yInLines = on; });
}

void frmFunktion::ZeichneY() {
    zeichne(txtFKT1, style_.curves[0],
            style_.yInLines ? plot::CurveKind::Lines : plot::CurveKind::Points, "1. Funktion", "y");
}

void frmFunktion::ZeichneY1() {
    zeichne(txtFKT2, style_.curves[1], plot::CurveKind::Single, "2. Funktion", "y'");
}

void frmFunktion::ZeichneY2() {
    zeichne(txtFKT3, style_.curves[2], plot::CurveKind::Single, "3. Funktion", "y''");
}

void frmFunktion::ZeichneY3() {
    zeichne(txtFKT4, style_.curves[3], plot::CurveKind::Single, "4. Funktion", "y'''");
}

void frmFunktion::ZeichneHG() {
    zeichne(txtHilfsgleichung, style_.curves[4], plot::CurveKind::Single, "Funktion HG", "HG");
}

void frmFunktion::btZ1_Click() { withHourglass(&frmFunktion::ZeichneY); }
void frmFunktion::btZ2_Click() { withHourglass(&frmFunktion::ZeichneY1); }
void frmFunktion::btZ3_Click() { withHourglass(&frmFunktion::ZeichneY2); }
void frmFunktion::btZ4_Click() { withHourglass(&frmFunktion::ZeichneY3); }
void frmFunktion::btZHG_Click() { withHourglass(&frmFunktion::ZeichneHG); }
