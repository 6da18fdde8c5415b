#include "runner.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "app/controls.h"
#include "app/frmFunktion.h"
#include "app/twips.h"
#include "app/window_probe.h"
#include "input.h"
#include "plot/recording_surface.h"
#include "script_line.h"
#include "scripted_dialogs.h"
#include "targets.h"

namespace {

struct LineError {
    QString what;
};

// The widget that receives the keys of a control (a combo box types into its edit field).
void setCaret(QWidget* control, int from, int to) {
    QWidget* target = input::editField(control);
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        if (from == to)
            line->setCursorPosition(from);
        else
            line->setSelection(from, to - from);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    } else {
        throw LineError{"control " + control->objectName() + " has no caret"};
    }
}

int textLength(QWidget* control) { return fieldText(control).size(); }

// Gives the control the focus; with caretToEnd the caret goes behind the text, nothing selected.
void focus(QWidget* control, bool caretToEnd) {
    QWidget* target = input::keyTarget(control);
    const bool had = QApplication::focusWidget() == target;
    control->window()->activateWindow();
    target->setFocus(Qt::OtherFocusReason);
    QWidget* edit = input::editField(control);
    if (caretToEnd || !had) {
        if (qobject_cast<QLineEdit*>(edit) || qobject_cast<QPlainTextEdit*>(edit))
            setCaret(control, textLength(control), textLength(control));
    }
}

void typeCharacter(QWidget* control, QChar c) {
    const ushort code = c.unicode();
    Qt::Key key = Qt::Key_unknown;
    if (code >= 0x20 && code < 0x7F) key = static_cast<Qt::Key>(QChar(c).toUpper().unicode());
    if (c == '\n' || c == '\r') key = Qt::Key_Return;
    if (c == '\t') key = Qt::Key_Tab;
    input::key(control, key, Qt::NoModifier, c == '\n' ? QString("\r") : QString(c));
}

void pressKey(QWidget* control, const QString& name) {
    struct Named {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
    };
    static const Named keys[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, "\r"},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b"},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"},
        {"Left", Qt::Key_Left, Qt::NoModifier, ""},
        {"Right", Qt::Key_Right, Qt::NoModifier, ""},
        {"Home", Qt::Key_Home, Qt::NoModifier, ""},
        {"End", Qt::Key_End, Qt::NoModifier, ""},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03"},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "\x16"},
    };
    for (const auto& k : keys)
        if (name == k.name) return input::key(control, k.key, k.modifiers, k.text);
    // Keys that may be shortcuts of the window reach it as from the platform, through the
    // shortcut map first, which takes them only for the active window.
    static const Named shortcutKeys[] = {
        {"Escape", Qt::Key_Escape, Qt::NoModifier, ""},
        {"Ctrl+Enter", Qt::Key_Return, Qt::ControlModifier, ""},
        {"Ctrl+Plus", Qt::Key_Plus, Qt::ControlModifier, ""},
        {"Ctrl+Minus", Qt::Key_Minus, Qt::ControlModifier, ""},
        {"Ctrl+0", Qt::Key_0, Qt::ControlModifier, ""},
    };
    QApplication::setActiveWindow(control->window());
    for (const auto& k : shortcutKeys)
        if (name == k.name) return QTest::keyClick(input::keyTarget(control), k.key, k.modifiers);
    for (int n = 1; n <= 12; ++n)
        if (name == "F" + QString::number(n))
            return QTest::keyClick(input::keyTarget(control),
                                   static_cast<Qt::Key>(Qt::Key_F1 + n - 1));
    throw LineError{"unknown key " + name};
}

// A point of a control in twips as a pixel of it at the window's scale.
QPoint pixels(const QWidget* control, int xTwips, int yTwips) {
    const double scale = windowScale(control);
    return {toPixels(xTwips, scale), toPixels(yTwips, scale)};
}

Qt::MouseButton mouseButton(const QString& name) {
    if (name == "left") return Qt::LeftButton;
    if (name == "right") return Qt::RightButton;
    throw LineError{"unknown mouse button " + name};
}

Qt::KeyboardModifiers modifiers(const QString& name) {
    if (name == "Shift") return Qt::ShiftModifier;
    if (name == "Ctrl") return Qt::ControlModifier;
    if (name == "Shift+Ctrl") return Qt::ShiftModifier | Qt::ControlModifier;
    throw LineError{"unknown modifiers " + name};
}

