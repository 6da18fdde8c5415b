#include "discussion_window/discussion_exports.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <variant>
#include <vector>

#include "discussion_window/math_painter.h"
#include "document/discussion_document.h"
#include "exact/coefficients.h"

doc::QuadraticFormula& chosenQuadraticFormula() {
    static doc::QuadraticFormula formula = doc::QuadraticFormula::Pq;
    return formula;
}

doc::Document discussionDocumentOf(const CoefficientTexts& coefficients) {
    const auto texts = CoefficientTexts::utf8(coefficients.texts);
    const auto read =
        exact::readCoefficients(texts, CoefficientTexts::utf8(coefficients.fractions));
    if (const auto* error = std::get_if<exact::ReadError>(&read))
        return doc::unreadableDocument(*error, texts[static_cast<std::size_t>(error->field)]);
    return doc::discussionDocument(exact::discuss(std::get<exact::Coefficients>(read)),
                                   chosenQuadraticFormula());
}

namespace {

struct Line {
    std::vector<std::pair<qreal, MathBox>> boxes;  // at their x
    qreal ascent = 0, descent = 0;
};

// A paragraph broken into lines of the width: formulas stay whole, texts break after a space.
std::vector<Line> linesOf(const doc::Paragraph& paragraph, const QFont& font, qreal width) {
    std::vector<MathBox> pieces;
    for (const doc::Math& item : paragraph.items) {
        if (item.kind() != doc::Math::Kind::Text) {
            pieces.push_back(MathBox::layout(item, font));
            continue;
        }
        const std::string& text = item.textOf();
        for (std::size_t from = 0; from < text.size();) {
            const std::size_t space = text.find(' ', from);
            const std::size_t to = space == std::string::npos ? text.size() : space + 1;
            pieces.push_back(MathBox::layout(doc::Math::text(text.substr(from, to - from)), font));
            from = to;
        }
    }
    const QFontMetricsF fm(font);
    std::vector<Line> lines(1);
    qreal x = 0;
    for (const MathBox& piece : pieces) {
        if (x > 0 && x + piece.width() > width) {
            lines.emplace_back();
            x = 0;
        }
        Line& line = lines.back();
        line.boxes.emplace_back(x, piece);
        x += piece.width();
    }
    for (Line& line : lines) {
        line.ascent = fm.ascent();
        line.descent = fm.descent();
        for (const auto& [at, box] : line.boxes) {
            line.ascent = std::max(line.ascent, box.ascent());
            line.descent = std::max(line.descent, box.descent());
        }
    }
    return lines;
}

qreal heightOf(const std::vector<Line>& lines, qreal leading) {
    qreal h = 0;
    for (const Line& line : lines) h += line.ascent + line.descent + leading;
    return h;
}

QFont fontOn(QPagedPaintDevice& device, qreal points, bool bold) {
    QFont font("Liberation Sans");
    font.setPointSizeF(points);
    font.setBold(bold);
    // Metrics of this font are the device's, so that what MathBox measures is what it paints.
    return QFont(font, &device);
}

}  // namespace

void paintDocument(QPagedPaintDevice& device, const doc::Document& document,
                   const DiscussionPicture* picture) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    QPainter p(&device);
    p.setPen(Qt::black);
    const qreal mm = device.logicalDpiX() / 25.4;
    const qreal width = device.width();
    const QFont body = fontOn(device, 11, false);
    const QFont heading = fontOn(device, 12.5, true);
    const QFont title = fontOn(device, 15, true);
    const QFont footer = fontOn(device, 8, false);
    const qreal footerHeight = QFontMetricsF(footer).height() + 3 * mm;
    const qreal bottom = device.height() - footerHeight;
    const qreal leading = 1.2 * mm;
    const qreal indent = 5 * mm;

    int page = 1;
    auto paintFooter = [&] {
        p.setFont(footer);
        p.drawText(QRectF(0, bottom, width, footerHeight), Qt::AlignRight | Qt::AlignBottom,
                   QString("Polyskop – Kurvendiskussion – Seite %1").arg(page));
    };
    qreal y = 0;
    auto paintLines = [&](const std::vector<Line>& lines, qreal left) {
        for (const Line& line : lines) {
            y += line.ascent;
            for (const auto& [x, box] : line.boxes) box.paint(p, QPointF(left + x, y));
            y += line.descent + leading;
        }
    };
    // A block that does not fit under what stands on the page starts the next one.
    auto makeRoom = [&](qreal height) {
        if (y > 0 && y + height > bottom) {
            paintFooter();
            device.newPage();
            ++page;
            y = 0;
        }
    };

    paintLines(linesOf(document.title, title, width), 0);
    y += 2 * mm;
    if (picture && *picture) {
        const qreal side = std::min<qreal>(100 * mm, width);
        const QRectF square((width - side) / 2, y, side, side);
        p.save();
        p.setClipRect(square);
        (*picture)(p, square);
        p.restore();
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(square);
        y += side + 4 * mm;
    }
    for (const doc::Section& section : document.sections) {
        const auto head = linesOf({{doc::Math::text(section.heading)}}, heading, width);
        std::vector<std::vector<Line>> paragraphs;
        for (const doc::Paragraph& paragraph : section.paragraphs)
            paragraphs.push_back(linesOf(paragraph, body, width - indent));
        const qreal gap = 3 * mm;
        // A section that fits on a page starts on the next one rather than being split; a longer
        // one keeps at least its heading with its first paragraph.
        qreal whole = gap + heightOf(head, leading);
        for (const auto& lines : paragraphs) whole += heightOf(lines, leading);
        if (whole <= bottom)
            makeRoom(whole);
        else
            makeRoom(gap + heightOf(head, leading) +
                     (paragraphs.empty() ? 0 : heightOf(paragraphs.front(), leading)));
        if (y > 0) y += gap;
        paintLines(head, 0);
        for (const auto& lines : paragraphs) {
            makeRoom(heightOf(lines, leading));
            paintLines(lines, indent);
        }
    }
    paintFooter();
}
