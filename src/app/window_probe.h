#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>

#include "analysis/result_panel.h"
#include "app/discussion_window.h"
#include "app/shared_state.h"
#include "plot/plot_layer.h"

class frmFunktion;
class RecordingSurface;
class Surface;

// How polyskop-scenario, polyskop-monkey, polyskop-shot, the tests and the benchmarks reach the
// main window, whose members are its own. They find a control by its objectName, as the control
// tables name it ("txtA", "lblP(30)", "bt7"), send it real key and mouse events (tools/input), and
// read what the window shows as the targets of the scenario language. The operations below that
// take no control are those a person reaches without an event on one: the timer's tick, a menu
// entry, dragging the frame, the program setting a text.
class WindowProbe {
  public:
    explicit WindowProbe(frmFunktion& window) : window_(window) {}

    frmFunktion& window() const { return window_; }

    // The control of that name in the main window, or in another open window of the program (a
    // help window, the value table); null when there is none.
    QWidget* find(const QString& name) const;
    // The same as its kind (QLineEdit, TextField, QComboBox, Label, QPushButton ...); a name
    // that is missing or of another kind is a fault of the caller, and throws.
    template <class Control>
    Control* control(const QString& name) const {
        auto* found = qobject_cast<Control*>(find(name));
        if (!found) missing(name);
        return found;
    }
    // A field of the curve analysis: the function fields, the result fields, the min/max labels.
    QWidget* analysisField(analysis::Field field) const;

    // The value of a target of polyskop-scenario (its "show" and "expect"), or nothing for an
    // unknown one (error then says why). discussion.facts is polyskop-scenario's: it needs the
    // exact core, which the window loads with its library.
    std::optional<QString> read(const QString& target, QString& error) const;
    // The window's module-level variables, read only.
    const SharedState& state() const;
    // The coefficient texts as the Kurvendiskussion reads them.
    CoefficientTexts coefficientTexts() const;
    // The drawing surface: what it holds since it was last cleared, and the surface itself for a
    // caller that draws on it as the window's drawing does.
    const RecordingSurface& retained() const;
    Surface& surface() const;
    // The axis numbers and marked points over the picture, as the window paints them now.
    plot::Layer layer() const;

    // Timer1: whether it is still enabled; held, its tick comes only from tick(); the tick now,
    // which does nothing when the timer is no longer enabled (the first drawing).
    bool timerEnabled() const;
    void holdTimer() const;
    void tick() const;
    // The program sets the control's text, as the window's own code does: its change handling
    // runs (a spacing list's through the window's setter, the caret at the end).
    void setText(QWidget* control, const QString& text) const;
    // The entry of the menu bar chosen as with the mouse: "Datei/Bild speichern …", the texts
    // without their & marks and shortcuts. A disabled entry does nothing; false when there is no
    // such entry.
    bool chooseMenu(const QString& path) const;
    // The client area below the menu bar given this size in pixels, as dragging the frame does.
    void resizeClientArea(QSize size) const;

  private:
    [[noreturn]] static void missing(const QString& name);

    frmFunktion& window_;
};
