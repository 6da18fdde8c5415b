#include "input.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWheelEvent>
#include <cstdlib>

namespace input {

// A list with an edit field takes the keys itself when it has the focus and hands them on to its
// edit field, as on a desktop.
QWidget* keyTarget(QWidget* control) { return control; }

QWidget* editField(QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
        return list->lineEdit();
    return control;
}

QWidget* mouseTarget(QWidget* control) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) return area->viewport();
    return editField(control);
}

void focus(QWidget* control) {
    control->window()->activateWindow();
    keyTarget(control)->setFocus(Qt::MouseFocusReason);
}

void key(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWidget* target = keyTarget(control);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void character(QWidget* control, QChar c) {
    const char16_t code = c.unicode();
    Qt::Key k = Qt::Key_unknown;
    if (code >= 0x20 && code < 0x7F) k = static_cast<Qt::Key>(c.toUpper().unicode());
    // Latin-1 letters have key codes of their own (Qt::Key_Adiaeresis ..).
    if (code >= 0xC0 && code <= 0xFF) k = static_cast<Qt::Key>(c.toUpper().unicode());
    key(control, k, Qt::NoModifier, QString(c));
}

QPoint indicator(QWidget* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const bool check = qobject_cast<QCheckBox*>(box);
    return box->style()
        ->subElementRect(check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                         &option, box)
        .center();
}

namespace {

void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers modifiers, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

void click(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    press(widget, button, modifiers, at);
    release(widget, button, modifiers, at);
}

void press(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    mouse(widget, QEvent::MouseButtonPress, button, button, modifiers, at);
}

void move(QWidget* widget, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint at) {
    mouse(widget, QEvent::MouseMove, Qt::NoButton, held, modifiers, at);
}

void release(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    mouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, modifiers, at);
}

void doubleClick(QWidget* widget, QPoint at) {
    doubleClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// The order a real double-click arrives in: press, release, double-click, release.
void doubleClick(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                 QPoint at) {
    click(widget, button, modifiers, at);
    mouse(widget, QEvent::MouseButtonDblClick, button, button, modifiers, at);
    mouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, modifiers, at);
}

void commit(QWidget* control, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(keyTarget(control), &event);
}

void drop(QWidget* control, QPoint at, const QString& text) {
    QWidget* target = mouseTarget(control);
    QMimeData data;
    data.setText(text);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent dropped(QPointF(at), actions, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

// Qt hands a wheel event on to the parents only when it came from the window system; this does
// what it does then: from the widget under the pointer up to the first that takes it.
void wheel(QWidget* window, QPoint at, int notches) {
    QWidget* under = window->childAt(at);
    if (!under) under = window;
    for (int i = 0; i < std::abs(notches); ++i) {
        for (QWidget* w = under; w; w = w->parentWidget()) {
            const QPoint local = w->mapFrom(window, at);
            QWheelEvent event(QPointF(local), QPointF(w->mapToGlobal(local)), QPoint(),
                              QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &event);
            if (event.isAccepted() || w == window) break;
        }
    }
}

}  // namespace input
