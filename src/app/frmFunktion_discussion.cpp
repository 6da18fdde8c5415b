// The window of the exact Kurvendiskussion, which follows the coefficient fields.
#include "app/discussion_window.h"
#include "app/frmFunktion.h"
#include "app/show_once.h"

void frmFunktion::showDiscussion() {
    showOnce(discussion_, [this]() -> DiscussionWindow* {
        QString failure;
        DiscussionWindow* window = newDiscussionWindow(windowIcon(), failure);
        if (!window) dialogs.message(Dialogs::Icon::Stop, "Polyskop", failure);
        return window;
    });
    followDiscussion();
}

void frmFunktion::followDiscussion() {
    if (discussion_)
        discussion_->follow({txtA->text(), txtB->text(), txtC->text(), txtD->text(), txtE->text()});
}
