// Drawing the same again and again: the retained picture and the memory stay as after the first
// drawing, and the window shows what drawing it again would show.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <vector>

#include "../../bench/resident_memory.h"
#include "input.h"
#include "plot/recording_surface.h"
#include "test_window.h"

namespace {

using Primitives = std::vector<RecordingSurface::Primitive>;

// A resident set that grows by more than this has kept something for good: 10,000 drawings of
// y kept would hold 16 million points.
constexpr double slackMB = 4;
// AddressSanitizer holds freed memory back for a while: under it only the picture is checked.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryChecked = false;
#else
constexpr bool kMemoryChecked = true;
#endif

bool same(const Primitives& a, const Primitives& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& p, const auto& q) {
        return p.isLine == q.isLine && p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 &&
               p.y2 == q.y2 && p.colour == q.colour && p.width == q.width;
    });
}

// The window after its first tick, with y = x^4 - 5x^2 + 4 and its derivatives in the fields.
class RepeatedDrawing : public testing::Test {
  protected:
    RepeatedDrawing() : window(dialogs) { prepare(window); }
    static void prepare(frmFunktion& w) {
        const WindowProbe probe(w);
        w.show();
        probe.tick();
        analyseManualExample(w);
        probe.control<MemoField>("txtFKT1")->setText("(X)^4-5*(X)^2+4");
        probe.control<MemoField>("txtFKT2")->setText("4*(X)^3-10*(X)");
        probe.control<MemoField>("txtFKT3")->setText("12*(X)^2-10");
        probe.control<MemoField>("txtFKT4")->setText("24*(X)");
        QApplication::processEvents();
    }
    // The plot square as a window shows it now.
    static QImage square(frmFunktion& w) {
        QApplication::processEvents();
        const QWidget* plot = WindowProbe(w).control<QWidget>("lblBG");
        const QRect place(plot->mapTo(&w, QPoint()), plot->size());
        return w.grab(place).toImage();
    }
    QPushButton* button(const char* name) const { return probe.control<QPushButton>(name); }
    const Primitives& retained() const { return probe.retained().primitives(); }
    Primitives since(std::size_t from) const {
        return {retained().begin() + from, retained().end()};
    }
    // Primitives painted as they arrive, as every drawing did before it was kept once.
    static void paint(frmFunktion& w, const Primitives& primitives) {
        Surface& surface = WindowProbe(w).surface();
        for (const auto& p : primitives) {
            surface.setPenWidth(p.width);
            if (p.isLine)
                surface.line(p.x1, p.y1, p.x2, p.y2, p.colour);
            else
                surface.point(p.x1, p.y1, p.colour);
        }
    }

    AnsweringDialogs dialogs;
    frmFunktion window;
    WindowProbe probe{window};
};

TEST_F(RepeatedDrawing, TenThousandPressesKeepThePictureAndTheMemoryOfTheFirst) {
    button("btZ1")->click();
    QApplication::processEvents();
    const Primitives first = retained();
    ASSERT_GT(first.size(), 1000u);
    const QImage shown = square(window);
    const double memory = residentMB();
    for (int i = 0; i < 10000; ++i) button("btZ1")->click();
    QApplication::processEvents();
    EXPECT_EQ(retained().size(), first.size());
    EXPECT_TRUE(same(retained(), first));
    EXPECT_EQ(square(window), shown);
    if (kMemoryChecked) {
        EXPECT_LT(residentMB(), memory + slackMB);
    }
    EXPECT_EQ(probe.retained().penWidth(), 2);
}