// A dark desktop theme: light text on dark ground.
QPalette darkPalette() {
    QPalette p;
    const QColor ground(0x30, 0x30, 0x30), field(0x20, 0x20, 0x20), text(0xF0, 0xF0, 0xF0);
    p.setColor(QPalette::Window, ground);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, field);
    p.setColor(QPalette::AlternateBase, ground);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, ground);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, field);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x90, 0x90, 0x90));
    p.setColor(QPalette::Highlight, QColor(0x40, 0x70, 0xC0));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

// The application's palette for the life of one file, the desktop's own afterwards.
class DesktopPalette {
  public:
    explicit DesktopPalette(const QPalette& palette) : before_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~DesktopPalette() { QApplication::setPalette(before_); }

  private:
    QPalette before_;
};

// One window and everything a file does to it.
class Session {
  public:
    Session(QTextStream& out, Runner& counts)
        : out_(out),
          counts_(counts),
          dialogs_([this](const QString& line) { print(line); }),
          window_(std::make_unique<frmFunktion>(dialogs_)),
          probe_(*window_) {
        // Time does not pass by itself: the timer's tick comes only from `tick`.
        probe_.holdTimer();
        window_->show();
        window_->activateWindow();
        QApplication::processEvents();
    }

    ~Session() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window_.get()) w->close();
        window_->hide();
        QApplication::processEvents();
    }

    void run(const QString& fileName, int lineNumber, const ScriptLine& line);

  private:
    bool typing(const QString& command, const ScriptLine& line);
    bool pointing(const QString& command, const ScriptLine& line);
    bool answering(const QString& command, const ScriptLine& line);
    bool windowing(const QString& command, const ScriptLine& line);
    bool checking(const QString& where, const QString& command, const ScriptLine& line);
    void print(const QString& text) { out_ << text << '\n'; }
    QWidget* control(const QString& name) {
        QWidget* c = probe_.find(name);
        if (!c) throw LineError{"unknown control " + name};
        return c;
    }
    QString value(const QString& target) {
        QString error;
        auto v = readTarget(probe_, target, error);
        if (!v) throw LineError{error};
        return *v;
    }
    void expectMessage(const QString& where, const ScriptLine& line);
    void expectNoMessage(const QString& where);
    void fail(const QString& where, const QString& what, const QString& expected,
              const QString& got) {
        ++counts_.failed;
        print(where + ": FAIL " + what + " expected " + quote(expected) + " got " + quote(got));
    }

    QTextStream& out_;
    Runner& counts_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<frmFunktion> window_;
    WindowProbe probe_;
};

void requireWords(const ScriptLine& line, int count, const char* usage) {
    if (line.words.size() != count) throw LineError{QString("usage: ") + usage};
}

QString quotedArgument(const ScriptLine& line, int index) {
    if (index >= line.words.size() || !line.quoted[index])
        throw LineError{"expected a text in double quotes"};
    return line.words[index];
}

int number(const QString& text) {
    bool ok = false;
    int v = text.toInt(&ok);
    if (!ok) throw LineError{"not a number: " + text};
    return v;
}

// Keys, carets and texts in a control. False for any other command.
bool Session::typing(const QString& command, const ScriptLine& line) {
    if (command == "type") {
        requireWords(line, 3, "type CONTROL \"TEXT\"");
        QWidget* c = control(line.words[1]);
        const QString text = quotedArgument(line, 2);
        focus(c, true);
        for (QChar ch : text) typeCharacter(c, ch);
    } else if (command == "key") {
        requireWords(line, 3, "key CONTROL KEY");
        QWidget* c = control(line.words[1]);
        focus(c, false);
        pressKey(c, line.words[2]);
    } else if (command == "caret") {
        requireWords(line, 3, "caret CONTROL POS");
        QWidget* c = control(line.words[1]);
        focus(c, false);
        const int pos = number(line.words[2]);
        setCaret(c, pos, pos);
    } else if (command == "select") {
        requireWords(line, 4, "select CONTROL FROM TO");
        QWidget* c = control(line.words[1]);
        focus(c, false);
        setCaret(c, number(line.words[2]), number(line.words[3]));
    } else if (command == "paste") {
        requireWords(line, 3, "paste CONTROL \"TEXT\"");
        QWidget* c = control(line.words[1]);
        QApplication::clipboard()->setText(quotedArgument(line, 2));
        focus(c, false);
        pressKey(c, "Ctrl+V");
    } else if (command == "set") {
        requireWords(line, 3, "set CONTROL \"TEXT\"");
        probe_.setText(control(line.words[1]), quotedArgument(line, 2));
    } else if (command == "input") {
        requireWords(line, 3, "input CONTROL \"TEXT\"");
        QWidget* c = control(line.words[1]);
        const QString text = quotedArgument(line, 2);
        focus(c, false);
        input::commit(c, text);
    } else {
        return false;
    }
    return true;
}

