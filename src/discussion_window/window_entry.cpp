// The library's entries. The main window looks them up by name when the Kurvendiskussion is
// first asked for, so that FLINT and Arb are loaded then and not at every start of the program.
#include "discussion_window/discussion_exports.h"
#include "discussion_window/frmKurvendiskussion.h"
#include "document/html.h"
#include "document/latex.h"
#include "document/plain_text.h"

namespace {

std::array<QString, 5> fields(const QString* coefficients) {
    return {coefficients[0], coefficients[1], coefficients[2], coefficients[3], coefficients[4]};
}

}  // namespace

extern "C" Q_DECL_EXPORT DiscussionWindow* polyskopDiscussionWindow(const QIcon* icon) {
    return new frmKurvendiskussion(*icon);
}

extern "C" Q_DECL_EXPORT void polyskopDiscussionTexts(const QString* coefficients,
                                                      DiscussionTexts* texts) {
    const doc::Document document = discussionDocumentOf(fields(coefficients));
    texts->plain = QString::fromStdString(doc::plainText(document));
    texts->html = QString::fromStdString(doc::html(document));
    texts->latex = QString::fromStdString(doc::latex(document));
}

extern "C" Q_DECL_EXPORT void polyskopPaintDiscussion(QPagedPaintDevice* device,
                                                      const QString* coefficients,
                                                      const DiscussionPicture* picture) {
    paintDocument(*device, discussionDocumentOf(fields(coefficients)), picture);
}
