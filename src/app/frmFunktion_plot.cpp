#include <QString>

#include "app/frmFunktion.h"
#include "base/failure.h"
#include "plot/axes.h"
#include "plot/grid.h"

namespace {

// The caption offers the switch: "AUS" while the grid is on.
QString gridCaption(bool shown) { return shown ? "Hilfslinien AUS" : "Hilfslinien EIN"; }

}  // namespace

void frmFunktion::connectGridHandlers() {
    connect(Timer1, &QTimer::timeout, this, &frmFunktion::Timer1_Timer);
    connect(cbHL, &QPushButton::clicked, this, [this] { cbHL_Click(); });
}

void frmFunktion::ZeichneAchsen() {
    try {
        // drawAxes ends every failure itself; nothing may escape into the event loop anyway.
        plot::drawAxes(surface(), view_.ranges, textOf(cbKreuz), AchsenFarbe, NullpunktX,
                       NullpunktY);
    } catch (const Failure&) {
    }
}

void frmFunktion::ZeichneHilfslinien() {
    if (!view_.gridShown) return;
    setHourglass(true);
    try {
        plot::drawGrid(surface(), view_.ranges, view_.xa, view_.ya, NullpunktX, NullpunktY,
                       AchsenFarbe);
    } catch (const Failure&) {
        // Lines already drawn stay.
    }
    setHourglass(false);
}

// The first drawing, one second after start; the timer does not fire again.
void frmFunktion::Timer1_Timer() {
    ZeichneAchsen();
    ZeichneHilfslinien();
    Timer1->stop();
}

void frmFunktion::HilfslinienAus() {
    surface().clear();
    ZeichneAchsen();
}

void frmFunktion::cbHL_Click() {
    setHourglass(true);
    try {
        view_.gridShown = !view_.gridShown;
        cbHL->setText(gridCaption(view_.gridShown));
        if (view_.gridShown)
            ZeichneHilfslinien();
        else
            HilfslinienAus();
    } catch (const Failure&) {
    }
    setHourglass(false);
}

// The axes wipe the picture; a new colour draws HG again as well, a new view does not.
void frmFunktion::redraw(Redraw how) {
    ZeichneAchsen();
    ZeichneHilfslinien();
    btZ1_Click();
    btZ2_Click();
    btZ3_Click();
    btZ4_Click();
    if (how == Redraw::NewColour) btZHG_Click();
    setHourglass(false);
}
