#include "app/picture_painter.h"

#include <algorithm>
#include <cmath>

#include "app/qt_colour.h"
#include "plot/square.h"

namespace {

// Device coordinates, clamped far outside the picture so that huge values stay sane.
double clamped(double v) { return std::clamp(v, -1e6, 1e6); }

}  // namespace

PicturePainter::PicturePainter(QPainter& painter, double scale, bool raster)
    : painter_(painter), scale_(scale), raster_(raster) {}

QPointF PicturePainter::device(float x, float y) const {
    QPointF p{clamped((x - plot::kSquareLeft) / double(plot::kTwipsPerPixel) * scale_),
              clamped((y - plot::kSquareTop) / double(plot::kTwipsPerPixel) * scale_)};
    if (raster_) p = QPointF(std::lround(p.x()), std::lround(p.y()));
    return p;
}

void PicturePainter::usePen(Colour colour, int width) {
    if (penSet_ && colour == penColour_ && width == penWidth_) return;
    const double units = std::max(1.0, std::round(width * scale_));
    QPen pen(toQColor(colour));
    // A one-pixel pen is the cosmetic pen on an image: exactly one pixel, drawn fastest.
    if (raster_ && units == 1)
        pen.setWidth(0);
    else
        pen.setWidthF(units);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    penSet_ = true;
    penColour_ = colour;
    penWidth_ = width;
    dot_ = QImage();
}

void PicturePainter::paint(const Primitive& p) {
    if (!std::isfinite(p.x1 + p.y1 + p.x2 + p.y2)) return;
    const QPointF a = device(p.x1, p.y1), b = device(p.x2, p.y2);
    const Stroke s{p.isLine, a.x(),  a.y(), p.isLine ? b.x() : 0, p.isLine ? b.y() : 0,
                   p.colour, p.width};
    // On an image a stroke that paints the same pixels as the one before changes nothing.
    if (raster_ && hasLast_ && s == last_) return;
    last_ = s;
    hasLast_ = true;
    usePen(p.colour, p.width);
    if (p.isLine) {
        painter_.drawLine(a, b);
        return;
    }
    if (!raster_ || painter_.pen().width() <= 1) {
        painter_.drawPoint(a);
        return;
    }
    // A wide round point is stroked as a path, some microseconds each; a curve in point mode
    // has thousands, so on an image the dot is drawn once and then copied.
    if (dot_.isNull()) {
        const int size = painter_.pen().width() + 2;
        dot_ = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        dot_.fill(Qt::transparent);
        dotCentre_ = QPoint(size / 2, size / 2);
        QPainter dot(&dot_);
        dot.setPen(painter_.pen());
        dot.drawPoint(dotCentre_);
    }
    painter_.drawImage(a.toPoint() - dotCentre_, dot_);
}

void PicturePainter::paintAll(const std::vector<Primitive>& primitives, Colour background) {
    const double side = plot::kSquareSide / double(plot::kTwipsPerPixel) * scale_;
    painter_.fillRect(QRectF(0, 0, side, side), toQColor(background));
    for (const Primitive& p : primitives) paint(p);
}
