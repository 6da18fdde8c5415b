#include "app/plot_widget.h"

#include <cmath>

#include "app/twips.h"

PlotWidget::PlotWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    placeAt(windowScale(this));
}

// The square from its left and top edge to the pixel that its right and bottom edge fall on.
void PlotWidget::placeAt(double scale) {
    const int side = toPixels(plot::kSquareSide, scale) + 1;
    setGeometry(toPixels(plot::kSquareLeft, scale), toPixels(plot::kSquareTop, scale), side, side);
}

// The backing image at the device's resolution and the window's scale, made when the first
// primitive arrives; a new resolution paints the picture anew.
void PlotWidget::ensureImage() {
    const double device = devicePixelRatioF();
    const double ratio = device * windowScale(this);
    const QSize size(std::lround(width() * device), std::lround(height() * device));
    if (!image_.isNull() && image_.size() == size && ratio == ratio_) return;
    strokes_.reset();
    if (painter_.isActive()) painter_.end();
    image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    ratio_ = ratio;
    paintAgain();
}

// The backing image painted anew from every primitive retained.
void PlotWidget::paintAgain() {
    strokes_.reset();
    if (painter_.isActive()) painter_.end();
    image_.fill(Qt::transparent);
    QPainter p(&image_);
    PicturePainter again(p, ratio_, true);
    for (const auto& primitive : retained_.primitives()) again.paint(primitive);
}

int PlotWidget::drawOnce(const std::string& key, const std::function<int()>& draw) {
    if (const RecordingSurface::Drawing* known = retained_.drawing(key)) {
        const int result = known->result;
        if (retained_.raise(key) && !image_.isNull()) {
            paintAgain();
            scheduleUpdate();
        }
        return result;
    }
    const std::size_t begin = retained_.primitives().size();
    const int result = draw();
    retained_.keep(key, begin, result);
    return result;
}

void PlotWidget::clear() {
    retained_.clear();
    strokes_.reset();
    if (painter_.isActive()) painter_.end();
    if (!image_.isNull()) image_.fill(Qt::transparent);
    scheduleUpdate();
}

void PlotWidget::line(float x1, float y1, float x2, float y2, Colour colour) {
    retained_.line(x1, y1, x2, y2, colour);
    paintLatest();
}

void PlotWidget::point(float x, float y, Colour colour) {
    retained_.point(x, y, colour);
    paintLatest();
}

// The primitive just retained, painted into the backing image at once.
void PlotWidget::paintLatest() {
    if (image_.isNull()) {
        ensureImage();  // paints every primitive retained, the latest among them
    } else {
        if (!strokes_) {
            painter_.begin(&image_);
            strokes_.emplace(painter_, ratio_, true);
        }
        strokes_->paint(retained_.primitives().back());
    }
    scheduleUpdate();
}

void PlotWidget::scheduleUpdate() {
    if (updatePending_) return;
    updatePending_ = true;
    update();
}

void PlotWidget::setShift(QPointF twips) {
    if (twips == shift_) return;
    shift_ = twips;
    update();
}

void PlotWidget::paintEvent(QPaintEvent*) {
    updatePending_ = false;
    strokes_.reset();
    if (painter_.isActive()) painter_.end();
    QPainter p(this);
    const double scale = windowScale(this);
    p.translate(shift_ * scale / plot::kTwipsPerPixel);
    if (!image_.isNull()) {
        ensureImage();
        p.drawImage(QRectF(rect()), image_);
    }
    if (layerOf_) PicturePainter(p, scale, true).paintLayer(layerOf_());
}
