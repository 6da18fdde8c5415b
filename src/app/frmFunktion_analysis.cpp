// The curve analysis: coefficient fields, the run, the result panel.

#include "analysis/curve_analysis.h"
#include "app/frmFunktion.h"

QWidget* frmFunktion::analysisField(analysis::Field f) const {
    return analysisFields_[static_cast<std::size_t>(f)];
}

void frmFunktion::writeFields(std::span<const analysis::Field> fields, const std::string& text) {
    for (analysis::Field f : fields) {
        panel_.show(f, text);
        setFieldText(analysisField(f), toQString(text));
    }
}

// A result shows its beginning, sign and leading digits, however long it is.
void frmFunktion::writeResult(analysis::Field f, const std::string& text) {
    panel_.show(f, text);
    QWidget* field = analysisField(f);
    setFieldText(field, toQString(text));
    if (auto* line = qobject_cast<QLineEdit*>(field)) line->setCursorPosition(0);
}

// The panel follows its fields as the user edits them too: Backspace in a result, a typed P01X.
void frmFunktion::readPanelEdits() {
    for (std::size_t i = 0; i < analysis::kFieldCount; ++i) {
        const auto f = static_cast<analysis::Field>(i);
        QWidget* field = analysisField(f);
        panel_.show(f, textOf(field));  // as the layout left it
        if (auto* line = qobject_cast<QLineEdit*>(field))
            connect(line, &QLineEdit::textChanged, this,
                    [this, f, line] { panel_.show(f, textOf(line)); });
        else if (auto* memo = qobject_cast<MemoField*>(field))
            connect(memo, &MemoField::changed, this,
                    [this, f, memo] { panel_.show(f, textOf(memo)); });
    }
}

void frmFunktion::LoeschErgebnisse() {
    analysed.koeff = {};
    analysed.hg = {};
    writeFields(analysis::kClearedResults, "");
}

void frmFunktion::LoeschFunktionen() { writeFields(analysis::kFunctionFields, ""); }

void frmFunktion::ZeigErgebnisfelder() {
    EingabeOK = true;
    txtHilfsgleichung->setText("");
    const bool show = analysis::panelShows(panel_.text(analysis::Field::Fkt1));
    for (const auto& [index, label] : lblPArray_) label->setVisible(show);
    for (analysis::Field f : analysis::kResultFields) analysisField(f)->setVisible(show);
    for (analysis::Field f : analysis::kKindLabels) analysisField(f)->setVisible(show);
    EingabeOK = show;
}

void frmFunktion::btStartKD_Click() {
    txtFKT2->setText("");
    txtFKT3->setText("");
    txtFKT4->setText("");
    ZeigErgebnisfelder();
    if (!EingabeOK) return;
    const analysis::RunResult run =
        analysis::runCurveAnalysis({coefficients_, panel_.text(analysis::Field::P01X),
                                    view_.ranges.ix1, view_.ranges.ix2, analysed});
    analysed = run.shared;
    for (const analysis::RunStep& step : run.steps) {
        switch (step.kind) {
            case analysis::RunStep::Kind::Write:
                writeResult(step.field, step.text);
                break;
            case analysis::RunStep::Kind::Message:
                dialogs.message(Dialogs::Icon::Info, "Polyskop", toQString(step.text));
                break;
            case analysis::RunStep::Kind::Refusal:
                dialogs.message(Dialogs::Icon::Stop, "Polyskop", toQString(step.text));
                break;
            case analysis::RunStep::Kind::DrawY:
                ZeichneY();
                break;
            case analysis::RunStep::Kind::PressZ1:
                btZ1_Click();
                break;
        }
    }
}

// The curves drawn from the old terms go with them: the plot is wiped to its axes and grid.
void frmFunktion::coefficientChanged(const TextField* field, numtext::FieldValue& coefficient) {
    coefficient = textOf(field);
    forgetEditedFractions();
    txtP01X->setText("");
    txtP01Y->setText("");
    LoeschErgebnisse();
    LoeschFunktionen();
    ZeichneAchsen();
    ZeichneHilfslinien();
    followDiscussion();
}

void frmFunktion::btCKo_Click() {
    for (TextField* f : {txtA, txtB, txtC, txtD, txtE}) f->setText("");
}

void frmFunktion::btCKD_Click() {
    writeFields(analysis::kResultFields, "");
    writeFields(analysis::kKindLabels, "");
}

void frmFunktion::connectAnalysisHandlers() {
    // In the order of analysis::Field.
    analysisFields_ = {txtFKT1, txtFKT2, txtFKT3, txtFKT4, txtHilfsgleichung, txtP01X,  txtP01Y,
                       txtP02X, txtP02Y, txtP03X, txtP03Y, txtP04X,           txtP04Y,  txtPE1X,
                       txtPE1Y, txtPE2X, txtPE2Y, txtPE3X, txtPE3Y,           txtPW1X,  txtPW1Y,
                       txtPW2X, txtPW2Y, txtPYX,  txtPYY,  lblMMPE1,          lblMMPE2, lblMMPE3};
    readPanelEdits();
    TextField* koeff[] = {txtA, txtB, txtC, txtD, txtE};
    for (int i = 0; i < 5; ++i) {
        TextField* f = koeff[i];
        TextField* next = i < 4 ? koeff[i + 1] : nullptr;
        installKeyPressHandler(f, [f, next](int& key) {
            const keys::KeyOutcome out = keys::coefficientKey(key, keyText(f).view(), next);
            if (out.nextField) {
                next->setFocus();
                next->setText("");
            }
            key = out.key;
        });
        coefficients_[i] = textOf(f);  // as the layout left it
        connect(f, &QLineEdit::textChanged, this,
                [this, f, i] { coefficientChanged(f, coefficients_[i]); });
    }
    connect(btCKo, &QPushButton::clicked, this, [this] { btCKo_Click(); });
    connect(btCKD, &QPushButton::clicked, this, [this] { btCKD_Click(); });
    connect(btStartKD, &QPushButton::clicked, this, [this] { btStartKD_Click(); });

    installKeyPressHandler(txtP01X, [this](int& key) {
        const keys::KeyOutcome out = keys::p01Key(key, keyText(txtP01X).view());
        if (out.setText) txtP01X->setText(toQString(*out.setText));
        if (out.p01y) txtP01Y->setText(toQString(*out.p01y));
        key = out.key;
    });
    for (analysis::Field field : analysis::kResultFields) {
        auto* f = static_cast<TextField*>(analysisField(field));
        if (f != txtP01X) installKeyPressHandler(f, [](int& key) { key = keys::resultKey(key); });
        connect(f, &TextField::doubleClicked, this, [this, f, field] {
            txtF->setText(f->objectName().mid(3) + " = " + toQString(panel_.text(field)));
        });
    }
}
