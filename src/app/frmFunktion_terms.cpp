// The calculator (value of the term in txtF at X), the term editor and its keypad.
#include <QString>
#include <QTextCursor>

#include "app/frmFunktion.h"
#include "terms/calculator.h"
#include "terms/keypad.h"

void frmFunktion::connectTermHandlers() {
    connect(btBerechnen, &QPushButton::clicked, this, [this] { btBerechnen_Click(); });
    connect(lblErgebnis, &Label::doubleClicked, this, [this] { lblErgebnis_DblClick(); });
    connect(btC, &QPushButton::clicked, this, [this] { btC_Click(); });
    connect(btBS, &QPushButton::clicked, this, [this] { btBS_Click(); });
    connect(btCVX, &QPushButton::clicked, this, [this] { btCVX_Click(); });
    connect(txtF, &MemoField::doubleClicked, this, [this] { txtF_DblClick(); });
    connect(txtFKT1, &MemoField::doubleClicked, this, [this] { txtFKT1_DblClick(); });
    connect(txtFKT2, &MemoField::doubleClicked, this, [this] { txtFKT2_DblClick(); });
    connect(txtFKT3, &MemoField::doubleClicked, this, [this] { txtFKT3_DblClick(); });
    connect(txtFKT4, &MemoField::doubleClicked, this, [this] { txtFKT4_DblClick(); });
    connect(txtHilfsgleichung, &MemoField::doubleClicked, this,
            [this] { txtHilfsgleichung_DblClick(); });
    connect(btCF1, &QPushButton::clicked, this, [this] { btCF1_Click(); });
    connect(btCF2, &QPushButton::clicked, this, [this] { btCF2_Click(); });
    connect(btCF3, &QPushButton::clicked, this, [this] { btCF3_Click(); });
    connect(btCF4, &QPushButton::clicked, this, [this] { btCF4_Click(); });
    connect(btCHG, &QPushButton::clicked, this, [this] { btCHG_Click(); });
    for (const terms::KeypadKey& key : terms::kKeypad) {
        auto* button = findChild<QPushButton*>(toQString(key.button));
        const QString text = toQString(key.inserts);
        connect(button, &QPushButton::clicked, this, [this, text] { insertIntoTerm(text); });
    }
    installKeyPressHandler(txtX, [this](int& keyAscii) { txtX_KeyPress(keyAscii); });
    for (MemoField* field : {txtF, txtFKT1, txtFKT2, txtFKT3, txtFKT4})
        installKeyPressHandler(
            field, [this](int& keyAscii) { txtF_KeyPress(keyAscii); }, Superscripts::AsPower);
    installKeyPressHandler(
        txtHilfsgleichung, [this](int& keyAscii) { txtHilfsgleichung_KeyPress(keyAscii); },
        Superscripts::AsPower);
}

void frmFunktion::btBerechnen_Click() {
    const terms::Calculation c = terms::calculate(textOf(txtF), textOf(txtX));
    txtX->setText(toQString(c.x));
    if (c.box) dialogs.message(Dialogs::Icon::None, "Polyskop", toQString(*c.box));
    lblErgebnis->setText(toQString(c.result));
    if (c.focusTerm) txtF->setFocus();
}

void frmFunktion::txtX_KeyPress(int& keyAscii) {
    keyAscii = keys::valueKey(keyAscii, keyText(txtX).view());
}

void frmFunktion::lblErgebnis_DblClick() { txtX->setText(lblErgebnis->text()); }

void frmFunktion::btC_Click() {
    lblErgebnis->setText("");
    txtF->setText("");
}

// Removes the last character of the term, wherever the caret stands.
void frmFunktion::btBS_Click() {
    QString term = txtF->text();
    if (term.isEmpty()) return;
    lblErgebnis->setText("");
    term.chop(1);
    txtF->setText(term);
}

void frmFunktion::btCVX_Click() { txtX->setText(""); }

// The double click's word selection is dropped, so that the next keypad key inserts instead of
// replacing it.
void frmFunktion::txtF_DblClick() {
    QTextCursor cursor = txtF->textCursor();
    cursor.clearSelection();
    txtF->setTextCursor(cursor);
    const QString term = txtF->text();
    if (ob1->isChecked()) txtFKT1->setText(term);
    if (ob2->isChecked()) txtFKT2->setText(term);
    if (ob3->isChecked()) txtFKT3->setText(term);
    if (ob4->isChecked()) txtFKT4->setText(term);
    if (obHG->isChecked()) txtHilfsgleichung->setText(term);
    if (obX->isChecked()) txtX->setText(term);
}

void frmFunktion::txtFKT1_DblClick() { txtF->setText(txtFKT1->text()); }
void frmFunktion::txtFKT2_DblClick() { txtF->setText(txtFKT2->text()); }
void frmFunktion::txtFKT3_DblClick() { txtF->setText(txtFKT3->text()); }
void frmFunktion::txtFKT4_DblClick() { txtF->setText(txtFKT4->text()); }
void frmFunktion::txtHilfsgleichung_DblClick() { txtF->setText(txtHilfsgleichung->text()); }

void frmFunktion::btCF1_Click() { txtFKT1->setText(""); }
void frmFunktion::btCF2_Click() { txtFKT2->setText(""); }
void frmFunktion::btCF3_Click() { txtFKT3->setText(""); }
void frmFunktion::btCF4_Click() { txtFKT4->setText(""); }
void frmFunktion::btCHG_Click() { txtHilfsgleichung->setText(""); }

// The inserted text replaces the selection; the caret then stands behind it.
void frmFunktion::insertIntoTerm(const QString& text) {
    QTextCursor cursor = txtF->textCursor();
    cursor.insertText(text);
    txtF->setTextCursor(cursor);
}

void frmFunktion::txtF_KeyPress(int& keyAscii) { keyAscii = keys::termKey(keyAscii); }

void frmFunktion::txtHilfsgleichung_KeyPress(int& keyAscii) { keyAscii = keys::cubicKey(keyAscii); }
