#include "app/escape_closes.h"

#include <QApplication>
#include <QEvent>
#include <QShortcut>

#include "app/frmFunktion.h"

namespace {

constexpr const char* kShortcutName = "escapeCloses";

// Gives each secondary window, when it is first shown, a window-wide shortcut for Escape. The
// windows live in libraries of their own that are loaded on demand, so they are found here
// rather than each one setting itself up.
class EscapeCloses : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            equip(static_cast<QWidget*>(watched));
        return false;
    }

  private:
    static void equip(QWidget* w) {
        if (!w->isWindow() || w->windowType() != Qt::Window || qobject_cast<frmFunktion*>(w))
            return;
        if (w->findChild<QShortcut*>(kShortcutName, Qt::FindDirectChildrenOnly)) return;
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), w);
        escape->setObjectName(kShortcutName);
        QObject::connect(escape, &QShortcut::activated, w, &QWidget::close);
    }
};

}  // namespace

void closeSecondaryWindowsOnEscape(QApplication& app) {
    app.installEventFilter(new EscapeCloses(&app));
}
