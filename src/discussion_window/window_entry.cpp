// The library's entries. The main window looks them up by name when the Kurvendiskussion or the
// Steckbrief is first asked for, so that FLINT and Arb are loaded then and not at every start.
#include "discussion_window/discussion_exports.h"
#include "discussion_window/frmKurvendiskussion.h"
#include "discussion_window/frmSteckbrief.h"
#include "document/html.h"
#include "document/latex.h"
#include "document/plain_text.h"

extern "C" Q_DECL_EXPORT DiscussionWindow* polyskopDiscussionWindow(const QIcon* icon) {
    return new frmKurvendiskussion(*icon);
}

extern "C" Q_DECL_EXPORT SteckbriefWindow* polyskopSteckbriefWindow(const QIcon* icon) {
    return new frmSteckbrief(*icon);
}

extern "C" Q_DECL_EXPORT void polyskopDiscussionTexts(const CoefficientTexts* coefficients,
                                                      DiscussionTexts* texts) {
    const doc::Document document = discussionDocumentOf(*coefficients);
    texts->plain = QString::fromStdString(doc::plainText(document));
    texts->html = QString::fromStdString(doc::html(document));
    texts->latex = QString::fromStdString(doc::latex(document));
}

extern "C" Q_DECL_EXPORT void polyskopPaintDiscussion(QPagedPaintDevice* device,
                                                      const CoefficientTexts* coefficients,
                                                      const DiscussionPicture* picture) {
    paintDocument(*device, discussionDocumentOf(*coefficients), picture);
}
