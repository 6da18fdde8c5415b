#include "app/scaled_area.h"

#include <QFont>
#include <QResizeEvent>

#include "app/twips.h"
#include "app/window_scale.h"

namespace {

// The name of the property that keeps a widget's own font as it was at 100 %.
constexpr char kFontProperty[] = "font100";

void scaleFont(QWidget* widget, double scale) {
    if (!widget->testAttribute(Qt::WA_SetFont)) return;  // inherits its container's
    QVariant kept = widget->property(kFontProperty);
    if (!kept.isValid()) {
        kept = widget->font();
        widget->setProperty(kFontProperty, kept);
    }
    const QFont original = kept.value<QFont>();
    QFont font = original;
    if (original.pointSizeF() > 0)
        font.setPointSizeF(original.pointSizeF() * scale);
    else
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(original.pixelSize() * scale))));
    widget->setFont(font);
}

void place(QWidget* widget, double scale) {
    const QVariant twips = widget->property(kTwipsProperty);
    if (!twips.isValid()) return;
    const QRect box = twips.toRect();
    widget->setGeometry(pixelBox(box.x(), box.y(), box.width(), box.height(), scale));
}

}  // namespace

ScaledArea::ScaledArea(QWidget* content, QWidget* parent) : QWidget(parent), content_(content) {
    content_->setParent(this);
    content_->setProperty(kScaleProperty, scale_);
    content_->setGeometry(QRect(QPoint(0, 0), window_scale::clientSize(scale_)));
    setMinimumSize(window_scale::clientSize(window_scale::kSmallest));
}

QSize ScaledArea::sizeHint() const { return window_scale::clientSize(1); }

void ScaledArea::resizeEvent(QResizeEvent* event) {
    rescale(window_scale::fitting(event->size()));
    QWidget::resizeEvent(event);
}

void ScaledArea::rescale(double scale) {
    const QSize size = window_scale::clientSize(scale);
    content_->setGeometry(
        QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size));
    if (scale == scale_) return;
    scale_ = scale;
    content_->setProperty(kScaleProperty, scale);
    scaleFont(content_, scale);
    for (QWidget* widget : content_->findChildren<QWidget*>()) {
        place(widget, scale);
        scaleFont(widget, scale);
    }
    emit rescaled(scale);
}
