// The window as a desktop meets it: editing shortcuts in the filtered fields, places in pixels.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>

#include "input.h"
#include "plot/recording_surface.h"
#include "test_window.h"

namespace {

class OffscreenWindow : public testing::Test {
  protected:
    OffscreenWindow() : window(dialogs) { window.show(); }
    void press(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        input::focus(field);
        input::key(field, key, modifiers, {});
    }

    SilentDialogs dialogs;
    frmFunktion window;
};

TEST_F(OffscreenWindow, RangeFieldCutUndoRedoRunItsChangeHandling) {
    press(window.txtIX1, Qt::Key_A);
    EXPECT_EQ(window.txtIX1->selectedText(), "-10");
    press(window.txtIX1, Qt::Key_X);
    EXPECT_EQ(window.txtIX1->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "-10");
    press(window.txtIX1, Qt::Key_Z);
    EXPECT_EQ(window.txtIX1->text(), "-10");
    EXPECT_EQ(window.retained().lines(), 2);  // the change handling drew the axes again
    press(window.txtIX1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.txtIX1->text(), "");
}

TEST_F(OffscreenWindow, SpacingListCutAndUndoDrawTheGrid) {
    window.Timer1_Timer();
    const int before = window.retained().lines();
    press(window.txtXA, Qt::Key_A);
    press(window.txtXA, Qt::Key_X);
    EXPECT_EQ(window.txtXA->currentText(), "");
    press(window.txtXA, Qt::Key_Z);
    EXPECT_EQ(window.txtXA->currentText(), "1");
    EXPECT_GT(window.retained().lines(), before);  // the grid drawn over the picture
}

TEST_F(OffscreenWindow, CoefficientCutEmptiesTheResultsAsBackspaceWould) {
    window.txtA->setText("1");
    window.txtP01X->setText("2");
    press(window.txtA, Qt::Key_A);
    press(window.txtA, Qt::Key_X);
    EXPECT_EQ(window.txtA->text(), "");
    EXPECT_EQ(window.txtP01X->text(), "");
    // A result field lets Backspace pass, so it lets select all and cut pass too.
    window.txtPE1X->setText("3");
    press(window.txtPE1X, Qt::Key_A);
    press(window.txtPE1X, Qt::Key_X);
    EXPECT_EQ(window.txtPE1X->text(), "");
}

// Twips become pixels by rounding: Label6 at 400 twips stands at 27 pixels (26,7), not 26.
TEST_F(OffscreenWindow, PlacesAreTheTablesTwipsRounded) {
    EXPECT_EQ(window.Label6->geometry(), QRect(480, 27, 117, 17));
    EXPECT_EQ(window.obHG->geometry().topLeft(), QPoint(488, 165));
}

}  // namespace
