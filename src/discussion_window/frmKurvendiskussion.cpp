#include "discussion_window/frmKurvendiskussion.h"

#include <QVBoxLayout>
#include <variant>

#include "discussion_window/document_view.h"
#include "document/discussion_document.h"
#include "exact/coefficients.h"

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
    std::array<std::string, 5> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = coefficients[i].toStdString();
    const auto read = exact::readCoefficients(texts);
    if (const auto* error = std::get_if<exact::ReadError>(&read))
        txtKurvendiskussion->show(
            doc::unreadableDocument(*error, texts[static_cast<std::size_t>(error->field)]));
    else
        txtKurvendiskussion->show(
            doc::discussionDocument(exact::discuss(std::get<exact::Coefficients>(read))));
}
