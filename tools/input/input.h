#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

// Real key and mouse events sent to a control, as the window system would deliver them.
namespace input {

// The widget that takes a control's keys.
QWidget* keyTarget(QWidget* control);
// The widget that holds a control's text and caret: an editable list's edit field.
QWidget* editField(QWidget* control);
// The widget that takes a control's mouse: a multi-line field's viewport, a list's edit field.
QWidget* mouseTarget(QWidget* control);

// Gives the control the keyboard focus, as a click into it would.
void focus(QWidget* control);
void key(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text);
void character(QWidget* control, QChar c);

// Where a click on a check box or option button always hits: its indicator.
QPoint indicator(QWidget* box);

// Press and release at a point of the widget in pixels.
void click(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
// The steps of a drag: a press, moves with that button held, the release.
void press(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
void move(QWidget* widget, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers, QPoint at);
void release(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
void doubleClick(QWidget* widget, QPoint at);
// Two presses and releases in quick succession as the platform delivers them: the second press
// arrives as a double-click event.
void doubleClick(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                 QPoint at);

// One commit of the keyboard's input method (a dead key, a compose sequence, AltGr+2) into the
// control that has the focus.
void commit(QWidget* control, const QString& text);

// Text dragged from another program and dropped at a point of the control's mouse target.
void drop(QWidget* control, QPoint at, const QString& text);

// The wheel turned by notches (positive: away from the user) with the pointer resting at a point
// of the window, over whatever control lies there.
void wheel(QWidget* window, QPoint at, int notches);

}  // namespace input
