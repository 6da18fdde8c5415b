#include "app/picture_painter.h"

#include <algorithm>
#include <cmath>

#include <QPainterPath>

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
    // A pen three times the picture's side covers it from any point, as any wider one would; a
    // pen wider than the painter takes (32767 units) would be refused and drawn one unit wide.
    const double widest =
        std::min(3 * plot::kSquareSide / double(plot::kTwipsPerPixel) * scale_, 32767.0);
    const double units = std::clamp(std::round(width * scale_), 1.0, widest);
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

void PicturePainter::paintAll(const std::vector<Primitive>& primitives, Colour background,
                              const plot::Layer& layer) {
    const double side = plot::kSquareSide / double(plot::kTwipsPerPixel) * scale_;
    painter_.fillRect(QRectF(0, 0, side, side), toQColor(background));
    for (const Primitive& p : primitives) paint(p);
    paintLayer(layer);
}

QFont PicturePainter::layerFont() {
    QFont font("Liberation Sans");
    font.setPixelSize(static_cast<int>(plot::kNumberHeight / plot::kTwipsPerPixel));
    return font;
}

namespace {

// Where a text's box goes for its anchor point.
QRectF placed(QPointF at, QSizeF size, plot::Anchor anchor) {
    switch (anchor) {
        case plot::Anchor::Above:
            return {at.x() - size.width() / 2, at.y() - size.height(), size.width(), size.height()};
        case plot::Anchor::Below:
            return {at.x() - size.width() / 2, at.y(), size.width(), size.height()};
        case plot::Anchor::Left:
            return {at.x() - size.width(), at.y() - size.height() / 2, size.width(), size.height()};
        case plot::Anchor::Right:
            return {at.x(), at.y() - size.height() / 2, size.width(), size.height()};
    }
    return {};
}

}  // namespace

void PicturePainter::paintLayer(const plot::Layer& layer) {
    if (layer.ticks.empty() && layer.numbers.empty() && layer.marks.empty() &&
        layer.legend.entries.empty())
        return;
    painter_.save();
    const QColor colour = toQColor(layer.colour);
    QPen pen(colour);
    pen.setWidthF(std::max(1.0, scale_));
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    // The ticks as one path: they are no lines of the picture (an SVG holds a <line> for each).
    QPainterPath ticks;
    for (const plot::LayerLine& t : layer.ticks) {
        ticks.moveTo(device(static_cast<float>(t.x1), static_cast<float>(t.y1)));
        ticks.lineTo(device(static_cast<float>(t.x2), static_cast<float>(t.y2)));
    }
    painter_.drawPath(ticks);
    QFont font = layerFont();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale_))));
    if (aliasedText_) font.setStyleStrategy(QFont::NoAntialias);
    painter_.setFont(font);
    const QFontMetricsF metrics(font);
    const QColor ground = toQColor(layer.background);
    // Two pixels of ground either side, so that a minus sign stands apart from a grid line.
    const double pad = 2 * scale_;
    for (const plot::LayerText& t : layer.numbers) {
        const QString text = QString::fromStdString(t.text);
        const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
        const QRectF box =
            placed(device(static_cast<float>(t.x), static_cast<float>(t.y)), size, t.anchor);
        painter_.fillRect(box.adjusted(-pad, 0, pad, 0), ground);
        painter_.drawText(box, Qt::AlignCenter, text);
    }
    paintMarks(layer.marks, ground);
    paintLegend(layer.legend, pen, ground);
    painter_.restore();
    penSet_ = false;
}

// A mark: its symbol, 9 pixels across, filled with the background over the curve, and its label,
// in the font and pen that paintLayer set.
void PicturePainter::paintMarks(const std::vector<plot::LayerMark>& marks, const QColor& ground) {
    const double r = 4.5 * scale_;
    painter_.setBrush(ground);
    for (const plot::LayerMark& m : marks) {
        const QPointF c = device(static_cast<float>(m.x), static_cast<float>(m.y));
        switch (m.symbol) {
            case plot::Symbol::Circle:
                painter_.drawEllipse(c, r, r);
                break;
            case plot::Symbol::Square:
                painter_.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
                break;
            case plot::Symbol::Diamond:
                painter_.drawPolygon(QPolygonF({c + QPointF(0, -r), c + QPointF(r, 0),
                                                c + QPointF(0, r), c + QPointF(-r, 0)}));
                break;
            case plot::Symbol::Triangle:
                painter_.drawPolygon(
                    QPolygonF({c + QPointF(0, -r), c + QPointF(r, r), c + QPointF(-r, r)}));
                break;
        }
        // The label in the box the layer chose for it, clear of the other labels and marks.
        const QRectF box(device(static_cast<float>(m.box.left), static_cast<float>(m.box.top)),
                         QSizeF(m.box.width, m.box.height) / plot::kTwipsPerPixel * scale_);
        painter_.fillRect(box, ground);
        painter_.drawText(box, Qt::AlignCenter, QString::fromStdString(m.label));
    }
}

// The legend's box framed in the layer's colour; a row a curve: a stretch of line in its colour
// and width, then its name.
void PicturePainter::paintLegend(const plot::Legend& legend, const QPen& frame,
                                 const QColor& ground) {
    if (legend.entries.empty()) return;
    const double twips = scale_ / plot::kTwipsPerPixel;
    const QRectF box(device(static_cast<float>(legend.left), static_cast<float>(legend.top)),
                     QSizeF(legend.width, legend.height) * twips);
    painter_.setPen(frame);
    painter_.setBrush(ground);
    painter_.drawRect(box);
    double top = legend.top + plot::kLegendPadding;
    for (const plot::LegendEntry& e : legend.entries) {
        const double middle = top + plot::kLegendRow / 2;
        const double left = legend.left + plot::kLegendPadding;
        QPen sample(toQColor(e.colour));
        sample.setWidthF(std::max(1.0, e.width * scale_));
        painter_.setPen(sample);
        // A path, as the ticks: no line of the picture (an SVG holds a <line> for each of those).
        QPainterPath stretch(device(static_cast<float>(left), static_cast<float>(middle)));
        stretch.lineTo(
            device(static_cast<float>(left + plot::kLegendSample), static_cast<float>(middle)));
        painter_.drawPath(stretch);
        painter_.setPen(frame);
        const double textLeft = left + plot::kLegendSample + plot::kLegendGap;
        const QRectF row(device(static_cast<float>(textLeft), static_cast<float>(top)),
                         QSizeF(legend.left + legend.width - textLeft, plot::kLegendRow) * twips);
        painter_.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(e.name));
        top += plot::kLegendRow;
    }
}
