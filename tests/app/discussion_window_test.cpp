// The window of the Kurvendiskussion follows the coefficient fields and goes with the main window.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTextBrowser>

#include "test_window.h"

namespace {

QWidget* discussionWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmKurvendiskussion" && w->isVisible()) return w;
    return nullptr;
}

QString shownText() {
    QWidget* window = discussionWindow();
    auto* view = window ? window->findChild<QTextBrowser*>("txtKurvendiskussion") : nullptr;
    return view ? view->toPlainText() : QString();
}

TEST(DiscussionWindow, FollowsEveryChangeOfTheFieldsAndClosesWithTheMainWindow) {
    SilentDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    window.txtA->setText("1");
    window.txtE->setText("1");
    window.showDiscussion();
    ASSERT_NE(discussionWindow(), nullptr);
    EXPECT_TRUE(shownText().contains("f hat keine reellen Nullstellen."))
        << shownText().toStdString();
    window.txtE->setText("-1");
    EXPECT_TRUE(shownText().contains("einfache Nullstelle")) << shownText().toStdString();
    window.txtC->setText("x");
    EXPECT_TRUE(shownText().contains("Der Koeffizient C ist keine Zahl: „x“."));
    EXPECT_FALSE(shownText().contains("Nullstelle"));  // nothing stale
    // One window, however often it is asked for.
    QWidget* first = discussionWindow();
    window.showDiscussion();
    EXPECT_EQ(discussionWindow(), first);
    window.close();
    EXPECT_EQ(discussionWindow(), nullptr);
}

}  // namespace
