#include "discussion_window/frmKurvendiskussion.h"

#include <QVBoxLayout>

#include "discussion_window/discussion_exports.h"
#include "discussion_window/document_view.h"

frmKurvendiskussion::frmKurvendiskussion(const QIcon& icon)
    : txtKurvendiskussion(new DocumentView(this)) {
    setObjectName("frmKurvendiskussion");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Kurvendiskussion – Polyskop");
    setWindowIcon(icon);
    txtKurvendiskussion->setObjectName("txtKurvendiskussion");
    QFont font = txtKurvendiskussion->font();
    font.setPointSizeF(11);
    txtKurvendiskussion->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtKurvendiskussion);
    resize(620, 760);
}

void frmKurvendiskussion::follow(const std::array<QString, 5>& coefficients) {
    txtKurvendiskussion->show(discussionDocumentOf(coefficients));
}
