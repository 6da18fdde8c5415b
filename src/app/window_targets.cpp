// The targets of the scenario language, read from the main window as it stands.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

#include "app/controls.h"
#include "app/frmFunktion.h"
#include "app/twips.h"
#include "app/window_probe.h"
#include "plot/recording_surface.h"
#include "plot/square.h"

namespace {

QString yesNo(bool on) { return on ? "yes" : "no"; }

// The shortest text that reads back to the same double, with a decimal point.
QString shortest(double value) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

QString colourName(const QColor& c) {
    return QString::asprintf("#%02X%02X%02X", c.red(), c.green(), c.blue());
}

std::optional<QString> sharedVariable(const SharedState& w, const QString& name) {
    using Value = double (*)(const analysis::SharedValues&);
    static const std::map<QString, Value> numbers = {
        {"KoeffA", [](const auto& v) { return v.koeff.a; }},
        {"KoeffB", [](const auto& v) { return v.koeff.b; }},
        {"KoeffC", [](const auto& v) { return v.koeff.c; }},
        {"KoeffD", [](const auto& v) { return v.koeff.d; }},
        {"KoeffE", [](const auto& v) { return v.koeff.e; }},
        {"Abl1A", [](const auto& v) { return v.abl.abl1.a; }},
        {"Abl1B", [](const auto& v) { return v.abl.abl1.b; }},
        {"Abl1C", [](const auto& v) { return v.abl.abl1.c; }},
        {"Abl1D", [](const auto& v) { return v.abl.abl1.d; }},
        {"Abl2A", [](const auto& v) { return v.abl.abl2.a; }},
        {"Abl2B", [](const auto& v) { return v.abl.abl2.b; }},
        {"Abl2C", [](const auto& v) { return v.abl.abl2.c; }},
        {"Abl3A", [](const auto& v) { return v.abl.abl3.a; }},
        {"Abl3B", [](const auto& v) { return v.abl.abl3.b; }},
        {"HGA", [](const auto& v) { return v.hg.a; }},
        {"HGB", [](const auto& v) { return v.hg.b; }},
        {"HGC", [](const auto& v) { return v.hg.c; }},
        {"HGD", [](const auto& v) { return v.hg.d; }},
        {"Pi", [](const auto& v) { return v.pi; }}};
    if (auto it = numbers.find(name); it != numbers.end()) return shortest(it->second(w.analysed));
    if (name == "NullpunktX") return shortest(w.NullpunktX);
    if (name == "NullpunktY") return shortest(w.NullpunktY);
    if (name == "AchsenFarbe") return QString::fromStdString(colourText(w.AchsenFarbe));
    if (name == "EingabeOK") return yesNo(w.EingabeOK);
    return std::nullopt;
}

QPalette::ColorRole backgroundRole(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control) ||
        qobject_cast<const QComboBox*>(control))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton*>(control)) return QPalette::Button;
    return QPalette::Window;
}

std::optional<int> caretOf(const QWidget* control) {
    if (auto* line = qobject_cast<const QLineEdit*>(control)) return line->cursorPosition();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(control))
        return memo->textCursor().position();
    if (auto* combo = qobject_cast<const QComboBox*>(control); combo && combo->lineEdit())
        return combo->lineEdit()->cursorPosition();
    return std::nullopt;
}

std::optional<QString> selectedText(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control); combo && combo->lineEdit())
        control = combo->lineEdit();
    if (auto* line = qobject_cast<const QLineEdit*>(control)) return line->selectedText();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(control))
        return memo->textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n');
    return std::nullopt;
}

// "pixel CONTROL X Y": the colour the window shows there, as a snapshot renders it.
std::optional<QString> pixelTarget(const WindowProbe& probe, const QString& target,
                                   QString& error) {
    const QStringList words = target.split(' ');
    bool okX = false, okY = false;
    const int x = words.size() == 4 ? words[2].toInt(&okX) : 0;
    const int y = words.size() == 4 ? words[3].toInt(&okY) : 0;
    if (!okX || !okY) {
        error = "usage: pixel CONTROL X Y";
        return std::nullopt;
    }
    QWidget* control = probe.find(words[1]);
    if (!control) {
        error = "unknown control " + words[1];
        return std::nullopt;
    }
    const double scale = windowScale(control);
    const QPoint at(toPixels(x, scale), toPixels(y, scale));
    QWidget* shown = control->window();
    const QImage picture = shown->grab().toImage();
    const QPoint where = control->mapTo(shown, at) * picture.devicePixelRatio();
    if (!picture.rect().contains(where)) {
        error = "the point lies outside the window";
        return std::nullopt;
    }
    return colourName(picture.pixelColor(where));
}

// The control that a focused inner widget (a combo box's edit field) belongs to.
QString controlName(QWidget* widget, const WindowProbe& probe) {
    const QWidget* window = &probe.window();
    for (QWidget* w = widget; w && w != window; w = w->parentWidget())
        if (!w->objectName().isEmpty() && probe.find(w->objectName()) == w) return w->objectName();
    return widget == window ? window->objectName() : QString();
}

