#include "window_panel.h"

#include <QApplication>

#include "analysis/derivative_terms.h"
#include "app/dialogs.h"
#include "app/frmFunktion.h"
#include "app/window_probe.h"

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

}  // namespace

struct WindowUnderTest::Parts {
    ConfirmingDialogs dialogs;
    frmFunktion w{dialogs};
    WindowProbe probe{w};
};

WindowUnderTest::WindowUnderTest() : parts_(std::make_unique<Parts>()) {
    parts_->w.show();
    parts_->probe.tick();
    QApplication::processEvents();
}

WindowUnderTest::~WindowUnderTest() = default;

Panel WindowUnderTest::analyse(const std::array<std::string, 5>& coefficients,
                               const std::string& p01) {
    const WindowProbe& w = parts_->probe;
    const auto field = [&w](const QString& name) { return w.control<QLineEdit>(name); };
    const auto text = [&w](const QString& name) { return textOf(w.control<QWidget>(name)); };
    w.control<QPushButton>("btCKD")->click();  // P01 too, should no coefficient text change
    const char* const fields[] = {"txtA", "txtB", "txtC", "txtD", "txtE"};
    for (int i = 0; i < 5; ++i) field(fields[i])->setText(QString::fromStdString(coefficients[i]));
    if (!p01.empty()) {
        field("txtP01X")->setText(QString::fromStdString(p01));
        field("txtP01Y")->setText("0");  // as its key filter does for a typed digit
    }
    parts_->dialogs.texts.clear();
    for (int press = 0; press < 2; ++press) {
        w.control<QPushButton>("btStartKD")->click();
        QApplication::processEvents();
    }
    Panel p;
    for (int i = 0; i < 4; ++i) {
        p.zeroX[i] = text(QString("txtP0%1X").arg(i + 1));
        p.zeroY[i] = text(QString("txtP0%1Y").arg(i + 1));
    }
    for (int i = 0; i < 3; ++i) {
        p.extremeX[i] = text(QString("txtPE%1X").arg(i + 1));
        p.extremeY[i] = text(QString("txtPE%1Y").arg(i + 1));
        p.extremeKind[i] = text(QString("lblMMPE%1").arg(i + 1));
    }
    for (int i = 0; i < 2; ++i) {
        p.inflectionX[i] = text(QString("txtPW%1X").arg(i + 1));
        p.inflectionY[i] = text(QString("txtPW%1Y").arg(i + 1));
    }
    p.interceptX = text("txtPYX");
    p.interceptY = text("txtPYY");
    p.messages = parts_->dialogs.texts;
    return p;
}
