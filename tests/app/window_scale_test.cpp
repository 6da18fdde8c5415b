// The window at other sizes than 100 %: the zoom keys' steps, every control and font scaled, the
// handlers still measuring in twips of the tables.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMenuBar>

#include "app/scaled_area.h"
#include "app/twips.h"
#include "app/window_scale.h"
#include "input.h"
#include "test_window.h"

namespace {

TEST(WindowScale, StepsOfAQuarterWithinTheLimits) {
    EXPECT_DOUBLE_EQ(window_scale::stepped(1, 1), 1.25);
    EXPECT_DOUBLE_EQ(window_scale::stepped(1, -1), 0.75);
    // Between two steps: to the next one in the direction asked for.
    EXPECT_DOUBLE_EQ(window_scale::stepped(1.3, 1), 1.5);
    EXPECT_DOUBLE_EQ(window_scale::stepped(1.3, -1), 1.25);
    // A size in whole pixels a hair off a step counts as on it.
    EXPECT_DOUBLE_EQ(window_scale::stepped(1.2499, 1), 1.5);
    EXPECT_DOUBLE_EQ(window_scale::stepped(1.2505, -1), 1);
    EXPECT_DOUBLE_EQ(window_scale::stepped(0.75, -1), 0.75);
    EXPECT_DOUBLE_EQ(window_scale::stepped(4, 1), 4);
    // A full-HD screen's work area: the height decides.
    EXPECT_DOUBLE_EQ(window_scale::fitting({1920, 1050}), 1050.0 / 550);
    EXPECT_DOUBLE_EQ(window_scale::fitting({100, 100}), 0.75);
    EXPECT_DOUBLE_EQ(window_scale::fitting(window_scale::clientSize(1.25)), 1.25);
    EXPECT_DOUBLE_EQ(window_scale::fitting(window_scale::clientSize(0.75)), 0.75);
    EXPECT_EQ(window_scale::clientSize(1), QSize(982, 550));
}

class ScaledWindow : public testing::Test {
  protected:
    ScaledWindow() : window(dialogs) {
        window.show();
        QApplication::processEvents();
    }
    void zoomKey(Qt::Key key) {
        input::focus(txtA);
        input::key(txtA, key, Qt::ControlModifier, {});
        QApplication::processEvents();
    }
    QWidget* area() const { return window.findChild<ScaledArea*>(); }
    QRect clientArea() const {
        return QRect(window.findChild<QWidget*>("Client")->mapTo(area(), QPoint()),
                     window.findChild<QWidget*>("Client")->size());
    }
    // Every control where the tables put it, at the scale.
    void expectPlacedAt(double scale) {
        for (QWidget* control : window.findChildren<QWidget*>()) {
            const QVariant twips = control->property(kTwipsProperty);
            if (!twips.isValid()) continue;
            const QRect t = twips.toRect();
            EXPECT_EQ(control->geometry(), pixelBox(t.x(), t.y(), t.width(), t.height(), scale))
                << control->objectName().toStdString();
        }
    }

    SilentDialogs dialogs;
    frmFunktion window;
    WindowProbe probe{window};
    QWidget* txtA = probe.control<QWidget>("txtA");
};

TEST_F(ScaledWindow, ZoomKeysStepTheClientAreaAndEveryControlAndFont) {
    const double txtAPoints = txtA->font().pointSizeF();
    const double keyPoints = window.findChild<QWidget*>("bt7")->font().pointSizeF();
    EXPECT_EQ(area()->size(), QSize(982, 550));
    zoomKey(Qt::Key_Plus);
    zoomKey(Qt::Key_Plus);
    EXPECT_EQ(area()->size(), window_scale::clientSize(1.5));
    expectPlacedAt(1.5);
    EXPECT_DOUBLE_EQ(txtA->font().pointSizeF(), txtAPoints * 1.5);
    EXPECT_DOUBLE_EQ(window.findChild<QWidget*>("bt7")->font().pointSizeF(), keyPoints * 1.5);

    for (int press = 0; press < 4; ++press) zoomKey(Qt::Key_Minus);  // the last one at the least
    EXPECT_EQ(area()->size(), window_scale::clientSize(0.75));
    expectPlacedAt(0.75);

    zoomKey(Qt::Key_0);
    EXPECT_EQ(area()->size(), QSize(982, 550));
    EXPECT_EQ(probe.control<QWidget>("Label6")->geometry(), QRect(480, 27, 117, 17));
    EXPECT_DOUBLE_EQ(txtA->font().pointSizeF(), txtAPoints);
}

// Dragging the frame to other proportions: the contents as large as fit, in the middle.
TEST_F(ScaledWindow, AnAreaOfOtherProportionsCentresTheContents) {
    probe.resizeClientArea({1600, 660});
    QApplication::processEvents();
    const QSize contents = window_scale::clientSize(1.2);
    EXPECT_EQ(clientArea(), QRect(QPoint((1600 - contents.width()) / 2, 0), contents));
    expectPlacedAt(1.2);
}

}  // namespace
