// Finding the main window's controls and the operations without a control; the targets are read
// in window_targets.cpp.
#include "app/window_probe.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>

#include "app/frmFunktion.h"

QWidget* WindowProbe::find(const QString& name) const {
    if (name.isEmpty()) return nullptr;
    if (auto* control = window_.findChild<QWidget*>(name)) return control;
    // A control of another open window, such as the help windows.
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != &window_ && other->isVisible())
            if (auto* control = other->findChild<QWidget*>(name)) return control;
    return nullptr;
}

void WindowProbe::missing(const QString& name) {
    throw std::invalid_argument("no control " + name.toStdString() + " of that kind");
}

QWidget* WindowProbe::analysisField(analysis::Field field) const {
    return window_.analysisField(field);
}

const SharedState& WindowProbe::state() const { return window_; }

CoefficientTexts WindowProbe::coefficientTexts() const { return window_.coefficientTexts(); }

const RecordingSurface& WindowProbe::retained() const { return window_.retained(); }

Surface& WindowProbe::surface() const { return window_.surface(); }

plot::Layer WindowProbe::layer() const { return window_.plotLayer(); }

bool WindowProbe::timerEnabled() const { return window_.Timer1->isActive(); }

void WindowProbe::holdTimer() const { window_.Timer1->blockSignals(true); }

void WindowProbe::tick() const {
    if (window_.Timer1->isActive()) window_.Timer1_Timer();
}

void WindowProbe::setText(QWidget* control, const QString& text) const {
    // A spacing list reports only typing; the window's own code sets it through its setter.
    if (control == window_.txtXA || control == window_.txtYA)
        window_.setSpacingText(static_cast<QComboBox*>(control), text);
    else
        setFieldText(control, text);
}

bool WindowProbe::chooseMenu(const QString& path) const {
    const auto plain = [](QString text) { return text.remove('&').section('\t', 0, 0); };
    const QStringList parts = path.split('/');
    if (parts.size() != 2) return false;
    for (QAction* top : window_.menuBar_->actions()) {
        if (!top->menu() || plain(top->text()) != parts[0]) continue;
        for (QAction* entry : top->menu()->actions()) {
            if (plain(entry->text()) != parts[1]) continue;
            if (entry->isEnabled()) entry->trigger();
            return true;
        }
    }
    return false;
}

void WindowProbe::resizeClientArea(QSize size) const { window_.resizeClientArea(size); }
