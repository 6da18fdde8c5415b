// The point readout and the zoom on the plot square, the readout label, and the reset button.

#include "app/frmFunktion.h"
#include "app/plot_widget.h"
#include "base/failure.h"
#include "plot/square.h"
#include "plot/zoom.h"

void frmFunktion::connectZoomHandlers() {
    connect(lblBG, &Label::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                lblBG_MouseDown(button, shift, static_cast<float>(x), static_cast<float>(y));
            });
    connect(lblBG, &Label::mouseMoved, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, int x, int y) {
                lblBG_MouseMove(buttons, keys, static_cast<float>(x), static_cast<float>(y));
            });
    connect(lblBG, &Label::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
                lblBG_MouseUp(button, static_cast<float>(x), static_cast<float>(y));
            });
    connect(lblBG, &Label::wheeled, this, [this](int notches, int x, int y) {
        lblBG_Wheel(notches, static_cast<float>(x), static_cast<float>(y));
    });
    connect(lblPo, &Label::mouseDown, this,
            [this](Qt::MouseButton button) { lblPo_MouseDown(button); });
    connect(lblPo, &Label::doubleClicked, this, [this] { lblPo_DblClick(); });
    connect(btReset, &QPushButton::clicked, this, [this] { btReset_Click(); });
}

// The new view's texts through the fields' own handlers, then the grid and the curves y .. y'''.
void frmFunktion::showZoomStep(const plot::ZoomStep& step) {
    setSpacingText(txtXA, toQString(step.xa));
    txtIX1->setText(toQString(step.ix1));
    txtIX2->setText(toQString(step.ix2));
    setSpacingText(txtYA, toQString(step.ya));
    txtIY1->setText(toQString(step.iy1));
    txtIY2->setText(toQString(step.iy2));
    redraw(Redraw::NewView);
    showZoomFactor(step.factor);
}

void frmFunktion::zoomIn(float x, float y) {
    const plot::ZoomStep step = plot::zoom(view_.ranges, view_.xa, view_.ya, x, y);
    showReadout(step.caption);
    if (step.refused)
        dialogs.message(Dialogs::Icon::Info, "Polyskop",
                        "Vorgang abgebrochen!\r\nEine weitere Vergrößerung macht keinen Sinn.");
    else
        showZoomStep(step);
}

void frmFunktion::lblBG_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x,
                                  float y) {
    const auto keys = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (button == Qt::LeftButton) dragFrom_ = QPointF(x, y);  // a drag may move the view
    if (button != Qt::RightButton || (keys != Qt::NoModifier && keys != Qt::ShiftModifier)) return;
    setHourglass(true);
    try {
        if (keys == Qt::NoModifier)
            showReadout(plot::readout(view_.ranges, view_.zoomFactor, x, y));
        else
            zoomIn(x, y);
    } catch (const Failure&) {
        // The fields already changed keep their texts.
    }
    setHourglass(false);
}

// The wheel zooms around the point under the pointer: away from the user in, towards out.
void frmFunktion::lblBG_Wheel(int notches, float x, float y) {
    setHourglass(true);
    try {
        if (notches > 0) {
            zoomIn(x, y);
        } else if (const auto step =
                       plot::zoomOut(view_.ranges, view_.xa, view_.ya, view_.zoomFactor, x, y)) {
            showReadout(step->caption);
            showZoomStep(*step);
        }
    } catch (const Failure&) {
    }
    setHourglass(false);
}

// Dragging with the left button shifts the picture at once; the right button reads the point
// under the pointer, with Ctrl the curve of y under it.
void frmFunktion::lblBG_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, float x,
                                  float y) {
    try {
        if ((buttons & Qt::LeftButton) && dragFrom_) {
            painter_->setShift(QPointF(x - dragFrom_->x(), y - dragFrom_->y()));
        } else if ((buttons & Qt::RightButton) && (keys & Qt::ControlModifier)) {
            if (const auto caption =
                    plot::traceReadout(view_.ranges, view_.zoomFactor, termOf(txtFKT1), x))
                showReadout(*caption);
        } else if (buttons & Qt::RightButton) {
            showReadout(plot::readout(view_.ranges, view_.zoomFactor, x, y));
        }
    } catch (const Failure&) {
    }
}

// Letting go after a drag sets the moved ranges and draws the view anew, as a zoom does.
void frmFunktion::lblBG_MouseUp(Qt::MouseButton button, float x, float y) {
    if (button != Qt::LeftButton || !dragFrom_) return;
    const QPointF from = *dragFrom_;
    dragFrom_.reset();
    painter_->setShift({});
    const QPointF moved(x - from.x(), y - from.y());
    if (std::abs(moved.x()) < plot::kTwipsPerPixel && std::abs(moved.y()) < plot::kTwipsPerPixel)
        return;
    setHourglass(true);
    try {
        const plot::PanStep step = plot::pan(view_.ranges, view_.xa, static_cast<float>(moved.x()),
                                             static_cast<float>(moved.y()));
        txtIX1->setText(toQString(step.ix1));
        txtIX2->setText(toQString(step.ix2));
        txtIY1->setText(toQString(step.iy1));
        txtIY2->setText(toQString(step.iy2));
        redraw(Redraw::NewView);
    } catch (const Failure&) {
    }
    setHourglass(false);
}

void frmFunktion::lblPo_MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton) showReadout("");
}

void frmFunktion::lblPo_DblClick() {
    if (!view_.pointedX) return;
    txtP01X->setText(toQString(*view_.pointedX));
    txtP01Y->setText("0");
}

// The zoom factor as the zoom wrote it: the readout's decimals follow it.
void frmFunktion::showZoomFactor(const std::string& factor) {
    view_.zoomFactor = factor;
    lblZoom->setText(toQString(factor));
}

// A point read on the plot, and its x, which a double click takes over as the zero P01.
void frmFunktion::showReadout(const std::string& caption) {
    view_.pointedX = plot::readoutX(caption);
    lblPo->setText(toQString(caption));
}

void frmFunktion::btReset_Click() {
    showZoomFactor("1");
    setSpacingText(txtXA, "1");
    setSpacingText(txtYA, "1");
    txtIX1->setText("-10");
    txtIX2->setText("10");
    txtIY1->setText("-10");
    txtIY2->setText("10");
    redraw(Redraw::NewView);
    setHourglass(false);
}
