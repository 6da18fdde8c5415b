#pragma once

// What the window tests share: dialogs that answer nothing, and the manual's example analysed.
#include "app/dialogs.h"
#include "app/frmFunktion.h"

class SilentDialogs : public Dialogs {
  public:
    void message(Icon, const QString&, const QString&) override {}
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

// The curve analysis of y = x^4 - 5x^2 + 4 with the zero 1 given: every result field filled.
inline void analyseManualExample(frmFunktion& window) {
    window.txtA->setText("1");
    window.txtC->setText("-5");
    window.txtE->setText("4");
    window.txtP01X->setText("1");
    window.btStartKD->click();
}
