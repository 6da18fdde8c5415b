// The point readout and the zoom on the plot square, the readout label, and the reset button.

#include "app/frmFunktion.h"
#include "base/failure.h"
#include "plot/zoom.h"

namespace {

std::string text(const QWidget* control) { return fieldText(control).toStdString(); }
QString qs(const std::string& s) { return QString::fromStdString(s); }

plot::Ranges ranges(const frmFunktion& w) {
    return {text(w.txtIX1), text(w.txtIX2), text(w.txtIY1), text(w.txtIY2)};
}

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

void frmFunktion::lblBG_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x,
                                  float y) {
    const auto keys = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (button != Qt::RightButton || (keys != Qt::NoModifier && keys != Qt::ShiftModifier)) return;
    setHourglass(true);
    try {
        if (keys == Qt::NoModifier) {
            lblPo->setText(qs(plot::readout(ranges(*this), text(lblZoom), x, y)));
        } else {
            const plot::ZoomStep step = plot::zoom(ranges(*this), text(txtXA), text(txtYA), x, y);
            lblPo->setText(qs(step.caption));
            if (step.refused) {
                dialogs.message(
                    Dialogs::Icon::Info, "Polyskop",
                    "Vorgang abgebrochen!\r\nEine weitere Vergrößerung macht keinen Sinn.");
            } else {
                setSpacingText(txtXA, qs(step.xa));
                txtIX1->setText(qs(step.ix1));
                txtIX2->setText(qs(step.ix2));
                setSpacingText(txtYA, qs(step.ya));
                txtIY1->setText(qs(step.iy1));
                txtIY2->setText(qs(step.iy2));
                redrawView(*this);
                lblZoom->setText(qs(step.factor));
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
    const auto x = plot::readoutX(text(lblPo));
    if (!x) return;
    txtP01X->setText(qs(*x));
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
