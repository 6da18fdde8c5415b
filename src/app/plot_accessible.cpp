#include "app/plot_accessible.h"

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

QAccessibleInterface* plotAccessibleOf(const QString& className, QObject* object) {
    if (className == QLatin1String("PlotWidget"))
        if (auto* plot = qobject_cast<PlotWidget*>(object)) return new PlotAccessible(plot);
    return nullptr;
}

}  // namespace

void installPlotAccessible() {
    static const bool installed = (QAccessible::installFactory(plotAccessibleOf), true);
    (void)installed;
}