// "layer.xnumbers", "layer.ynumbers", "layer.marks": the reading aids as the window paints them
// now.
std::optional<QString> layerTarget(const WindowProbe& probe, const QString& target,
                                   QString& error) {
    const plot::Layer layer = probe.layer();
    if (target == "layer.marks") {
        QStringList lines;
        for (const plot::LayerMark& m : layer.marks) {
            const plot::Box& b = m.box;
            lines << QString("\"%1\" %2 %3 %4 %5")
                         .arg(QString::fromStdString(m.label))
                         .arg(std::lround(b.left - plot::kSquareLeft))
                         .arg(std::lround(b.top - plot::kSquareTop))
                         .arg(std::lround(b.width))
                         .arg(std::lround(b.height));
        }
        return lines.join('\n');
    }
    const bool x = target == "layer.xnumbers";
    if (!x && target != "layer.ynumbers") {
        error = "unknown target " + target;
        return std::nullopt;
    }
    // x left to right, y bottom to top.
    std::vector<const plot::LayerText*> numbers;
    for (const plot::LayerText& t : layer.numbers)
        if (t.onXAxis == x) numbers.push_back(&t);
    std::stable_sort(numbers.begin(), numbers.end(),
                     [x](auto* a, auto* b) { return x ? a->x < b->x : a->y > b->y; });
    QStringList texts;
    for (const plot::LayerText* t : numbers) texts << QString::fromStdString(t->text);
    return texts.join('|');
}

// The captions of the program's open windows, the main window first.
QString windowCaptions(const QWidget& window) {
    QStringList others;  // in the order of their captions, so that the text is repeatable
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window && w->isVisible() && w->isWindow()) others << w->windowTitle();
    others.sort();
    if (window.isVisible()) others.prepend(window.windowTitle());
    return others.join('|');
}

// "steckbrief.result", "steckbrief.check": the window keeps its answer in a property of this name
// after each "Lösen".
std::optional<QString> steckbriefTarget(const QString& target, QString& error) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmSteckbrief" && w->isVisible())
            return w->property(target.toUtf8().constData()).toString();
    error = "the window frmSteckbrief is not open";
    return std::nullopt;
}

// The targets that every window has a value for: the clipboard, the focus, the open windows, the
// surface and the module-level variables.
std::optional<QString> plainTarget(const WindowProbe& probe, const QString& target) {
    const RecordingSurface& recorder = probe.retained();
    if (target == "clipboard") return QApplication::clipboard()->text();
    if (target == "clipboard.formats") {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return data ? data->formats().join('|') : QString();
    }
    if (target == "focus") return controlName(QApplication::focusWidget(), probe);
    if (target == "windows") return windowCaptions(probe.window());
    if (target == "surface.lines") return QString::number(recorder.lines());
    if (target == "surface.points") return QString::number(recorder.points());
    if (target == "surface.width") return QString::number(probe.surface().penWidth());
    if (target == "surface.list") return QString::fromStdString(recorder.list());
    if (target == "Timer1.enabled") return yesNo(probe.timerEnabled());
    return sharedVariable(probe.state(), target);
}

QString place(const QWidget* control) {
    const QVariant twips = control->property(kTwipsProperty);
    const QRect g = twips.isValid() ? twips.toRect() : control->geometry();
    const int scale = twips.isValid() ? 1 : plot::kTwipsPerPixel;
    return QString("%1 %2 %3 %4")
        .arg(g.x() * scale)
        .arg(g.y() * scale)
        .arg(g.width() * scale)
        .arg(g.height() * scale);
}

// CONTROL.PROPERTY, the property text when none is named.
std::optional<QString> controlTarget(const WindowProbe& probe, const QString& target,
                                     QString& error) {
    const int dot = target.lastIndexOf('.');
    const QString name = dot < 0 ? target : target.left(dot);
    const QString property = dot < 0 ? "text" : target.mid(dot + 1);
    QWidget* control = probe.find(name);
    if (!control) {
        error = "unknown control or target " + name;
        return std::nullopt;
    }
    if (property == "text") return fieldText(control);
    if (property == "visible") return yesNo(!control->isHidden());
    if (property == "enabled") return yesNo(control->isEnabled());
    if (property == "tooltip") return control->toolTip();
    if (property == "colour") return colourName(control->palette().color(backgroundRole(control)));
    if (property == "place") return place(control);
    if (property == "checked") {
        if (auto* button = qobject_cast<QAbstractButton*>(control); button && button->isCheckable())
            return yesNo(button->isChecked());
    }
    if (property == "selected") {
        if (auto selected = selectedText(control)) return selected;
    }
    if (property == "caret") {
        if (auto caret = caretOf(control)) return QString::number(*caret);
    }
    error = "control " + name + " has no property " + property;
    return std::nullopt;
}

}  // namespace

std::optional<QString> WindowProbe::read(const QString& target, QString& error) const {
    if (target.startsWith("pixel ")) return pixelTarget(*this, target, error);
    if (target.startsWith("layer.")) return layerTarget(*this, target, error);
    if (target == "steckbrief.result" || target == "steckbrief.check")
        return steckbriefTarget(target, error);
    if (target == "pointer") return window_.hourglass() ? "hourglass" : "arrow";
    if (target == "discussion.text") {
        // The library's text, as "Bearbeiten → Kurvendiskussion kopieren" puts it on the clipboard.
        DiscussionTexts texts;
        if (discussionTexts(coefficientTexts(), texts, error)) return texts.plain;
        return std::nullopt;
    }
    if (auto value = plainTarget(*this, target)) return value;
    return controlTarget(*this, target, error);
}
