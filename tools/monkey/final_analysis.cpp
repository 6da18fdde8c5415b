#include "final_analysis.h"

#include <QApplication>
#include <algorithm>

#include "app/controls.h"
#include "app/window_probe.h"
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

QStringList checkKnownAnalysis(frmFunktion& window, const RandomDialogs& dialogs) {
    const WindowProbe w(window);
    const auto c = [&w](const char* name) { return w.control<QWidget>(name); };
    const auto text = [&w](const char* name) { return fieldText(w.control<QWidget>(name)); };
    QStringList wrong;
    press(c("btReset"));
    press(c("btCKD"));
    press(c("btCKo"));
    // Either click of the check box sets both pen widths back to 2.
    for (int i = 0; i < 2; ++i)
        input::click(c("cbStrichstärke"), Qt::LeftButton, Qt::NoModifier,
                     input::indicator(c("cbStrichstärke")));
    typeInto(c("txtA"), "1");
    typeInto(c("txtB"), "0");
    typeInto(c("txtC"), "-5");
    typeInto(c("txtD"), "0");
    typeInto(c("txtE"), "4");

    // The first press proposes the zero found in -10 .. 10 and says so.
    const int before = dialogs.messages;
    press(c("btStartKD"));
    if (dialogs.messages - before != 1)
        wrong << QString("%1 messages after the first press, the last: %2")
                     .arg(dialogs.messages - before)
                     .arg(dialogs.lastMessage);
    expect(wrong, "txtP01X", "-2", text("txtP01X"));
    expect(wrong, "txtP01Y", "0", text("txtP01Y"));

    press(c("btStartKD"));
    expect(wrong, "zeros", {"-1 0", "-2 0", "1 0", "2 0"},
           rows({{c("txtP01X"), c("txtP01Y")},
                 {c("txtP02X"), c("txtP02Y")},
                 {c("txtP03X"), c("txtP03Y")},
                 {c("txtP04X"), c("txtP04Y")}}));
    expect(wrong, "extrema", {"1,5811 -2,2500 min", "-1,5811 -2,2500 min", "0 4,0000 max"},
           rows({{c("txtPE1X"), c("txtPE1Y"), c("lblMMPE1")},
                 {c("txtPE2X"), c("txtPE2Y"), c("lblMMPE2")},
                 {c("txtPE3X"), c("txtPE3Y"), c("lblMMPE3")}}));
    expect(wrong, "inflections", {"0,9129 0,5278", "-0,9129 0,5278"},
           rows({{c("txtPW1X"), c("txtPW1Y")}, {c("txtPW2X"), c("txtPW2Y")}}));
    expect(wrong, "y intercept", "0 4", text("txtPYX") + ' ' + text("txtPYY"));
    expect(wrong, "derivative", "+4*(X)^3-10*(X)", text("txtFKT2"));
    for (analysis::Field field : analysis::kResultFields)
        if (const QWidget* f = w.analysisField(field); !f->isVisible())
            wrong << f->objectName() + " is hidden";
    return wrong;
}
