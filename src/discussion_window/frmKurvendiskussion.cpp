#include "discussion_window/frmKurvendiskussion.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "discussion_window/discussion_exports.h"
#include "discussion_window/document_view.h"

frmKurvendiskussion::frmKurvendiskussion(const QIcon& icon)
    : cboLoesungsformel(new QComboBox(this)), txtKurvendiskussion(new DocumentView(this)) {
    setObjectName("frmKurvendiskussion");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Kurvendiskussion – Polyskop");
    setWindowIcon(icon);

    cboLoesungsformel->setObjectName("cboLoesungsformel");
    cboLoesungsformel->addItems({"pq-Formel", "Mitternachtsformel"});
    cboLoesungsformel->setCurrentIndex(
        chosenQuadraticFormula() == doc::QuadraticFormula::Midnight ? 1 : 0);
    auto* formulaLabel = new QLabel("&Quadratische Gleichungen lösen mit der", this);
    formulaLabel->setBuddy(cboLoesungsformel);
    connect(cboLoesungsformel, &QComboBox::currentIndexChanged, this, [this](int index) {
        chosenQuadraticFormula() =
            index == 1 ? doc::QuadraticFormula::Midnight : doc::QuadraticFormula::Pq;
        follow(coefficients_);
    });

    txtKurvendiskussion->setObjectName("txtKurvendiskussion");
    txtKurvendiskussion->setAccessibleName("Kurvendiskussion");
    QFont font = txtKurvendiskussion->font();
    font.setPointSizeF(11);
    txtKurvendiskussion->setFont(font);

    auto* choice = new QHBoxLayout;
    choice->setContentsMargins(12, 8, 12, 8);
    choice->addWidget(formulaLabel);
    choice->addWidget(cboLoesungsformel);
    choice->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(choice);
    layout->addWidget(txtKurvendiskussion);
    resize(620, 760);
}

void frmKurvendiskussion::follow(const CoefficientTexts& coefficients) {
    coefficients_ = coefficients;
    txtKurvendiskussion->show(discussionDocumentOf(coefficients));
}
