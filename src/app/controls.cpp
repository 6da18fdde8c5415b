#include "app/controls.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int twipsPerPixel = 15;

}  // namespace

Label::Label(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    const QPoint at = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), at.x() * twipsPerPixel,
                   at.y() * twipsPerPixel);
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
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
    // A caption that does not fit even when wrapped is drawn a little smaller.
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont font = p.font();
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).boundingRect(area, flags, caption).height() > area.height()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    p.setFont(font);
    style()->drawItemText(&p, area, flags, option.palette, isEnabled(), caption,
                          QPalette::ButtonText);
}

void TextField::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

// Qt 6.4 copies a pasted text once for every character when it is longer than the room left in
// the field (a second for 40,000 characters); the field hands it only what fits.
void TextField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        const QString clip = QGuiApplication::clipboard()->text();
        const qsizetype room = maxLength() - text().size() + selectedText().size();
        if (clip.size() > room) {
            insert(clip.left(room));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

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

void MemoField::setText(const QString& text) {
    if (text == toPlainText()) return;
    setPlainText(text);
}

void MemoField::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

int keyAscii(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Backspace) return 8;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return 13;
    if (event.modifiers() & Qt::ControlModifier) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
        return 0;
    }
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    const char32_t code = text.toUcs4().value(0);
    return code >= 32 && code != 127 ? static_cast<int>(code) : 0;
}

namespace {

class KeyFilter : public QObject {
  public:
    KeyFilter(QWidget* field, QObject* target, KeyPressHandler handler)
        : QObject(target), field_(field), handler_(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const int original = keyAscii(*static_cast<QKeyEvent*>(event));
        if (original == 0) return false;
        int code = original;
        handler_(code);
        if (code == original) return false;
        if (code >= 32) {
            const char32_t character = static_cast<char32_t>(code);
            insert(QString::fromUcs4(&character, 1));
        }
        return true;
    }

  private:
    void insert(const QString& text) {
        if (auto* line = qobject_cast<QLineEdit*>(field_)) {
            line->insert(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(field_)) {
            if (combo->lineEdit()) combo->lineEdit()->insert(text);
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field_)) {
            memo->insertPlainText(text);
        }
    }

    QWidget* field_;
    KeyPressHandler handler_;
};

}  // namespace

void installKeyPressHandler(QWidget* field, KeyPressHandler handler) {
    QObject* target = field;
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        target = combo->lineEdit();
    target->installEventFilter(new KeyFilter(field, target, std::move(handler)));
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
