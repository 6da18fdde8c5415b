#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

// Real key and mouse events sent to a control, as the window system would deliver them.
namespace input {

// The widget that takes a control's keys: an editable list types into its edit field.
QWidget* keyTarget(QWidget* control);
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
void doubleClick(QWidget* widget, QPoint at);

}  // namespace input
