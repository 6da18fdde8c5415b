#include "discussion_window/frmSteckbrief.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "discussion_window/document_view.h"
#include "document/steckbrief_document.h"

frmSteckbrief::frmSteckbrief(const QIcon& icon)
    : cboGrad(new QComboBox(this)),
      txtBedingungen(new QPlainTextEdit(this)),
      btLoesen(new QPushButton("Lösen", this)),
      btUebernehmen(new QPushButton("Übernehmen", this)),
      txtLoesungsweg(new DocumentView(this)) {
    setObjectName("frmSteckbrief");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Steckbrief – Polyskop");
    setWindowIcon(icon);

    cboGrad->setObjectName("cboGrad");
    cboGrad->addItems({"2", "3", "4"});
    cboGrad->setCurrentText("3");
    txtBedingungen->setObjectName("txtBedingungen");
    txtBedingungen->setTabChangesFocus(true);
    txtBedingungen->setPlaceholderText("H(1|4)\nT(3|0)");
    btLoesen->setObjectName("btLoesen");
    btUebernehmen->setObjectName("btUebernehmen");
    btUebernehmen->setEnabled(false);
    btUebernehmen->setToolTip("Schreibt die Koeffizienten in die Felder A bis E des Hauptfensters");
    txtLoesungsweg->setObjectName("txtLoesungsweg");
    txtLoesungsweg->setAccessibleName("Lösungsweg");
    QFont font = txtLoesungsweg->font();
    font.setPointSizeF(11);
    txtLoesungsweg->setFont(font);

    auto* gradLabel = new QLabel("&Grad der Funktion:", this);
    gradLabel->setBuddy(cboGrad);
    auto* conditionsLabel = new QLabel("&Bedingungen, eine je Zeile:", this);
    conditionsLabel->setBuddy(txtBedingungen);
    auto* hint = new QLabel(
        "f(2) = 1, f'(0) = 0, f''(1) = 0\nP(1|2), N(3)\nH(1|4), T(3|0), E(0|1)\nW(2|2), S(0|0)\n"
        "t(1): y = 2x - 1\nachsensymmetrisch\npunktsymmetrisch",
        this);
    hint->setForegroundRole(QPalette::PlaceholderText);

    auto* layout = new QGridLayout(this);
    layout->addWidget(gradLabel, 0, 0);
    layout->addWidget(cboGrad, 0, 1);
    layout->addWidget(conditionsLabel, 1, 0, 1, 2);
    layout->addWidget(txtBedingungen, 2, 0, 1, 2);
    layout->addWidget(hint, 3, 0, 1, 2);
    layout->addWidget(btLoesen, 4, 0);
    layout->addWidget(btUebernehmen, 4, 1);
    layout->addWidget(txtLoesungsweg, 0, 2, 6, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
    layout->setColumnMinimumWidth(0, 110);
    resize(860, 620);

    connect(btLoesen, &QPushButton::clicked, this, [this] { solve(); });
    connect(btUebernehmen, &QPushButton::clicked, this, [this] { takeSolution(); });
    connect(txtBedingungen, &QPlainTextEdit::textChanged, this, [this] { conditionsChanged(); });
    connect(cboGrad, &QComboBox::currentIndexChanged, this, [this] { conditionsChanged(); });
    txtLoesungsweg->show(doc::steckbriefDocument(steckbrief::answer("", 3), ""));
}

void frmSteckbrief::solve() {
    const std::string conditions = txtBedingungen->toPlainText().toStdString();
    answer_ = steckbrief::answer(conditions, cboGrad->currentText().toInt());
    txtLoesungsweg->show(doc::steckbriefDocument(*answer_, conditions));
    btUebernehmen->setEnabled(answer_->unique());
    // What the tests read.
    setProperty("steckbrief.result", QString::fromStdString(steckbrief::resultText(*answer_)));
    setProperty("steckbrief.check", QString::fromStdString(steckbrief::checkText(*answer_)));
}

void frmSteckbrief::takeSolution() {
    if (!answer_ || !answer_->unique() || !take_) return;
    std::array<QString, 5> texts, fractions;
    const std::vector<exact::Rational> coefficients = answer_->coefficientsAtoE();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = QString::fromStdString(steckbrief::fieldText(coefficients[i]));
        fractions[i] = QString::fromStdString(coefficients[i].text());
    }
    take_(texts, fractions);
}

void frmSteckbrief::conditionsChanged() { btUebernehmen->setEnabled(false); }
