// The help windows show all of their text.
#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPdfView>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "app/frmHelpFKT.h"
#include "manual_viewer/frmHilfe.h"
#include "terms/functions.h"

namespace {

TEST(HelpWindows, TheDescriptionFitsItsBoxAndTheFunctionListWraps) {
    frmHelpFKT window{QIcon()};
    window.show();
    const auto* label = window.findChild<QLabel*>("Label1");
    EXPECT_LE(label->heightForWidth(label->width()), label->height());
    // Every block, the last line with the maker included, lies inside the box.
    const QRect wrapped = QFontMetrics(label->font())
                              .boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
    EXPECT_LE(wrapped.bottom(), label->contentsRect().bottom());
    EXPECT_GE(label->font().pointSizeF(), 7);
    // The long lines of the function list wrap at the field's width.
    EXPECT_EQ(window.Text1->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(window.Text1->verticalScrollBar()->isVisible());
    // It lists every function a term may use.
    for (const terms::TermFunction& f : terms::kFunctions)
        EXPECT_TRUE(
            window.Text1->toPlainText().contains(QString::fromLatin1(f.name.data(), 3) + "("))
            << f.name;
}

TEST(HelpWindows, TheManualFillsTheWindowLessTheMarginsAndZoomsWithCtrlPlus) {
    frmHilfe window{QIcon()};
    window.show();
    // 75 twips, five pixels, less than the client area each way, from the first show.
    EXPECT_EQ(window.WebBrowser1->size(), window.size() - QSize(5, 5));
    window.resize(600, 400);
    EXPECT_EQ(window.WebBrowser1->size(), QSize(595, 395));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const qreal before = window.WebBrowser1->zoomFactor();
    QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(window.WebBrowser1->zoomFactor(), before);
}

}  // namespace
