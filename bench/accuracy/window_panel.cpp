#include "window_panel.h"

#include <QApplication>

#include "analysis/derivative_terms.h"
#include "app/dialogs.h"
#include "app/frmFunktion.h"

namespace {

// Confirms every message at once and keeps the texts beyond the zero proposal.
class ConfirmingDialogs : public Dialogs {
  public:
    std::vector<std::string> texts;
    void message(Icon, const QString&, const QString& text) override {
        const std::string t = text.toStdString();
        if (t != analysis::zeroProposalText()) texts.push_back(t);
    }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

std::string text(const QLineEdit* f) { return f->text().toStdString(); }
std::string text(const QLabel* l) { return l->text().toStdString(); }

}  // namespace

struct WindowUnderTest::Parts {
    ConfirmingDialogs dialogs;
    frmFunktion w{dialogs};
};

WindowUnderTest::WindowUnderTest() : parts_(std::make_unique<Parts>()) {
    parts_->w.show();
    parts_->w.Timer1_Timer();
    QApplication::processEvents();
}

WindowUnderTest::~WindowUnderTest() = default;

Panel WindowUnderTest::analyse(const std::array<std::string, 5>& coefficients,
                               const std::string& p01) {
    frmFunktion& w = parts_->w;
    w.btCKD->click();  // P01 too, should no coefficient text change
    TextField* fields[] = {w.txtA, w.txtB, w.txtC, w.txtD, w.txtE};
    for (int i = 0; i < 5; ++i) fields[i]->setText(QString::fromStdString(coefficients[i]));
    if (!p01.empty()) {
        w.txtP01X->setText(QString::fromStdString(p01));
        w.txtP01Y->setText("0");  // as its key filter does for a typed digit
    }
    parts_->dialogs.texts.clear();
    for (int press = 0; press < 2; ++press) {
        w.btStartKD->click();
        QApplication::processEvents();
    }
    Panel p;
    const TextField* zx[] = {w.txtP01X, w.txtP02X, w.txtP03X, w.txtP04X};
    const TextField* zy[] = {w.txtP01Y, w.txtP02Y, w.txtP03Y, w.txtP04Y};
    for (int i = 0; i < 4; ++i) {
        p.zeroX[i] = text(zx[i]);
        p.zeroY[i] = text(zy[i]);
    }
    const TextField* ex[] = {w.txtPE1X, w.txtPE2X, w.txtPE3X};
    const TextField* ey[] = {w.txtPE1Y, w.txtPE2Y, w.txtPE3Y};
    const Label* el[] = {w.lblMMPE1, w.lblMMPE2, w.lblMMPE3};
    for (int i = 0; i < 3; ++i) {
        p.extremeX[i] = text(ex[i]);
        p.extremeY[i] = text(ey[i]);
        p.extremeKind[i] = text(el[i]);
    }
    const TextField* wx[] = {w.txtPW1X, w.txtPW2X};
    const TextField* wy[] = {w.txtPW1Y, w.txtPW2Y};
    for (int i = 0; i < 2; ++i) {
        p.inflectionX[i] = text(wx[i]);
        p.inflectionY[i] = text(wy[i]);
    }
    p.interceptX = text(w.txtPYX);
    p.interceptY = text(w.txtPYY);
    p.messages = parts_->dialogs.texts;
    return p;
}
