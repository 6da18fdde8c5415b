#include "app/accessible_interfaces.h"

#include <QAccessibleWidget>

#include "app/plot_widget.h"

namespace {

class PlotAccessible : public QAccessibleWidget {
  public:
    explicit PlotAccessible(PlotWidget* plot) : QAccessibleWidget(plot, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return static_cast<const PlotWidget*>(widget())->description();
        return QAccessibleWidget::text(t);
    }
};

class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle().trimmed();
        return QAccessibleWidget::text(t);
    }
};

// Asked with the most derived class name first; the toolkit's own classes keep their interfaces.
QAccessibleInterface* interfaceOf(const QString& className, QObject* object) {
    if (className == QLatin1String("PlotWidget"))
        if (auto* plot = qobject_cast<PlotWidget*>(object)) return new PlotAccessible(plot);
    if (className.startsWith('Q') || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->isWindow() && widget->windowType() == Qt::Window)
        return new WindowAccessible(widget);
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = (QAccessible::installFactory(interfaceOf), true);
    (void)installed;
}
