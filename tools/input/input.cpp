#include "input.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>

namespace input {

QWidget* keyTarget(QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
        return list->lineEdit();
    return control;
}

QWidget* mouseTarget(QWidget* control) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) return area->viewport();
    return keyTarget(control);
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
    mouse(widget, QEvent::MouseButtonPress, button, button, modifiers, at);
    mouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, modifiers, at);
}

// The order a real double-click arrives in: press, release, double-click, release.
void doubleClick(QWidget* widget, QPoint at) {
    click(widget, Qt::LeftButton, Qt::NoModifier, at);
    mouse(widget, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, at);
    mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier, at);
}

}  // namespace input
