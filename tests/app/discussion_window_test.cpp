// The window of the Kurvendiskussion follows the coefficient fields and goes with the main window.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTextBrowser>

#include "test_window.h"

namespace {

QWidget* discussionWindow() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmKurvendiskussion" && top->isVisible()) return top;
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
    const WindowProbe probe(window);
    const auto field = [&probe](const char* name) { return probe.control<QLineEdit>(name); };
    window.show();
    field("txtA")->setText("1");
    field("txtE")->setText("1");
    chooseMenu(window, "Ansicht/Kurvendiskussion …");
    ASSERT_NE(discussionWindow(), nullptr);
    EXPECT_TRUE(shownText().contains("f hat keine reellen Nullstellen."))
        << shownText().toStdString();
    field("txtE")->setText("-1");
    EXPECT_TRUE(shownText().contains("einfache Nullstelle")) << shownText().toStdString();
    field("txtC")->setText("x");
    EXPECT_TRUE(shownText().contains("Der Koeffizient C ist keine Zahl: „x“."));
    EXPECT_FALSE(shownText().contains("Nullstelle"));  // nothing stale
    // One window, however often it is asked for.
    QWidget* first = discussionWindow();
    chooseMenu(window, "Ansicht/Kurvendiskussion …");
    EXPECT_EQ(discussionWindow(), first);
    window.close();
    EXPECT_EQ(discussionWindow(), nullptr);
}

}  // namespace
