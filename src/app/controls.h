#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "keys/key_filters.h"

// The small control kinds of the window. Positions handed out by mouse events are twips
// relative to the control (15 twips a pixel at 100 %).

// A label that reports clicks, double-clicks and the pressed mouse button with its position.
class Label : public QLabel {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent = nullptr);

  signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int xTwips, int yTwips);
    // The pointer moved with buttons held, a button let go, the wheel turned by whole notches
    // (positive: away from the user); positions in twips as for mouseDown.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int xTwips,
                    int yTwips);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int xTwips, int yTwips);
    void wheeled(int notches, int xTwips, int yTwips);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QPoint twipsAt(const QPointF& position) const;

    bool pressed_ = false;
    int wheelRest_ = 0;  // what a fine wheel turned short of a whole notch
};

// A push button whose caption wraps onto further lines when it is too wide.
class Button : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QFont captionFont(const QFont& font, const QRect& area, int flags, const QString& caption);

    // The last caption fitted, so that a repaint (a hover, a press) lays it out only once.
    struct Fit {
        QString caption;
        QFont font;
        QSize area;
        QFont fitted;
    };
    std::optional<Fit> fit_;
};

// A single-line text field.
class TextField : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

    // Pastes text at the caret (replacing the selection), as much of it as fits.
    void pasteText(const QString& text);

  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A drop-down list with an edit field.
class ListField : public QComboBox {
    Q_OBJECT
  public:
    explicit ListField(QWidget* parent = nullptr);

  protected:
    void wheelEvent(QWheelEvent* event) override;
};

// Enter on a focused push button, check box or option button presses it.
void pressOnEnter(QAbstractButton* button);

// A multi-line text field that wraps its text. changed() follows every change of the text
// (typed or set by the program), and only a real change of the text.
class MemoField : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MemoField(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString& text);

  signals:
    void doubleClicked();
    void changed();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QString last_;
};

// A key filter in the manner of the old platform: the handler gets the character code of the
// key (a printable character its Unicode value, Backspace 8, Enter 13, Ctrl+A..Ctrl+Z 1..26,
// so Ctrl+C is 3 and Ctrl+V is 22). Setting it to 0 cancels the key; another code is typed
// instead (at the caret, replacing the selection); left unchanged, the key goes on as usual.
// Keys without a character code (arrows, Delete, ...) do not reach the handler.
using KeyPressHandler = std::function<void(int& keyAscii)>;

// Text that does not come from one key press goes through the same handler: an input method's
// commit character by character (in the fields that take terms, a superscript such as "²" from
// a dead "^" or AltGr+2 as "^" and its digit), a drop and a middle-button paste as Ctrl+V.
// Select all, cut, undo and redo are not filtered.
enum class Superscripts { Keep, AsPower };

// Works on a QLineEdit, a QPlainTextEdit and an editable QComboBox. The filter belongs to
// the field and lives as long as it.
void installKeyPressHandler(QWidget* field, KeyPressHandler handler,
                            Superscripts superscripts = Superscripts::Keep);

// The field's text without its selection: what stays of it when a typed key replaces the
// selection.
QString unselectedText(const QWidget* field);

// The caret behind the last character.
void caretToEnd(QLineEdit* line);

// The key filter of a range field on it: Enter moves on to next, Backspace drops the last
// character, only signs, digits and one comma pass.
void filterRangeKey(QLineEdit* field, QWidget* next, int& keyAscii);

// A field's text as its key filter judges it: all of it and its unselected rest.
struct KeyText {
    std::string whole, rest;
    keys::FieldText view() const { return {whole, rest}; }
};
KeyText keyText(const QWidget* field);

// The character code of a key press as the handler sees it, 0 for a key without one.
int keyAscii(const QKeyEvent& event);

// The text of any text-bearing control: a field's text, a combo box's edit text, a label's
// or button's caption.
QString fieldText(const QWidget* control);
// The same as the pure code reads it, and a text of the pure code for a control.
std::string textOf(const QWidget* control);
// A function field's term as the curves, the value table and the trace evaluate it: upper case.
std::string termOf(const MemoField* field);
QString toQString(std::string_view text);
void setFieldText(QWidget* control, const QString& text);
