#include "app/controls.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextCursor>
#include <QWheelEvent>
#include <optional>

#include "app/twips.h"
#include "keys/key_filters.h"

Label::Label(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

// A pointer position in twips of the control tables, at any scale of the window: the pixel the
// pointer is on, measured as at 100 %.
QPoint Label::twipsAt(const QPointF& position) const {
    const QPoint at = position.toPoint();
    const double perPixel = twipsPerPixel(this);
    return {static_cast<int>(std::lround(at.x() * perPixel)),
            static_cast<int>(std::lround(at.y() * perPixel))};
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    const QPoint at = twipsAt(event->position());
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
    event->accept();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = twipsAt(event->position());
    emit mouseMoved(event->buttons(), event->modifiers(), at.x(), at.y());
    event->accept();
}

// Every notch a step; a fine wheel's small turns add up to notches.
void Label::wheelEvent(QWheelEvent* event) {
    if (!isSignalConnected(QMetaMethod::fromSignal(&Label::wheeled))) {
        event->ignore();
        return;
    }
    wheelRest_ += event->angleDelta().y();
    const QPoint at = twipsAt(event->position());
    while (wheelRest_ >= 120 || wheelRest_ <= -120) {
        const int notch = wheelRest_ > 0 ? 1 : -1;
        wheelRest_ -= notch * 120;
        emit wheeled(notch, at.x(), at.y());
    }
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint up = twipsAt(event->position());
    emit mouseUp(event->button(), event->modifiers(), up.x(), up.y());
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

// The second press of a quick pair arrives as a double click; it is a press all the same.
void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    const QPoint at = twipsAt(event->position());
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void Button::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    QRect area = rect().adjusted(2, 1, -2, -1);
    if (isDown()) area.translate(1, 1);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    p.setFont(captionFont(p.font(), area, flags, caption));
    style()->drawItemText(&p, area, flags, option.palette, isEnabled(), caption,
                          QPalette::ButtonText);
}

// A caption that does not fit even when wrapped is drawn a little smaller.
QFont Button::captionFont(const QFont& font, const QRect& area, int flags, const QString& caption) {
    if (fit_ && fit_->caption == caption && fit_->font == font && fit_->area == area.size())
        return fit_->fitted;
    QFont fitted = font;
    while (fitted.pointSizeF() > 6 &&
           QFontMetrics(fitted).boundingRect(area, flags, caption).height() > area.height()) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    }
    fit_ = Fit{caption, font, area.size(), fitted};
    return fitted;
}

void TextField::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void TextField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        pasteText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Qt 6.4 copies a pasted text once for every character when it is longer than the room left in
// the field (a second for 40,000 characters); the field takes only what fits.
void TextField::pasteText(const QString& text) {
    const qsizetype room = maxLength() - this->text().size() + selectedText().size();
    insert(text.left(room));
}

ListField::ListField(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

// The wheel picks the next or previous item only in the list that has the focus; over any other
// list it does nothing, so scrolling past a list never changes it.
void ListField::wheelEvent(QWheelEvent* event) {
    if (hasFocus() || (lineEdit() && lineEdit()->hasFocus()))
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

namespace {

class PressOnEnter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        static_cast<QAbstractButton*>(watched)->click();
        return true;
    }
};

}  // namespace

void pressOnEnter(QAbstractButton* button) { button->installEventFilter(new PressOnEnter(button)); }

MemoField::MemoField(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Terms have hardly any word boundaries, and a long text without one takes the word-boundary
    // wrapping seconds to lay out (a pasted term of 300,000 brackets took 7 s); breaking
    // anywhere stays linear.
    setWordWrapMode(QTextOption::WrapAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        QString now = toPlainText();
        if (now == last_) return;
        last_ = std::move(now);
        emit changed();
    });
}

// A text the program writes stands with the caret at its end, nothing selected, so that the
// keypad goes on behind it.
void MemoField::setText(const QString& text) {
    if (text != toPlainText()) setPlainText(text);
    moveCursor(QTextCursor::End);
}

void MemoField::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

int keyAscii(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Backspace) return keys::Backspace;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return keys::Enter;
    if (event.modifiers() & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
        return 0;
    }
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    const char32_t code = text.toUcs4().value(0);
    return code >= 32 && code != 127 ? static_cast<int>(code) : 0;
}

QString unselectedText(const QWidget* field) {
    if (auto* combo = qobject_cast<const QComboBox*>(field); combo && combo->lineEdit())
        field = combo->lineEdit();
    if (auto* line = qobject_cast<const QLineEdit*>(field)) {
        if (!line->hasSelectedText()) return line->text();
        return QString(line->text()).remove(line->selectionStart(), line->selectedText().size());
    }
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(field)) {
        const QTextCursor c = memo->textCursor();
        return memo->toPlainText().remove(c.selectionStart(),
                                          c.selectionEnd() - c.selectionStart());
    }
    return fieldText(field);
}

void caretToEnd(QLineEdit* line) { line->setCursorPosition(static_cast<int>(line->text().size())); }

void filterRangeKey(QLineEdit* field, QWidget* next, int& keyAscii) {
    const keys::KeyOutcome out = keys::rangeKey(keyAscii, keyText(field).view());
    if (out.nextField) next->setFocus();
    if (out.dropLast) {
        field->setText(field->text().chopped(1));
        caretToEnd(field);
    }
    keyAscii = out.key;
}

KeyText keyText(const QWidget* field) {
    return {fieldText(field).toStdString(), unselectedText(field).toStdString()};
}

