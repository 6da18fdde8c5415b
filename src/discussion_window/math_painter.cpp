#include "discussion_window/math_painter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <vector>

namespace {

using doc::Math;

// Shaping a text to measure it is the costly part of a layout, and a document repeats its pieces
// ("x", " = ", digits) from one change to the next: their widths are kept. The window's thread
// alone lays formulas out. The same font on the printer has other widths than on the screen; its
// height tells them apart.
struct WidthKey {
    QString family;
    qreal size;
    int weight;
    bool italic;
    qreal height;  // tells the printer's font from the screen's
    QString text;
    bool operator==(const WidthKey&) const = default;
};

size_t qHash(const WidthKey& k, size_t seed = 0) {
    return qHashMulti(seed, k.family, k.size, k.weight, k.italic, k.height, k.text);
}

qreal widthOf(const QFont& font, const QFontMetricsF& fm, const QString& text) {
    static QHash<WidthKey, qreal> widths;
    if (widths.size() > 20000) widths.clear();
    const WidthKey key{font.family(), font.pointSizeF(), font.weight(),
                       font.italic(), fm.height(),       text};
    auto found = widths.constFind(key);
    if (found != widths.constEnd()) return *found;
    return widths[key] = fm.horizontalAdvance(text);
}

// Exponents, indices and nested fractions get smaller fonts, but none below this.
constexpr qreal kSmallestPoints = 7;

QFont scaled(const QFont& font, qreal factor, qreal smallest) {
    QFont f = font;
    f.setPointSizeF(std::max(smallest, font.pointSizeF() * factor));
    return f;
}

}  // namespace

// A text in the font.
MathBox MathBox::textBox(const Math& math, const QFont& font) {
    const QFontMetricsF fm(font);
    MathBox box;
    const QString text = QString::fromStdString(math.textOf());
    box.width_ = widthOf(font, fm, text);
    box.ascent_ = fm.ascent();
    box.descent_ = fm.descent();
    box.paint_ = std::make_shared<const Paint>([font, text](QPainter& p, QPointF at) {
        p.setFont(font);
        p.drawText(at, text);
    });
    return box;
}

// Items side by side on one baseline.
MathBox MathBox::rowBox(const Math& math, const QFont& font) {
    MathBox box;
    const auto& items = math.items();
    std::vector<std::pair<qreal, MathBox>> placed;
    for (const Math& item : items) {
        MathBox child = layout(item, font);
        placed.emplace_back(box.width_, child);
        box.width_ += child.width_;
        box.ascent_ = std::max(box.ascent_, child.ascent_);
        box.descent_ = std::max(box.descent_, child.descent_);
    }
    box.paint_ = std::make_shared<const Paint>([placed](QPainter& p, QPointF at) {
        for (const auto& [x, child] : placed) child.paint(p, at + QPointF(x, 0));
    });
    return box;
}

// Numerator over denominator, a little smaller, centred on the bar at the font's maths axis.
MathBox MathBox::fractionBox(const Math& math, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal em = fm.height();
    const qreal rule = std::max<qreal>(1, fm.lineWidth());
    MathBox box;
    const auto& items = math.items();
    const QFont small = scaled(font, 0.9, kSmallestPoints);
    const MathBox num = layout(items[0], small);
    const MathBox den = layout(items[1], small);
    const qreal axis = fm.strikeOutPos();
    const qreal gap = 0.12 * em;
    const qreal pad = 0.12 * em;
    box.width_ = std::max(num.width_, den.width_) + 2 * pad;
    box.ascent_ = axis + rule / 2 + gap + num.descent_ + num.ascent_;
    box.descent_ = std::max<qreal>(0, den.ascent_ + den.descent_ + gap + rule / 2 - axis);
    const qreal w = box.width_;
    box.paint_ = std::make_shared<const Paint>([=](QPainter& p, QPointF at) {
        num.paint(p, at + QPointF((w - num.width_) / 2, -axis - rule / 2 - gap - num.descent_));
        den.paint(p, at + QPointF((w - den.width_) / 2, -axis + rule / 2 + gap + den.ascent_));
        p.fillRect(QRectF(at.x() + pad / 2, at.y() - axis - rule / 2, w - pad, rule),
                   p.pen().color());
    });
    return box;
}

// The radical sign drawn as a path over the radicand.
MathBox MathBox::rootBox(const Math& math, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal em = fm.height();
    const qreal rule = std::max<qreal>(1, fm.lineWidth());
    MathBox box;
    const auto& items = math.items();
    const MathBox radicand = layout(items[0], font);
    const qreal sign = 0.55 * em;
    const qreal gap = 0.1 * em;
    box.width_ = sign + radicand.width_ + 0.08 * em;
    box.ascent_ = radicand.ascent_ + gap + rule;
    box.descent_ = radicand.descent_;
    const qreal w = box.width_, top = box.ascent_ - rule / 2, bottom = radicand.descent_;
    box.paint_ = std::make_shared<const Paint>([=](QPainter& p, QPointF at) {
        QPainterPath path(at + QPointF(0.05 * em, -0.3 * em));
        path.lineTo(at + QPointF(0.18 * em, -0.38 * em));
        path.lineTo(at + QPointF(0.32 * em, bottom));
        path.lineTo(at + QPointF(sign - 0.04 * em, -top));
        path.lineTo(at + QPointF(w, -top));
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(p.pen().color(), rule, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPath(path);
        p.restore();
        radicand.paint(p, at + QPointF(sign, 0));
    });
    return box;
}

// A power (raised, its base bracketed unless it is a single item) or an index (lowered).
MathBox MathBox::scriptBox(const Math& math, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal em = fm.height();
    MathBox box;
    const auto& items = math.items();
    const bool up = math.kind() == Math::Kind::Power;
    const bool bracketed = up && !isAtomic(items[0]);
    const MathBox base = layout(
        bracketed ? Math::row({Math::text("("), items[0], Math::text(")")}) : items[0], font);
    const MathBox script = layout(items[1], scaled(font, 0.7, kSmallestPoints));
    const qreal shift = up ? -0.42 * fm.ascent() : 0.22 * fm.ascent();
    box.width_ = base.width_ + script.width_ + 0.05 * em;
    box.ascent_ = std::max(base.ascent_, script.ascent_ - shift);
    box.descent_ = std::max(base.descent_, script.descent_ + shift);
    const qreal x = base.width_ + 0.03 * em;
    box.paint_ = std::make_shared<const Paint>([=](QPainter& p, QPointF at) {
        base.paint(p, at);
        script.paint(p, at + QPointF(x, shift));
    });
    return box;
}

MathBox MathBox::layout(const Math& math, const QFont& font) {
    switch (math.kind()) {
        case Math::Kind::Text:
            return textBox(math, font);
        case Math::Kind::Row:
            return rowBox(math, font);
        case Math::Kind::Fraction:
            return fractionBox(math, font);
        case Math::Kind::Root:
            return rootBox(math, font);
        case Math::Kind::Power:
        case Math::Kind::Index:
            return scriptBox(math, font);
    }
    return {};
}
