// The window as a desktop meets it: editing shortcuts in the filtered fields, places in pixels.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>

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
    QLineEdit* field(const char* name) const { return probe.control<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return probe.control<QComboBox>(name); }

    SilentDialogs dialogs;
    frmFunktion window;
    WindowProbe probe{window};
};

TEST_F(OffscreenWindow, RangeFieldCutUndoRedoRunItsChangeHandling) {
    press(field("txtIX1"), Qt::Key_A);
    EXPECT_EQ(field("txtIX1")->selectedText(), "-10");
    press(field("txtIX1"), Qt::Key_X);
    EXPECT_EQ(field("txtIX1")->text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "-10");
    press(field("txtIX1"), Qt::Key_Z);
    EXPECT_EQ(field("txtIX1")->text(), "-10");
    EXPECT_EQ(probe.retained().lines(), 2);  // the change handling drew the axes again
    press(field("txtIX1"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field("txtIX1")->text(), "");
}

TEST_F(OffscreenWindow, SpacingListCutAndUndoDrawTheGrid) {
    probe.tick();
    const int before = probe.retained().lines();
    press(list("txtXA"), Qt::Key_A);
    press(list("txtXA"), Qt::Key_X);
    EXPECT_EQ(list("txtXA")->currentText(), "");
    press(list("txtXA"), Qt::Key_Z);
    EXPECT_EQ(list("txtXA")->currentText(), "1");
    EXPECT_GT(probe.retained().lines(), before);  // the grid drawn over the picture
}

TEST_F(OffscreenWindow, CoefficientCutEmptiesTheResultsAsBackspaceWould) {
    field("txtA")->setText("1");
    field("txtP01X")->setText("2");
    press(field("txtA"), Qt::Key_A);
    press(field("txtA"), Qt::Key_X);
    EXPECT_EQ(field("txtA")->text(), "");
    EXPECT_EQ(field("txtP01X")->text(), "");
    // A result field lets Backspace pass, so it lets select all and cut pass too.
    field("txtPE1X")->setText("3");
    press(field("txtPE1X"), Qt::Key_A);
    press(field("txtPE1X"), Qt::Key_X);
    EXPECT_EQ(field("txtPE1X")->text(), "");
}

// Twips become pixels by rounding: Label6 at 400 twips stands at 27 pixels (26,7), not 26.
TEST_F(OffscreenWindow, PlacesAreTheTablesTwipsRounded) {
    EXPECT_EQ(probe.control<QWidget>("Label6")->geometry(), QRect(480, 27, 117, 17));
    EXPECT_EQ(probe.control<QWidget>("obHG")->geometry().topLeft(), QPoint(488, 165));
}

}  // namespace