namespace {

QString character(char32_t code) { return QString::fromUcs4(&code, 1); }

// Select all, cut, undo and redo are the field's own: only the old platform sent them as
// characters for the filter to cancel.
bool isEditingShortcut(const QKeyEvent& event) {
    return event.matches(QKeySequence::SelectAll) || event.matches(QKeySequence::Cut) ||
           event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo);
}

// Every way text reaches a filtered field: key presses go through the handler; the commits of
// an input method (dead keys, compose, AltGr) go through it character by character as if typed;
// a drop and a middle-button paste of the selection are pastes, as Ctrl+V at that point.
class KeyFilter : public QObject {
  public:
    KeyFilter(QWidget* field, QObject* parent, KeyPressHandler handler, Superscripts superscripts)
        : QObject(parent),
          field_(field),
          handler_(std::move(handler)),
          superscripts_(superscripts) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                return keyPress(*static_cast<QKeyEvent*>(event));
            case QEvent::InputMethod:
                return commit(watched, *static_cast<QInputMethodEvent*>(event));
            case QEvent::Drop:
                return drop(watched, *static_cast<QDropEvent*>(event));
            case QEvent::MouseButtonRelease:
                return middlePaste(watched, *static_cast<QMouseEvent*>(event));
            default:
                return false;
        }
    }

  private:
    bool keyPress(const QKeyEvent& event) {
        if (isEditingShortcut(event)) return false;
        const QList<uint> text = event.text().toUcs4();
        if (text.size() == 1 && power(text[0])) {
            typeText(event.text());
            return true;
        }
        const int original = keyAscii(event);
        if (original == 0) return false;
        int code = original;
        handler_(code);
        if (code == original) return false;
        if (code >= 32) insert(character(static_cast<char32_t>(code)));
        return true;
    }

    // The composition still on show goes on without the committed text, which is typed.
    bool commit(QObject* watched, const QInputMethodEvent& event) {
        if (event.commitString().isEmpty()) return false;
        QInputMethodEvent rest(event.preeditString(), event.attributes());
        QCoreApplication::sendEvent(watched, &rest);
        typeText(event.commitString());
        return true;
    }

    bool drop(QObject* watched, QDropEvent& event) {
        if (!event.mimeData()->hasText()) return false;
        event.acceptProposedAction();
        pasteAt(watched, event.position().toPoint(), event.mimeData()->text());
        QDragLeaveEvent leave;  // ends the field's own drag feedback
        QCoreApplication::sendEvent(watched, &leave);
        return true;
    }

    bool middlePaste(QObject* watched, const QMouseEvent& event) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (event.button() != Qt::MiddleButton || !clipboard->supportsSelection()) return false;
        pasteAt(watched, event.position().toPoint(), clipboard->text(QClipboard::Selection));
        return true;
    }

    std::optional<std::string_view> power(char32_t c) const {
        if (superscripts_ != Superscripts::AsPower) return std::nullopt;
        return keys::superscriptAsPower(c);
    }

    void typeText(const QString& text) {
        for (char32_t c : text.toUcs4()) {
            if (const auto p = power(c)) {
                typeText(QString::fromLatin1(p->data(), static_cast<qsizetype>(p->size())));
                continue;
            }
            if (c < 32 || c == 127) continue;
            int code = static_cast<int>(c);
            handler_(code);
            if (code >= 32) insert(character(static_cast<char32_t>(code)));
        }
    }

    // The caret goes where the text was dropped, then the text is pasted as Ctrl+V pastes it:
    // only where the filter lets Ctrl+V pass.
    void pasteAt(QObject* receiver, QPoint at, const QString& text) {
        if (auto* line = lineEdit()) {
            line->setCursorPosition(line->cursorPositionAt(at));
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field_);
                   memo && receiver == memo->viewport()) {
            memo->setTextCursor(memo->cursorForPosition(at));
        }
        int code = keys::CtrlV;
        handler_(code);
        if (code != keys::CtrlV) return;
        if (auto* field = qobject_cast<TextField*>(field_))
            field->pasteText(text);
        else
            insert(text);
    }

    QLineEdit* lineEdit() const {
        if (auto* combo = qobject_cast<QComboBox*>(field_)) return combo->lineEdit();
        return qobject_cast<QLineEdit*>(field_);
    }

    void insert(const QString& text) {
        if (auto* line = lineEdit())
            line->insert(text);
        else if (auto* memo = qobject_cast<QPlainTextEdit*>(field_))
            memo->insertPlainText(text);
    }

    QWidget* field_;
    KeyPressHandler handler_;
    Superscripts superscripts_;
};

}  // namespace

void installKeyPressHandler(QWidget* field, KeyPressHandler handler, Superscripts superscripts) {
    auto* filter = new KeyFilter(field, field, std::move(handler), superscripts);
    field->installEventFilter(filter);
    // A focused list hands its keys on to its edit field without the edit field's filters; the
    // edit field itself takes drops and mouse buttons.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filter);
    // A multi-line field takes drops and mouse buttons on its viewport.
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        memo->viewport()->installEventFilter(filter);
}

std::string textOf(const QWidget* control) { return fieldText(control).toStdString(); }

std::string termOf(const MemoField* field) { return field->text().toUpper().toStdString(); }

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fieldText(const QWidget* control) {
    if (auto* line = qobject_cast<const QLineEdit*>(control)) return line->text();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(control)) return memo->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    return {};
}

void setFieldText(QWidget* control, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(text);
    } else if (auto* memo = qobject_cast<MemoField*>(control)) {
        memo->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
        plain->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    }
}