// The mouse, drops and picks from a list. False for any other command.
bool Session::pointing(const QString& command, const ScriptLine& line) {
    if (command == "click" || command == "dblclick") {
        requireWords(line, 2, "click CONTROL");
        QWidget* c = control(line.words[1]);
        // A multi-line field takes its mouse events on its viewport.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(c)) c = area->viewport();
        const QPoint centre = c->rect().center();
        if (command == "click")
            QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, centre);
        else
            QTest::mouseDClick(c, Qt::LeftButton, Qt::NoModifier, centre);
    } else if (command == "mouse" || command == "dblmouse") {
        if (line.words.size() != 5 && line.words.size() != 6)
            throw LineError{"usage: " + command + " CONTROL BUTTON X Y [MODIFIERS]"};
        QWidget* c = control(line.words[1]);
        const Qt::MouseButton button = mouseButton(line.words[2]);
        const Qt::KeyboardModifiers mods =
            line.words.size() == 6 ? modifiers(line.words[5]) : Qt::NoModifier;
        // Unlike QTest's click, the point (0, 0) is the corner, not the middle.
        const QPoint at = pixels(c, number(line.words[3]), number(line.words[4]));
        if (command == "mouse")
            input::click(c, button, mods, at);
        else
            input::doubleClick(c, button, mods, at);
    } else if (command == "drop") {
        requireWords(line, 3, "drop CONTROL \"TEXT\"");
        QWidget* c = control(line.words[1]);
        QWidget* target = input::mouseTarget(c);
        const QPoint middle = target->mapFromGlobal(c->mapToGlobal(c->rect().center()));
        input::drop(c, middle, quotedArgument(line, 2));
    } else if (command == "wheel") {
        requireWords(line, 3, "wheel CONTROL N");
        QWidget* c = control(line.words[1]);
        input::wheel(c->window(), c->mapTo(c->window(), c->rect().center()), number(line.words[2]));
    } else if (command == "pick") {
        requireWords(line, 3, "pick CONTROL \"ITEM\"");
        auto* combo = qobject_cast<QComboBox*>(control(line.words[1]));
        if (!combo) throw LineError{line.words[1] + " is not a drop-down list"};
        const int index = combo->findText(quotedArgument(line, 2));
        if (index < 0) throw LineError{"no item " + quote(line.words[2])};
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        emit combo->textActivated(combo->itemText(index));
    } else {
        return false;
    }
    return true;
}

// The answers of the dialogs that open next. False for any other command.
bool Session::answering(const QString& command, const ScriptLine& line) {
    if (command == "colour") {
        requireWords(line, 2, "colour #RRGGBB|cancel");
        const QString answer = line.words[1];
        if (answer == "cancel") {
            dialogs_.queueColour(std::nullopt);
        } else {
            bool ok = answer.size() == 7 && answer[0] == '#';
            const uint v = answer.mid(1).toUInt(&ok, 16);
            if (!ok || answer.size() != 7) throw LineError{"bad colour " + answer};
            dialogs_.queueColour(fromRrggbb(v));
        }
    } else if (command == "file") {
        requireWords(line, 2, "file \"PATH\"|cancel");
        if (!line.quoted[1] && line.words[1] != "cancel")
            throw LineError{"usage: file \"PATH\"|cancel"};
        dialogs_.queueFile(line.quoted[1] ? line.words[1] : QString());
    } else if (command == "print") {
        requireWords(line, 2, "print \"PATH\"");
        dialogs_.queuePrint(quotedArgument(line, 1));
    } else {
        return false;
    }
    return true;
}

// The window as a whole: its menu, size, timer and picture. False for any other command.
bool Session::windowing(const QString& command, const ScriptLine& line) {
    if (command == "palette") {
        throw LineError{"palette dark is only the first command of a file"};
    } else if (command == "menu") {
        requireWords(line, 2, "menu \"MENU/ENTRY\"");
        const QString path = quotedArgument(line, 1);
        if (path.count('/') != 1) throw LineError{"menu path is MENU/ENTRY: " + path};
        if (!probe_.chooseMenu(path)) throw LineError{"no menu entry " + path};
    } else if (command == "resize") {
        requireWords(line, 3, "resize WIDTH HEIGHT");
        const int width = number(line.words[1]), height = number(line.words[2]);
        if (width <= 0 || height <= 0) throw LineError{"a size is positive"};
        probe_.resizeClientArea({width, height});
    } else if (command == "tick") {
        requireWords(line, 1, "tick");
        probe_.tick();
    } else if (command == "close") {
        requireWords(line, 1, "close");
        window_->close();
    } else if (command == "snapshot") {
        requireWords(line, 2, "snapshot FILE.png");
        if (!window_->grab().save(line.words[1])) throw LineError{"cannot write " + line.words[1]};
    } else {
        return false;
    }
    return true;
}

