#pragma once

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <functional>
#include <memory>

#include "document/math.h"

// School mathematics laid out as on paper: fractions stacked over a rule, roots under their
// bar, exponents raised, indices lowered.
class MathBox {
  public:
    // The layout of math in font; exponents, indices and nested fractions get smaller fonts.
    static MathBox layout(const doc::Math& math, const QFont& font);

    qreal width() const { return width_; }
    qreal ascent() const { return ascent_; }    // above the baseline
    qreal descent() const { return descent_; }  // below it

    // Paints with the painter's pen colour, the baseline starting at origin.
    void paint(QPainter& painter, QPointF origin) const { (*paint_)(painter, origin); }

  private:
    static MathBox textBox(const doc::Math& math, const QFont& font);
    static MathBox rowBox(const doc::Math& math, const QFont& font);
    static MathBox fractionBox(const doc::Math& math, const QFont& font);
    static MathBox rootBox(const doc::Math& math, const QFont& font);
    static MathBox scriptBox(const doc::Math& math, const QFont& font);

    qreal width_ = 0, ascent_ = 0, descent_ = 0;
    // Shared, so that a box copies cheaply into the box around it.
    using Paint = std::function<void(QPainter&, QPointF)>;
    std::shared_ptr<const Paint> paint_ = std::make_shared<const Paint>([](QPainter&, QPointF) {});
};
