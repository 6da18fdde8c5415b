#include "monkey.h"
#include "terms/keypad.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "app/frmFunktion.h"
#include "app/twips.h"
#include "app/window_probe.h"
#include "app/window_scale.h"
#include "input.h"
#include "random_text.h"

namespace {

struct SpecialKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

// Keys that edit, move, leave or undo, and control characters a field may not expect.
constexpr SpecialKey specialKeys[] = {
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b"},
    {"Enter", Qt::Key_Return, Qt::NoModifier, "\r"},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"},
    {"Delete", Qt::Key_Delete, Qt::NoModifier, ""},
    {"Left", Qt::Key_Left, Qt::NoModifier, ""},
    {"Right", Qt::Key_Right, Qt::NoModifier, ""},
    {"Home", Qt::Key_Home, Qt::NoModifier, ""},
    {"End", Qt::Key_End, Qt::NoModifier, ""},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, "\x01"},
    {"Ctrl+B", Qt::Key_B, Qt::ControlModifier, "\x02"},
    {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03"},
    {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "\x16"},
    {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, "\x18"},
    {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, "\x1a"},
    {"Shift+Home", Qt::Key_Home, Qt::ShiftModifier, ""},
};

const char* const calculatorNames[] = {"btBS", "btC", "btBerechnen"};
const char* const drawNames[] = {"btZ1",      "btZ2",  "btZ3",  "btZ4",    "btZHG",
                                 "btStartKD", "btCKD", "btCKo", "btReset", "cbHL"};
const char* const colourNames[] = {"lblF1",  "lblF2", "lblF3",  "lblF4",  "lblF5",
                                   "lblFAH", "cbAHC", "lblHGF", "cbBackC"};

template <std::size_t N>
std::vector<QWidget*> named(const frmFunktion& window, const char* const (&names)[N]) {
    std::vector<QWidget*> found;
    for (const char* name : names)
        if (auto* w = window.findChild<QWidget*>(name)) found.push_back(w);
    return found;
}

// The keypad's keys and the calculator's buttons.
template <std::size_t N>
std::vector<QWidget*> keypadAnd(const frmFunktion& window, const char* const (&names)[N]) {
    std::vector<QWidget*> found = named(window, names);
    for (const terms::KeypadKey& key : terms::kKeypad)
        found.push_back(window.findChild<QWidget*>(toQString(key.button)));
    return found;
}

// A text for the report: the first characters, control characters made visible.
QString shortened(const QString& text) {
    QString shown;
    for (QChar c : text.left(40))
        shown += c.isPrint() ? QString(c) : QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
    return '"' + shown + (text.size() > 40 ? "..." : "") + '"';
}

}  // namespace

Monkey::Monkey(frmFunktion& window, std::mt19937& random)
    : window_(window),
      probe_(window),
      random_(random),
      buttons_(keypadAnd(window, calculatorNames)),
      colours_(named(window, colourNames)),
      drawButtons_(named(window, drawNames)) {
    for (QWidget* c : window.findChildren<QWidget*>()) {
        const QString name = c->objectName();
        // The painter lies over the plot square and lets its mouse through.
        if (name.isEmpty() || name.startsWith("qt_") || name == "surface") continue;
        controls_.push_back(c);
        if (qobject_cast<QComboBox*>(c)) lists_.push_back(c);
        if (qobject_cast<QCheckBox*>(c) || qobject_cast<QRadioButton*>(c)) toggles_.push_back(c);
        if (qobject_cast<QLineEdit*>(c) || qobject_cast<QPlainTextEdit*>(c) ||
            qobject_cast<QComboBox*>(c))
            fields_.push_back(c);
    }
    // Every entry of the menu bar but "Beenden", which would end the run.
    for (QMenu* menu : window.findChildren<QMenu*>())
        for (QAction* entry : menu->actions())
            if (!entry->isSeparator() && !entry->menu() && !entry->text().contains("Beenden"))
                menuEntries_.push_back(entry);
}

int Monkey::below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
bool Monkey::chance(double p) { return std::bernoulli_distribution(p)(random_); }

QWidget* Monkey::any(const std::vector<QWidget*>& controls) {
    std::vector<QWidget*> usable;
    for (QWidget* w : controls)
        if (w->isVisible() && w->isEnabled()) usable.push_back(w);
    return usable.empty() ? nullptr : usable[below(static_cast<int>(usable.size()))];
}