// Each button, each mode: the same drawing is kept once, another one is drawn as always.
TEST_F(RepeatedDrawing, OnlyTheSameTermViewColourWidthAndModeCountAsTheSame) {
    for (const char* b : {"btZ1", "btZ2", "btZ3", "btZ4"}) button(b)->click();
    const std::size_t four = retained().size();
    for (const char* b : {"btZ4", "btZ3", "btZ2", "btZ1"}) button(b)->click();
    EXPECT_EQ(retained().size(), four);

    probe.control<QRadioButton>("obStrich")->setChecked(true);  // y in line mode is another drawing
    button("btZ1")->click();
    const std::size_t lines = retained().size();
    EXPECT_GT(lines, four);
    button("btZ1")->click();
    EXPECT_EQ(retained().size(), lines);

    probe.control<QComboBox>("cbStrich")->setEditText("3");  // so is a wider pen
    button("btZ1")->click();
    EXPECT_GT(retained().size(), lines);
    EXPECT_EQ(probe.retained().penWidth(), 3);
    const std::size_t wide = retained().size();
    probe.control<QComboBox>("cbStrich")->setEditText("1");
    button("btZ1")->click();
    probe.control<QComboBox>("cbStrich")->setEditText("3");
    button("btZ1")->click();
    EXPECT_EQ(probe.retained().penWidth(), 3);  // the pen as the drawing leaves it
    EXPECT_EQ(retained().size(), wide + (wide - lines));

    // After a wipe (the grid switched off) everything is drawn anew.
    button("cbHL")->click();
    const std::size_t axes = retained().size();
    button("btZ1")->click();
    EXPECT_GT(retained().size(), axes);
}

// y, then y' over it, then y again: y's primitives move over y', kept once, and the square shows
// what painting y a second time showed.
TEST_F(RepeatedDrawing, ACurveDrawnAgainOverAnotherComesToTheTopAsDrawingItAgainWould) {
    // The legend names the curves each window drew itself, which differ; the pictures must not.
    const auto withoutLegend = [](frmFunktion& w) {
        for (QAction* entry : w.findChildren<QAction*>())
            if (entry->text() == "&Legende") entry->setChecked(false);
    };
    withoutLegend(window);
    const std::size_t base = retained().size();
    button("btZ1")->click();
    const Primitives y = since(base);
    button("btZ2")->click();
    const Primitives before = retained();
    const Primitives dy = since(base + y.size());
    ASSERT_FALSE(y.empty());
    ASSERT_FALSE(dy.empty());

    button("btZ1")->click();
    Primitives expected(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(base));
    expected.insert(expected.end(), dy.begin(), dy.end());
    expected.insert(expected.end(), y.begin(), y.end());
    EXPECT_TRUE(same(retained(), expected));

    AnsweringDialogs otherDialogs;
    frmFunktion drawnTwice(otherDialogs);
    prepare(drawnTwice);
    withoutLegend(drawnTwice);
    paint(drawnTwice, y);
    paint(drawnTwice, dy);
    paint(drawnTwice, y);
    EXPECT_EQ(square(window), square(drawnTwice));

    // y' again now comes over y, and the picture still follows.
    button("btZ2")->click();
    paint(drawnTwice, dy);
    EXPECT_EQ(retained().size(), before.size());
    EXPECT_EQ(square(window), square(drawnTwice));
}

// A drawing that ends in a failure keeps what it drew once and says so at every press.
TEST_F(RepeatedDrawing, AFailureIsReportedAtEveryPress) {
    probe.control<MemoField>("txtFKT2")->setText("2+0/((X)+9.988)");  // fails at the fourth sample
    dialogs.messages.clear();
    const std::size_t base = retained().size();
    button("btZ2")->click();
    EXPECT_EQ(retained().size(), base + 3);
    button("btZ2")->click();
    EXPECT_EQ(retained().size(), base + 3);
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0], dialogs.messages[1]);
    EXPECT_EQ(dialogs.messages[0].toStdString(), "Fehler in der 2. Funktion\r\n11");
}

// Zooming in and out with the wheel draws the view anew on a wiped surface each time.
TEST_F(RepeatedDrawing, WheelTurnsHoldNoMoreThanOneView) {
    for (const char* b : {"btZ1", "btZ2", "btZ3", "btZ4"}) button(b)->click();
    const QPoint middle = probe.control<QWidget>("lblBG")->mapTo(&window, QPoint(233, 233));
    input::wheel(&window, middle, 1);
    input::wheel(&window, middle, -1);
    QApplication::processEvents();
    const Primitives view = retained();
    const double memory = residentMB();
    for (int i = 0; i < 200; ++i) {
        input::wheel(&window, middle, 1);
        input::wheel(&window, middle, -1);
    }
    QApplication::processEvents();
    EXPECT_TRUE(same(retained(), view));
    if (kMemoryChecked) {
        EXPECT_LT(residentMB(), memory + slackMB);
    }
}

}  // namespace
