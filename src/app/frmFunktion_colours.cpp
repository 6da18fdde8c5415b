// The colours of the curves, the axes and the plot background, and the two pen width lists.

#include <QPalette>

#include "app/frmFunktion.h"
#include "app/qt_colour.h"

Colour frmFunktion::backColour(const QWidget* control) {
    const QColor c = control->palette().color(QPalette::Window);
    return toColour(c);
}

void frmFunktion::setBackColour(QWidget* control, Colour colour) {
    QPalette p = control->palette();
    p.setColor(QPalette::Window, toQColor(colour));
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

// A curve's swatch takes the chosen colour; the curve itself is drawn in it next time.
void frmFunktion::chooseCurveColour(Label* swatch, Colour& curve) {
    const auto colour = dialogs.chooseColour(curve);
    if (!colour) return;
    curve = *colour;
    setBackColour(swatch, curve);
}

namespace {

void setWidth(QComboBox* list, bool visible) {
    list->setVisible(visible);
    list->setCurrentIndex(list->findText("2"));
    list->setEditText("2");
}

}  // namespace

void frmFunktion::connectColourHandlers() {
    // The style starts from the colours the layout gave the swatches.
    style_.curves = {backColour(lblF1), backColour(lblF2), backColour(lblF3), backColour(lblF4),
                     backColour(lblF5)};
    style_.background = backColour(lblBG);
    connect(lblF1, &Label::clicked, this, [this] { lblF1_Click(); });
    connect(lblF2, &Label::clicked, this, [this] { lblF2_Click(); });
    connect(lblF3, &Label::clicked, this, [this] { lblF3_Click(); });
    connect(lblF4, &Label::clicked, this, [this] { lblF4_Click(); });
    connect(lblF5, &Label::clicked, this, [this] { lblF5_Click(); });
    connect(cbAHC, &QPushButton::clicked, this, [this] { cbAHC_Click(); });
    connect(lblFAH, &Label::clicked, this, [this] { lblFAH_Click(); });
    connect(cbBackC, &QPushButton::clicked, this, [this] { cbBackC_Click(); });
    connect(lblHGF, &Label::clicked, this, [this] { lblHGF_Click(); });
    connect(cbStrichstärke, &QCheckBox::toggled, this, [this] { cbStrichstärke_Click(); });
}

void frmFunktion::lblF1_Click() { chooseCurveColour(lblF1, style_.curves[0]); }
void frmFunktion::lblF2_Click() { chooseCurveColour(lblF2, style_.curves[1]); }
void frmFunktion::lblF3_Click() { chooseCurveColour(lblF3, style_.curves[2]); }
void frmFunktion::lblF4_Click() { chooseCurveColour(lblF4, style_.curves[3]); }
void frmFunktion::lblF5_Click() { chooseCurveColour(lblF5, style_.curves[4]); }

void frmFunktion::cbAHC_Click() {
    const auto colour = dialogs.chooseColour(AchsenFarbe);
    if (!colour) return;
    AchsenFarbe = *colour;
    setBackColour(lblFAH, AchsenFarbe);
    redraw(Redraw::NewColour);
}

void frmFunktion::lblFAH_Click() { cbAHC_Click(); }

void frmFunktion::cbBackC_Click() {
    const auto colour = dialogs.chooseColour(style_.background);
    if (!colour) return;
    style_.background = *colour;
    setBackColour(lblBG, style_.background);
    setBackColour(lblHGF, style_.background);
    redraw(Redraw::NewColour);
}

void frmFunktion::lblHGF_Click() { cbBackC_Click(); }

// Either way both widths are back to 2; other widths hold only while the lists are shown.
void frmFunktion::cbStrichstärke_Click() {
    const bool shown = cbStrichstärke->isChecked();
    setWidth(cbStrich, shown);
    setWidth(cbKreuz, shown);
}
