#pragma once

// The real main window, shown offscreen with its first drawing done, its dialogs answered
// silently: what the benchmarks drive.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QWheelEvent>
#include <map>
#include <string>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/frmFunktion.h"
#include "app/window_probe.h"

class SilentDialogs : public Dialogs {
  public:
    void message(Icon, const QString&, const QString&) override {}
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

struct OffscreenWindow {
    SilentDialogs dialogs;
    frmFunktion w{dialogs};
    WindowProbe probe{w};
    OffscreenWindow() {
        w.show();
        probe.tick();
        QApplication::processEvents();
    }
    // Found once by name: a search of the window at every press would weigh in the figures.
    QPushButton* button(const char* name) const {
        QPushButton*& found = buttons_[name];
        if (!found) found = probe.control<QPushButton>(name);
        return found;
    }
    QLineEdit* field(const char* name) const { return probe.control<QLineEdit>(name); }
    // The program sets a spacing list's text, its change handling included.
    void setSpacing(const char* name, const QString& text) const {
        probe.setText(probe.find(name), text);
    }
    // The grid switched off and on again: the surface wiped, the axes and the grid drawn anew.
    void redrawGrid() const {
        button("cbHL")->click();
        button("cbHL")->click();
    }
    QWidget* const plot = probe.control<QWidget>("lblBG");

  private:
    mutable std::map<std::string, QPushButton*> buttons_;
};

// The analysis of x^4 - 5x^2 + 4 with the zero 1 given: every result row filled, the points marked.
inline void analyseManualExample(const OffscreenWindow& win) {
    win.field("txtA")->setText("1");
    win.field("txtC")->setText("-5");
    win.field("txtE")->setText("4");
    win.field("txtP01X")->setText("1");
    win.button("btStartKD")->click();
}

// x^4 - 5x^2 + 4 and its three derivatives drawn over the grid.
inline void drawFourCurves(const OffscreenWindow& win) {
    win.probe.control<MemoField>("txtFKT1")->setText("(X)^4-5*(X)^2+4");
    win.probe.control<MemoField>("txtFKT2")->setText("4*(X)^3-10*(X)");
    win.probe.control<MemoField>("txtFKT3")->setText("12*(X)^2-10");
    win.probe.control<MemoField>("txtFKT4")->setText("24*(X)");
    for (const char* draw : {"btZ1", "btZ2", "btZ3", "btZ4"}) win.button(draw)->click();
    QApplication::processEvents();
}

// Mouse events on the plot square at a point in pixels, sent as the window system delivers them
// (the tests send theirs through tools/input, which the benchmarks do not link).
inline void mouseOnPlot(const OffscreenWindow& win, QEvent::Type type, Qt::MouseButton button,
                        Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint at) {
    QWidget* plot = win.plot;
    QMouseEvent event(type, QPointF(at), QPointF(plot->mapToGlobal(at)), button, held, modifiers);
    QApplication::sendEvent(plot, &event);
}

// The wheel turned by notches over a point of the plot square in pixels.
inline void wheelOnPlot(const OffscreenWindow& win, QPoint at, int notches) {
    QWidget* plot = win.plot;
    QWheelEvent event(QPointF(at), QPointF(plot->mapToGlobal(at)), QPoint(),
                      QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(plot, &event);
}

// The program's peak resident memory so far, in MB.
inline double peakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// main() of a benchmark program that drives the window.
inline int runOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