// Any pixel of the widget; its corners and edges turn up more often than chance would have it.
// A widget that a small window squeezes to nothing (a field's inner area) is hit at its corner.
QPoint Monkey::anywhere(const QWidget* widget) {
    const int w = std::max(1, widget->width()), h = std::max(1, widget->height());
    if (chance(0.1)) return {chance(0.5) ? 0 : w - 1, chance(0.5) ? 0 : h - 1};
    return {below(w), below(h)};
}

QString Monkey::step() {
    QString what;
    const int roll = below(100);
    if (roll < 25)
        what = type(any(fields_));
    else if (roll < 37)
        what = paste(any(fields_));
    else if (roll < 53)
        what = click(any(controls_));
    else if (roll < 60)
        what = doubleClick(any(controls_));
    else if (roll < 72)
        what = plotClick();
    else if (roll < 78)
        what = pick();
    else if (roll < 84)
        what = toggle();
    else if (roll < 86)
        what = press(colours_);
    else if (roll < 91)
        what = press(drawButtons_);
    else if (roll < 94)
        what = press(buttons_);
    else if (roll < 96)
        what = menu();
    else if (roll < 97)
        what = wheel();
    else if (roll < 98)
        what = drag();
    else if (roll < 99)
        what = resize();
    else
        what = otherWindow();
    // A help window that an action opened is closed again, so that the next ones reach the
    // main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window_ && w->isVisible()) w->close();
    return what;
}

QString Monkey::type(QWidget* field) {
    if (!field) return plotClick();
    if (chance(0.5))
        input::click(input::mouseTarget(field), Qt::LeftButton, Qt::NoModifier,
                     anywhere(input::mouseTarget(field)));
    input::focus(field);
    QString typed;
    for (int n = 1 + below(12); n > 0; --n) {
        if (chance(0.25)) {
            const SpecialKey& k = specialKeys[below(std::size(specialKeys))];
            input::key(field, k.key, k.modifiers, QString::fromLatin1(k.text));
            typed += QString("{%1}").arg(k.name);
        } else {
            const QChar c = random_text::keyboardCharacter(random_);
            input::character(field, c);
            typed += c;
        }
    }
    return "type " + field->objectName() + " \"" + typed + '"';
}

QString Monkey::paste(QWidget* field) {
    if (!field) return plotClick();
    const random_text::Paste p = random_text::paste(random_);
    QApplication::clipboard()->setText(p.text);
    input::focus(field);
    input::key(field, Qt::Key_V, Qt::ControlModifier, "\x16");
    return QString("paste %1 characters (%2) into %3: %4")
        .arg(p.text.size())
        .arg(p.kind, field->objectName(), shortened(p.text));
}

QString Monkey::click(QWidget* control) {
    if (!control) return plotClick();
    QWidget* target = input::mouseTarget(control);
    const QPoint at = anywhere(target);
    input::click(target, Qt::LeftButton, Qt::NoModifier, at);
    return QString("click %1 at %2,%3").arg(control->objectName()).arg(at.x()).arg(at.y());
}

QString Monkey::doubleClick(QWidget* control) {
    if (!control) return plotClick();
    QWidget* target = input::mouseTarget(control);
    const QPoint at = anywhere(target);
    input::doubleClick(target, at);
    return QString("double-click %1 at %2,%3").arg(control->objectName()).arg(at.x()).arg(at.y());
}

QString Monkey::plotClick() {
    QWidget* plot = probe_.control<QWidget>(chance(0.05) ? "lblPo" : "lblBG");
    const QPoint at = anywhere(plot);
    const int roll = below(100);
    QString how;
    if (roll < 45) {
        input::click(plot, Qt::RightButton, Qt::NoModifier, at);
        how = "right-click";
    } else if (roll < 80) {
        input::click(plot, Qt::RightButton, Qt::ShiftModifier, at);
        how = "Shift-right-click";
    } else if (roll < 88) {
        input::click(plot, Qt::LeftButton, Qt::NoModifier, at);
        how = "click";
    } else if (roll < 94) {
        input::click(plot, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, at);
        how = "Shift+Ctrl-right-click";
    } else {
        input::doubleClick(plot, at);
        how = "double-click";
    }
    return QString("%1 %2 at %3,%4 (twips %5,%6)")
        .arg(how, plot->objectName())
        .arg(at.x())
        .arg(at.y())
        .arg(std::lround(at.x() * twipsPerPixel(plot)))
        .arg(std::lround(at.y() * twipsPerPixel(plot)));
}

