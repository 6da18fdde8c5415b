#include "discussion_window/document_view.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextObjectInterface>
#include <optional>

#include "discussion_window/math_painter.h"

namespace {

constexpr int kFormulaObject = QTextFormat::UserObject + 1;
constexpr int kFormulaIndex = QTextFormat::UserProperty + 1;

}  // namespace

// Draws a formula of the view where the text layout put it. Inline objects are centred on the
// line's middle, so each box is padded to sit on the baseline there. Each formula is laid out
// once, when the text layout first asks for its size.
class MathTextObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
  public:
    MathTextObject(const std::vector<doc::Math>& formulas, QObject* parent)
        : QObject(parent), formulas_(formulas) {}

    // The formulas changed: their layouts are made anew.
    void forget() { placed_.clear(); }

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
        const Placed& placed = place(format);
        return {placed.box.width(), placed.above + placed.below};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override {
        const Placed& placed = place(format);
        painter->save();
        placed.box.paint(*painter, QPointF(rect.left(), rect.top() + placed.above));
        painter->restore();
    }

  private:
    struct Placed {
        MathBox box;
        qreal above, below;  // the padded ascent and descent
    };

    // The text layout asks for a formula's size more than once and again when painting it.
    const Placed& place(const QTextFormat& format) {
        const auto index = static_cast<std::size_t>(format.intProperty(kFormulaIndex));
        if (placed_.size() != formulas_.size()) placed_.resize(formulas_.size());
        std::optional<Placed>& placed = placed_[index];
        if (!placed) placed = layOut(formulas_[index], format.toCharFormat().font());
        return *placed;
    }

    static Placed layOut(const doc::Math& formula, const QFont& font) {
        const MathBox box = MathBox::layout(formula, font);
        // The layout puts the box's middle half an x-height above the baseline.
        const qreal halfX = QFontMetricsF(font).xHeight() / 2;
        qreal above = box.ascent(), below = box.descent();
        if (above - below > halfX)
            below = above - halfX;
        else
            above = below + halfX;
        return {box, above, below};
    }

    const std::vector<doc::Math>& formulas_;
    std::vector<std::optional<Placed>> placed_;
};

DocumentView::DocumentView(QWidget* parent)
    : QTextBrowser(parent), formulaHandler_(new MathTextObject(formulas_, this)) {
    document()->documentLayout()->registerHandler(kFormulaObject, formulaHandler_);
    document()->setDocumentMargin(18);
    document()->setUndoRedoEnabled(false);
    // A scroll bar that came and went with each new document would lay it out twice.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void DocumentView::show(const doc::Document& document) {
    formulas_.clear();
    formulaHandler_->forget();
    QTextDocument* text = this->document();
    text->clear();
    QTextCursor cursor(text);
    // One layout at the end instead of one after every insertion.
    cursor.beginEditBlock();
    const QFont base = font();

    auto writeParagraph = [&](const doc::Paragraph& paragraph, const QFont& font) {
        QTextCharFormat plain;
        plain.setFont(font);
        for (const doc::Math& item : paragraph.items) {
            if (item.kind() == doc::Math::Kind::Text) {
                cursor.insertText(QString::fromStdString(item.textOf()), plain);
                continue;
            }
            QTextCharFormat formula = plain;
            formula.setObjectType(kFormulaObject);
            formula.setProperty(kFormulaIndex, static_cast<int>(formulas_.size()));
            formula.setVerticalAlignment(QTextCharFormat::AlignMiddle);
            formulas_.push_back(item);
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), formula);
        }
    };

    QTextBlockFormat titleBlock;
    titleBlock.setBottomMargin(6);
    QFont titleFont = base;
    titleFont.setPointSizeF(base.pointSizeF() * 1.35);
    titleFont.setBold(true);
    cursor.setBlockFormat(titleBlock);
    writeParagraph(document.title, titleFont);

    QFont headingFont = base;
    headingFont.setPointSizeF(base.pointSizeF() * 1.1);
    headingFont.setBold(true);
    QTextBlockFormat headingBlock;
    headingBlock.setTopMargin(14);
    headingBlock.setBottomMargin(4);
    QTextBlockFormat body;
    body.setLeftMargin(14);
    body.setTopMargin(3);
    for (const doc::Section& section : document.sections) {
        cursor.insertBlock(headingBlock);
        writeParagraph({{doc::Math::text(section.heading)}}, headingFont);
        for (const doc::Paragraph& paragraph : section.paragraphs) {
            cursor.insertBlock(body);
            writeParagraph(paragraph, base);
        }
    }
    cursor.endEditBlock();
    moveCursor(QTextCursor::Start);
}

#include "document_view.moc"