// show and expect. False for any other command.
bool Session::checking(const QString& where, const QString& command, const ScriptLine& line) {
    if (command == "show") {
        if (line.words.size() < 2 || line.quoted.contains(true))
            throw LineError{"usage: show TARGET"};
        const QString target = line.words.mid(1).join(' ');
        print(target + " = " + quote(value(target)));
    } else if (command == "expect") {
        if (line.words.size() >= 2 && line.words[1] == "message" && !line.quoted[1]) {
            expectMessage(where, line);
            return true;
        }
        if (line.words.size() == 2 && line.words[1] == "nomessage") {
            expectNoMessage(where);
            return true;
        }
        const auto last = line.words.size() - 1;
        if (last < 2 || line.quoted.mid(1, last - 1).contains(true))
            throw LineError{"usage: expect TARGET \"VALUE\""};
        const QString expected = quotedArgument(line, static_cast<int>(last));
        const QString target = line.words.mid(1, last - 1).join(' ');
        const QString got = value(target);
        if (got == expected)
            ++counts_.passed;
        else
            fail(where, target, expected, got);
    } else {
        return false;
    }
    return true;
}

void Session::run(const QString& fileName, int lineNumber, const ScriptLine& line) {
    const QString where = fileName + ":" + QString::number(lineNumber);
    const QString command = line.words[0];
    if (!typing(command, line) && !pointing(command, line) && !answering(command, line) &&
        !windowing(command, line) && !checking(where, command, line))
        throw LineError{"unknown command " + command};
    QApplication::processEvents();
}

void Session::expectMessage(const QString& where, const ScriptLine& line) {
    requireWords(line, 5, "expect message ICON \"TITLE\" \"TEXT\"");
    const QString icon = line.words[2];
    if (icon != "info" && icon != "stop" && icon != "none") throw LineError{"unknown icon " + icon};
    const QString wanted =
        icon + " " + quote(quotedArgument(line, 3)) + " " + quote(quotedArgument(line, 4));
    if (dialogs_.expected >= dialogs_.shown.size())
        return fail(where, "message", wanted, "no message");
    const auto& m = dialogs_.shown[dialogs_.expected++];
    const QString got = m.icon + " " + quote(m.title) + " " + quote(m.text);
    if (got == wanted)
        ++counts_.passed;
    else
        fail(where, "message", wanted, got);
}

void Session::expectNoMessage(const QString& where) {
    if (dialogs_.expected >= dialogs_.shown.size()) {
        ++counts_.passed;
        return;
    }
    const auto& m = dialogs_.shown[dialogs_.expected];
    dialogs_.expected = dialogs_.shown.size();
    fail(where, "nomessage", "", m.icon + " " + quote(m.title) + " " + quote(m.text));
}

}  // namespace

bool Runner::runFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        out_ << path << ":0: error: cannot open the file\n";
        hadError = true;
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    const auto isCommand = [](const QString& line) {
        return !line.trimmed().isEmpty() && !line.trimmed().startsWith('#');
    };
    // "palette dark" as the first command: the window is built under a dark desktop palette.
    const auto first = std::find_if(lines.begin(), lines.end(), isCommand);
    const bool dark = first != lines.end() && first->trimmed() == "palette dark";
    const DesktopPalette palette(dark ? darkPalette() : QApplication::palette());
    Session session(out_, *this);
    for (int i = 0; i < lines.size(); ++i) {
        if (!isCommand(lines[i]) || (dark && lines.begin() + i == first)) continue;
        QString error;
        auto parsed = splitLine(lines[i].trimmed(), error);
        try {
            if (!parsed) throw LineError{error};
            session.run(path, i + 1, *parsed);
        } catch (const LineError& e) {
            out_ << path << ":" << (i + 1) << ": error: " << e.what << '\n';
            hadError = true;
            return false;
        }
        out_.flush();
    }
    return true;
}
