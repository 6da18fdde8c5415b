// The range fields txtIX1 .. txtIY2 and the spacing fields txtXA, txtYA: key filters and
// change handlers.

#include <QLineEdit>

#include "app/frmFunktion.h"
#include "plot/range_fields.h"

void frmFunktion::setSpacingText(QComboBox* field, const QString& text) {
    if (field->currentText() == text) return;
    field->setEditText(text);
    caretToEnd(field->lineEdit());
    field == txtXA ? txtXA_Change() : txtYA_Change();
}

void frmFunktion::spacingKeyPress(QComboBox* field, QWidget* next, int& keyAscii) {
    const keys::KeyOutcome out = keys::spacingKey(keyAscii, keyText(field).view());
    if (out.nextField) next->setFocus();
    if (out.dropLast) setSpacingText(field, field->currentText().chopped(1));
    keyAscii = out.key;
}

void frmFunktion::rangeChange(QLineEdit* field, numtext::FieldValue& range) {
    range = textOf(field);
    if (auto completed = plot::completeRange(range.text())) {
        field->setText(toQString(*completed));
        caretToEnd(field);
    }
    const plot::Ranges& r = view_.ranges;
    for (const numtext::FieldValue* shown : {&r.ix1, &r.ix2, &r.iy1, &r.iy2})
        if (shown->isEmpty()) return;
    ZeichneAchsen();
}

// The list fields' text changes by typing, a pick from the list or the program; only typing and
// the program run the rest of the handling, after the text is read here again.
void frmFunktion::spacingChange(QComboBox* field, plot::Spacing& spacing) {
    spacing = textOf(field);
    if (auto completed = plot::completeSpacing(spacing.field.text()))
        setSpacingText(field, toQString(*completed));
    if (plot::spacingDraws(spacing.field)) ZeichneHilfslinien();
}

void frmFunktion::txtIX1_KeyPress(int& keyAscii) { filterRangeKey(txtIX1, txtIX2, keyAscii); }
void frmFunktion::txtIX2_KeyPress(int& keyAscii) { filterRangeKey(txtIX2, txtIY1, keyAscii); }
void frmFunktion::txtIY1_KeyPress(int& keyAscii) { filterRangeKey(txtIY1, txtIY2, keyAscii); }
void frmFunktion::txtIY2_KeyPress(int& keyAscii) { filterRangeKey(txtIY2, txtXA, keyAscii); }
void frmFunktion::txtXA_KeyPress(int& keyAscii) { spacingKeyPress(txtXA, txtYA, keyAscii); }
void frmFunktion::txtYA_KeyPress(int& keyAscii) { spacingKeyPress(txtYA, cbHL, keyAscii); }

void frmFunktion::txtIX1_Change() { rangeChange(txtIX1, view_.ranges.ix1); }
void frmFunktion::txtIX2_Change() { rangeChange(txtIX2, view_.ranges.ix2); }
void frmFunktion::txtIY1_Change() { rangeChange(txtIY1, view_.ranges.iy1); }
void frmFunktion::txtIY2_Change() { rangeChange(txtIY2, view_.ranges.iy2); }
void frmFunktion::txtXA_Change() { spacingChange(txtXA, view_.xa); }
void frmFunktion::txtYA_Change() { spacingChange(txtYA, view_.ya); }

void frmFunktion::connectFieldHandlers() {
    installKeyPressHandler(txtIX1, [this](int& k) { txtIX1_KeyPress(k); });
    installKeyPressHandler(txtIX2, [this](int& k) { txtIX2_KeyPress(k); });
    installKeyPressHandler(txtIY1, [this](int& k) { txtIY1_KeyPress(k); });
    installKeyPressHandler(txtIY2, [this](int& k) { txtIY2_KeyPress(k); });
    installKeyPressHandler(txtXA, [this](int& k) { txtXA_KeyPress(k); });
    installKeyPressHandler(txtYA, [this](int& k) { txtYA_KeyPress(k); });
    connect(txtIX1, &QLineEdit::textChanged, this, [this] { txtIX1_Change(); });
    connect(txtIX2, &QLineEdit::textChanged, this, [this] { txtIX2_Change(); });
    connect(txtIY1, &QLineEdit::textChanged, this, [this] { txtIY1_Change(); });
    connect(txtIY2, &QLineEdit::textChanged, this, [this] { txtIY2_Change(); });
    // Only typing: a pick from the list changes the text without the change handler, yet the
    // view reads every change.
    connect(txtXA->lineEdit(), &QLineEdit::textEdited, this, [this] { txtXA_Change(); });
    connect(txtYA->lineEdit(), &QLineEdit::textEdited, this, [this] { txtYA_Change(); });
    connect(txtXA->lineEdit(), &QLineEdit::textChanged, this, [this] { view_.xa = textOf(txtXA); });
    connect(txtYA->lineEdit(), &QLineEdit::textChanged, this, [this] { view_.ya = textOf(txtYA); });
    // The view starts from the texts the layout gave the fields.
    view_.ranges = {textOf(txtIX1), textOf(txtIX2), textOf(txtIY1), textOf(txtIY2)};
    view_.xa = textOf(txtXA);
    view_.ya = textOf(txtYA);
}
