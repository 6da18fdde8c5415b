#include "final_analysis.h"

#include <QApplication>
#include <algorithm>

#include "app/frmFunktion.h"
#include "input.h"
#include "random_dialogs.h"

namespace {

void press(QWidget* button) {
    input::click(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    QApplication::processEvents();
}

void typeInto(QWidget* field, const QString& text) {
    input::click(input::mouseTarget(field), Qt::LeftButton, Qt::NoModifier, {2, 2});
    input::focus(field);
    input::key(field, Qt::Key_End, Qt::NoModifier, "");
    for (QChar c : text) input::character(field, c);
    QApplication::processEvents();
}

// The rows of a result group as "x y [kind]", in any order: the order follows the solvers.
QStringList rows(const std::vector<std::vector<const QWidget*>>& group) {
    QStringList out;
    for (const auto& row : group) {
        QStringList cells;
        for (const QWidget* cell : row) cells << fieldText(cell);
        out << cells.join(' ');
    }
    out.sort();
    return out;
}

void expect(QStringList& wrong, const QString& what, const QString& expected, const QString& got) {
    if (got != expected) wrong << what + ": expected \"" + expected + "\" got \"" + got + '"';
}

void expect(QStringList& wrong, const QString& what, QStringList expected, const QStringList& got) {
    expected.sort();
    expect(wrong, what, expected.join(" | "), got.join(" | "));
}

}  // namespace

QStringList checkKnownAnalysis(frmFunktion& w, const RandomDialogs& dialogs) {
    QStringList wrong;
    press(w.btReset);
    press(w.btCKD);
    press(w.btCKo);
    // Either click of the check box sets both pen widths back to 2.
    for (int i = 0; i < 2; ++i)
        input::click(w.cbStrichstärke, Qt::LeftButton, Qt::NoModifier,
                     input::indicator(w.cbStrichstärke));
    typeInto(w.txtA, "1");
    typeInto(w.txtB, "0");
    typeInto(w.txtC, "-5");
    typeInto(w.txtD, "0");
    typeInto(w.txtE, "4");

    // The first press proposes the zero found in -10 .. 10 and says so.
    const int before = dialogs.messages;
    press(w.btStartKD);
    if (dialogs.messages - before != 1)
        wrong << QString("%1 messages after the first press, the last: %2")
                     .arg(dialogs.messages - before)
                     .arg(dialogs.lastMessage);
    expect(wrong, "txtP01X", "-2", w.txtP01X->text());
    expect(wrong, "txtP01Y", "0", w.txtP01Y->text());

    press(w.btStartKD);
    expect(wrong, "zeros", {"-1 0", "-2 0", "1 0", "2 0"},
           rows({{w.txtP01X, w.txtP01Y},
                 {w.txtP02X, w.txtP02Y},
                 {w.txtP03X, w.txtP03Y},
                 {w.txtP04X, w.txtP04Y}}));
    expect(wrong, "extrema", {"1,5811 -2,2500 min", "-1,5811 -2,2500 min", "0 4,0000 max"},
           rows({{w.txtPE1X, w.txtPE1Y, w.lblMMPE1},
                 {w.txtPE2X, w.txtPE2Y, w.lblMMPE2},
                 {w.txtPE3X, w.txtPE3Y, w.lblMMPE3}}));
    expect(wrong, "inflections", {"0,9129 0,5278", "-0,9129 0,5278"},
           rows({{w.txtPW1X, w.txtPW1Y}, {w.txtPW2X, w.txtPW2Y}}));
    expect(wrong, "y intercept", "0 4", w.txtPYX->text() + ' ' + w.txtPYY->text());
    expect(wrong, "derivative", "+4*(X)^3-10*(X)", w.txtFKT2->text());
    for (analysis::Field field : analysis::kResultFields)
        if (const QWidget* f = w.analysisField(field); !f->isVisible())
            wrong << f->objectName() + " is hidden";
    return wrong;
}
