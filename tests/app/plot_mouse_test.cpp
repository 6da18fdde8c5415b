// Dragging the view and reading the plot while a button is held: mouse moves, which a scenario
// cannot send.
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>

#include "input.h"
#include "plot/recording_surface.h"
#include "test_window.h"

namespace {

// The window after its first tick, with y = x^4 - 5x^2 + 4 drawn over the grid.
class PlotMouse : public testing::Test {
  protected:
    PlotMouse() : window(dialogs) {
        window.show();
        probe.tick();
        analyseManualExample(window);
        probe.control<QPushButton>("btZ1")->click();
    }
    // The plot square as the window shows it now.
    QImage square() {
        const QRect place(plot->mapTo(&window, QPoint()), plot->size());
        return window.grab(place).toImage();
    }
    std::string primitives() const { return probe.retained().list(); }
    std::string text(const char* name) const { return fieldText(probe.find(name)).toStdString(); }

    SilentDialogs dialogs;
    frmFunktion window;
    WindowProbe probe{window};
    QWidget* plot = probe.control<QWidget>("lblBG");
    // The middle of the square, in pixels of lblBG.
    const QPoint middle{233, 233};
};

TEST_F(PlotMouse, DraggingMovesThePictureAtOnceAndSetsTheRangesOnRelease) {
    const QImage before = square();
    const std::string drawn = primitives();
    input::press(plot, Qt::LeftButton, {}, middle);
    input::move(plot, Qt::LeftButton, {}, middle + QPoint(20, 0));
    input::move(plot, Qt::LeftButton, {}, middle + QPoint(47, -23));
    // The retained picture, shifted: nothing evaluated, no field touched.
    const QImage moved = square();
    EXPECT_EQ(primitives(), drawn);
    EXPECT_EQ(text("txtIX1"), "-10");
    int same = 0, compared = 0;
    for (int y = 40; y < 400; y += 7)
        for (int x = 0; x < 400; x += 3, ++compared)
            same += before.pixel(x, y) == moved.pixel(x + 47, y - 23);
    EXPECT_GT(same, compared * 99 / 100);

    // 47 pixels are 705 twips, 2,01 to the right, rounded to 2: the view shows what lay 2 to the
    // left. 23 pixels up are 0,98, rounded to 1: it shows what lay below.
    input::release(plot, Qt::LeftButton, {}, middle + QPoint(47, -23));
    EXPECT_EQ(text("txtIX1"), "-12");
    EXPECT_EQ(text("txtIX2"), "8");
    EXPECT_EQ(text("txtIY1"), "-11");
    EXPECT_EQ(text("txtIY2"), "9");
    EXPECT_EQ(text("txtXA"), "1");
    EXPECT_EQ(text("lblZoom"), "1");
    // Drawn anew as after a zoom: the grid and the curve of y (red) in the moved view.
    EXPECT_NE(primitives(), drawn);
    EXPECT_NE(primitives().find("#FF0000"), std::string::npos);
    // The picture stands where the primitives say again.
    EXPECT_NE(square(), moved);
}

// With a fine spacing a drag of two pixels already moves the view by what they span.
TEST_F(PlotMouse, ADragOfTwoPixelsMovesAFineView) {
    probe.setText(probe.find("txtXA"), "0,01");
    input::press(plot, Qt::LeftButton, {}, middle);
    input::move(plot, Qt::LeftButton, {}, middle + QPoint(2, 0));
    input::release(plot, Qt::LeftButton, {}, middle + QPoint(2, 0));
    EXPECT_EQ(text("txtIX1"), "-10,086");  // 30 twips of 7005 across 20
    EXPECT_EQ(text("txtIX2"), "9,914");
}

TEST_F(PlotMouse, AnUnmovedPressOrAnotherButtonIsNoDrag) {
    input::press(plot, Qt::LeftButton, {}, middle);
    input::release(plot, Qt::LeftButton, {}, middle);
    input::press(plot, Qt::RightButton, {}, middle);
    input::move(plot, Qt::RightButton, {}, middle + QPoint(60, 0));
    input::release(plot, Qt::RightButton, {}, middle + QPoint(60, 0));
    EXPECT_EQ(text("txtIX1"), "-10");
    EXPECT_EQ(text("txtIX2"), "10");
    EXPECT_EQ(text("txtIY1"), "-10");
}

TEST_F(PlotMouse, TheRightButtonHeldReadsThePointAndWithCtrlTracesTheCurve) {
    input::press(plot, Qt::RightButton, {}, middle);
    EXPECT_EQ(text("lblPo"), "Po1( 0 ; 0 )");
    // 2 right and 1 up: 47 and 23 pixels.
    input::move(plot, Qt::RightButton, {}, middle + QPoint(47, -23));
    EXPECT_EQ(text("lblPo"), "Po1( 2 ; 1 )");
    // Ctrl held: x under the pointer, y from the curve, y(2) = 0, y(1,5) = -2,1875.
    input::move(plot, Qt::RightButton, Qt::ControlModifier, middle + QPoint(47, -23));
    EXPECT_EQ(text("lblPo"), "Po1( 2 ; 0 )");
    input::move(plot, Qt::RightButton, Qt::ControlModifier, middle + QPoint(35, 90));
    EXPECT_EQ(text("lblPo"), "Po1( 1,5 ; -2,2 )");
    input::release(plot, Qt::RightButton, Qt::ControlModifier, middle + QPoint(35, 90));
    // Moves without a button held leave the readout alone.
    input::move(plot, Qt::NoButton, {}, middle);
    EXPECT_EQ(text("lblPo"), "Po1( 1,5 ; -2,2 )");
    // Where the term has no value the readout stays.
    probe.control<MemoField>("txtFKT1")->setText("LN(X)");
    input::press(plot, Qt::RightButton, {}, middle + QPoint(35, 0));
    input::move(plot, Qt::RightButton, Qt::ControlModifier, middle - QPoint(35, 0));
    EXPECT_EQ(text("lblPo"), "Po1( 1,5 ; 0 )");
}

}  // namespace