// The window's frame dragged to any size from the smallest to a full-HD screen's.
QString Monkey::resize() {
    const QSize least = window_scale::clientSize(window_scale::kSmallest);
    const QSize size(least.width() + below(1920 - least.width() + 1),
                     least.height() + below(1080 - least.height() + 1));
    probe_.resizeClientArea(size);
    return QString("resize %1 %2").arg(size.width()).arg(size.height());
}

QString Monkey::pick() {
    auto* list = qobject_cast<QComboBox*>(any(lists_));
    if (!list) return plotClick();
    if (chance(0.5)) {
        // Down and Up in the edit field step through the items.
        input::focus(list);
        const bool down = chance(0.5);
        input::key(list, down ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier, "");
        return QString("key %1 in %2").arg(down ? "Down" : "Up", list->objectName());
    }
    // A pick with the mouse from the open list.
    const int index = below(list->count());
    list->setCurrentIndex(index);
    emit list->activated(index);
    emit list->textActivated(list->itemText(index));
    return QString("pick %1 \"%2\"").arg(list->objectName(), list->itemText(index));
}

QString Monkey::toggle() {
    auto* box = qobject_cast<QAbstractButton*>(any(toggles_));
    if (!box) return plotClick();
    input::click(box, Qt::LeftButton, Qt::NoModifier, input::indicator(box));
    return "click " + box->objectName() + (box->isChecked() ? " (now on)" : " (now off)");
}

QString Monkey::press(const std::vector<QWidget*>& buttons) {
    QWidget* button = any(buttons);
    if (!button) return plotClick();
    input::click(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    return "click " + button->objectName();
}

QString Monkey::menu() {
    QAction* entry =
        menuEntries_[static_cast<std::size_t>(below(static_cast<int>(menuEntries_.size())))];
    if (!entry->isEnabled()) return plotClick();
    entry->trigger();
    return "menu " + QString(entry->text()).remove('&');
}

QString Monkey::wheel() {
    QWidget* plot = probe_.control<QWidget>("lblBG");
    const QPoint at = anywhere(plot);
    const int notches = below(7) - 3;
    input::wheel(&window_, plot->mapTo(&window_, at), notches);
    return QString("wheel %1 notches at %2,%3").arg(notches).arg(at.x()).arg(at.y());
}

// A drag with the left button (panning), the right one held, or the Ctrl trace.
QString Monkey::drag() {
    QWidget* plot = probe_.control<QWidget>("lblBG");
    const int roll = below(3);
    const Qt::MouseButton button = roll == 1 ? Qt::RightButton : Qt::LeftButton;
    const Qt::KeyboardModifiers modifiers = roll == 2 ? Qt::ControlModifier : Qt::NoModifier;
    QPoint at = anywhere(plot);
    const QPoint from = at;
    input::press(plot, button, modifiers, at);
    for (int n = 1 + below(8); n > 0; --n) {
        at = anywhere(plot);
        input::move(plot, button, modifiers, at);
    }
    input::release(plot, button, modifiers, at);
    static const char* const kinds[] = {"drag", "right button held", "Ctrl trace"};
    return QString("%1 from %2,%3 to %4,%5")
        .arg(kinds[roll])
        .arg(from.x())
        .arg(from.y())
        .arg(at.x())
        .arg(at.y());
}

// The value table, the Kurvendiskussion or the Steckbrief opened from the menu, and a few
// actions inside it before step() closes it again.
QString Monkey::otherWindow() {
    std::vector<QAction*> openers;
    for (QAction* entry : menuEntries_)
        if (entry->text().endsWith(" …") && !entry->text().contains("speichern") &&
            !entry->text().contains("drucken"))
            openers.push_back(entry);
    if (openers.empty()) return menu();
    QAction* opener = openers[static_cast<std::size_t>(below(static_cast<int>(openers.size())))];
    opener->trigger();
    QWidget* other = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &window_ && top->isVisible() && !top->objectName().isEmpty()) other = top;
    QString what = "menu " + QString(opener->text()).remove('&');
    if (!other) return what;
    std::vector<QWidget*> inside;
    for (QWidget* w : other->findChildren<QWidget*>())
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
            qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w))
            inside.push_back(w);
    for (int n = 1 + below(4); n > 0; --n) {
        QWidget* c = any(inside);
        if (!c) break;
        if (qobject_cast<QPushButton*>(c)) {
            input::click(c, Qt::LeftButton, Qt::NoModifier, c->rect().center());
            what += " / click " + c->objectName();
        } else if (auto* list = qobject_cast<QComboBox*>(c)) {
            list->setCurrentIndex(below(list->count()));
            what += " / pick " + list->objectName();
        } else {
            what += " / " + type(c);
        }
    }
    return what;
}
