// The point readout and the zoom on the plot square, the readout label, and the reset button.

#include "app/frmFunktion.h"
#include "base/failure.h"
#include "plot/zoom.h"

namespace {

// The redraw after a new view: the grid switch clicked twice leaves it as it was on a wiped
// surface with the axes, then y .. y''' (not HG).
void redrawView(frmFunktion& w) {
    w.cbHL_Click();
    w.cbHL_Click();
    w.btZ1_Click();
    w.btZ2_Click();
    w.btZ3_Click();
    w.btZ4_Click();
}

}  // namespace

void frmFunktion::connectZoomHandlers() {
    connect(lblBG, &Label::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                lblBG_MouseDown(button, shift, static_cast<float>(x), static_cast<float>(y));
            });
    connect(lblPo, &Label::mouseDown, this,
            [this](Qt::MouseButton button) { lblPo_MouseDown(button); });
    connect(lblPo, &Label::doubleClicked, this, [this] { lblPo_DblClick(); });
    connect(btReset, &QPushButton::clicked, this, [this] { btReset_Click(); });
}

void frmFunktion::lblBG_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x,
                                  float y) {
    const auto keys = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (button != Qt::RightButton || (keys != Qt::NoModifier && keys != Qt::ShiftModifier)) return;
    setHourglass(true);
    try {
        if (keys == Qt::NoModifier) {
            lblPo->setText(toQString(plot::readout(ranges(), textOf(lblZoom), x, y)));
        } else {
            const plot::ZoomStep step = plot::zoom(ranges(), textOf(txtXA), textOf(txtYA), x, y);
            lblPo->setText(toQString(step.caption));
            if (step.refused) {
                dialogs.message(
                    Dialogs::Icon::Info, "Polyskop",
                    "Vorgang abgebrochen!\r\nEine weitere Vergrößerung macht keinen Sinn.");
            } else {
                setSpacingText(txtXA, toQString(step.xa));
                txtIX1->setText(toQString(step.ix1));
                txtIX2->setText(toQString(step.ix2));
                setSpacingText(txtYA, toQString(step.ya));
                txtIY1->setText(toQString(step.iy1));
                txtIY2->setText(toQString(step.iy2));
                redrawView(*this);
                lblZoom->setText(toQString(step.factor));
            }
        }
    } catch (const Failure&) {
        // The fields already changed keep their texts.
    }
    setHourglass(false);
}

void frmFunktion::lblPo_MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton) lblPo->setText("");
}

void frmFunktion::lblPo_DblClick() {
    const auto x = plot::readoutX(textOf(lblPo));
    if (!x) return;
    txtP01X->setText(toQString(*x));
    txtP01Y->setText("0");
}

void frmFunktion::btReset_Click() {
    lblZoom->setText("1");
    setSpacingText(txtXA, "1");
    setSpacingText(txtYA, "1");
    txtIX1->setText("-10");
    txtIX2->setText("10");
    txtIY1->setText("-10");
    txtIY2->setText("10");
    redrawView(*this);
    setHourglass(false);
}
