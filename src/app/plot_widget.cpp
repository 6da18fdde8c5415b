#include "app/plot_widget.h"

#include <algorithm>
#include <cmath>

#include "app/qt_colour.h"
#include "app/twips.h"

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    const int left = toPixels(plot::kSquareLeft), top = toPixels(plot::kSquareTop);
    setGeometry(left, top, toPixels(plot::kSquareRight) - left + 1,
                toPixels(plot::kSquareBottom) - top + 1);
    ensureImage();
}

void PlotWidget::ensureImage() {
    const double ratio = devicePixelRatioF();
    const QSize size(std::lround(width() * ratio), std::lround(height() * ratio));
    if (!image_.isNull() && image_.size() == size) return;
    if (painter_.isActive()) painter_.end();
    QImage fresh(size, QImage::Format_ARGB32_Premultiplied);
    fresh.fill(Qt::transparent);
    if (!image_.isNull()) {
        QPainter p(&fresh);
        p.drawImage(fresh.rect(), image_);
    }
    image_ = std::move(fresh);
    ratio_ = ratio;
    hasLast_ = false;
}

QPointF PlotWidget::devicePoint(float x, float y) const {
    return {(x - plot::kSquareLeft) / plot::kTwipsPerPixel * ratio_,
            (y - plot::kSquareTop) / plot::kTwipsPerPixel * ratio_};
}

void PlotWidget::clear() {
    if (painter_.isActive()) painter_.end();
    ensureImage();
    image_.fill(Qt::transparent);
    hasLast_ = false;
    scheduleUpdate();
}

// Opens the painter for a stroke; false when the stroke repeats the one before exactly.
bool PlotWidget::begin(const Stroke& stroke) {
    if (hasLast_ && stroke == last_) return false;
    last_ = stroke;
    hasLast_ = true;
    const int pixels = std::max(1, static_cast<int>(std::lround(stroke.width * ratio_)));
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        penPixels_ = 0;
    }
    if (penPixels_ != pixels || penColour_ != stroke.colour) {
        QPen pen(toQColor(stroke.colour));
        pen.setWidth(pixels == 1 ? 0 : pixels);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter_.setPen(pen);
        penPixels_ = pixels;
        penColour_ = stroke.colour;
        dot_ = QImage();
    }
    scheduleUpdate();
    return true;
}

namespace {

// Device pixel coordinates, clamped far outside the image so that huge values stay sane.
int pixel(double v) { return static_cast<int>(std::lround(std::clamp(v, -1e6, 1e6))); }

}  // namespace

void PlotWidget::line(float x1, float y1, float x2, float y2, Colour colour) {
    const QPointF a = devicePoint(x1, y1), b = devicePoint(x2, y2);
    if (!std::isfinite(a.x() + a.y() + b.x() + b.y())) return;
    const Stroke s{true, pixel(a.x()), pixel(a.y()), pixel(b.x()), pixel(b.y()), colour, width_};
    if (!begin(s)) return;
    painter_.drawLine(s.x1, s.y1, s.x2, s.y2);
}

void PlotWidget::point(float x, float y, Colour colour) {
    const QPointF a = devicePoint(x, y);
    if (!std::isfinite(a.x() + a.y())) return;
    const Stroke s{false, pixel(a.x()), pixel(a.y()), 0, 0, colour, width_};
    if (!begin(s)) return;
    if (penPixels_ == 1) {
        painter_.drawPoint(s.x1, s.y1);
        return;
    }
    // A wide round point is stroked as a path, some microseconds each; a curve in point mode
    // has thousands, so the dot is drawn once and then copied.
    if (dot_.isNull()) {
        const int size = penPixels_ + 2;
        dot_ = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        dot_.fill(Qt::transparent);
        dotCentre_ = QPoint(size / 2, size / 2);
        QPainter dot(&dot_);
        dot.setPen(painter_.pen());
        dot.drawPoint(dotCentre_);
    }
    painter_.drawImage(QPoint(s.x1, s.y1) - dotCentre_, dot_);
}

void PlotWidget::scheduleUpdate() {
    if (updatePending_) return;
    updatePending_ = true;
    update();
}

QImage PlotWidget::picture() {
    if (painter_.isActive()) painter_.end();
    return image_;
}

void PlotWidget::paintEvent(QPaintEvent*) {
    updatePending_ = false;
    if (painter_.isActive()) painter_.end();
    ensureImage();
    QPainter p(this);
    p.drawImage(QRectF(rect()), image_);
}
