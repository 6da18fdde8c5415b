#include "app/svg_device.h"

#include <QIODevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <charconv>
#include <string>

namespace {

// A coordinate with at most two decimals, trailing zeros dropped.
void number(std::string& out, double v) {
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    if (s.find('.') != std::string_view::npos) {
        while (s.back() == '0') s.remove_suffix(1);
        if (s.back() == '.') s.remove_suffix(1);
    }
    if (s == "-0") s = "0";
    out += s;
}

std::string colour(const QColor& c) { return c.name(QColor::HexRgb).toUpper().toStdString(); }

std::string escaped(const QString& text) { return text.toHtmlEscaped().toStdString(); }

}  // namespace

class SvgDevice::Engine : public QPaintEngine {
  public:
    Engine(QIODevice& out, QSize size) : QPaintEngine(AllFeatures), out_(out), size_(size) {}

    bool begin(QPaintDevice*) override {
        buffer_ =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
        number(buffer_, size_.width() * 25.4 / 96);
        buffer_ += "mm\" height=\"";
        number(buffer_, size_.height() * 25.4 / 96);
        buffer_ += "mm\" viewBox=\"0 0 " + std::to_string(size_.width()) + " " +
                   std::to_string(size_.height()) + "\">\n";
        return true;
    }

    bool end() override {
        closeGroup();
        buffer_ += "</svg>\n";
        flush();
        return true;
    }

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & (DirtyPen | DirtyBrush | DirtyFont)) closeGroup();
        pen_ = state.pen();
        brush_ = state.brush();
        font_ = state.font();
        transform_ = state.transform();
    }

    void drawLines(const QLineF* lines, int count) override {
        if (pen_.style() == Qt::NoPen) return;
        openGroup();
        for (int i = 0; i < count; ++i) {
            const QLineF l = transform_.map(lines[i]);
            buffer_ += "<line x1=\"";
            number(buffer_, l.x1());
            buffer_ += "\" y1=\"";
            number(buffer_, l.y1());
            buffer_ += "\" x2=\"";
            number(buffer_, l.x2());
            buffer_ += "\" y2=\"";
            number(buffer_, l.y2());
            buffer_ += "\"/>\n";
            flushIfLarge();
        }
    }

    void drawPoints(const QPointF* points, int count) override {
        if (pen_.style() == Qt::NoPen) return;
        openGroup();
        const double r = std::max(0.5, pen_.widthF() / 2);
        for (int i = 0; i < count; ++i) {
            const QPointF p = transform_.map(points[i]);
            buffer_ += "<circle cx=\"";
            number(buffer_, p.x());
            buffer_ += "\" cy=\"";
            number(buffer_, p.y());
            buffer_ += "\" r=\"";
            number(buffer_, r);
            buffer_ += "\" fill=\"" + colour(pen_.color()) + "\" stroke=\"none\"/>\n";
            flushIfLarge();
        }
    }

    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            QPainterPath path;
            path.addRect(rects[i]);
            drawPath(path);
        }
    }

    void drawPath(const QPainterPath& path) override {
        openGroup();
        const QPainterPath p = transform_.map(path);
        buffer_ += "<path d=\"";
        for (int i = 0; i < p.elementCount(); ++i) {
            const QPainterPath::Element e = p.elementAt(i);
            buffer_ += e.isMoveTo() ? "M" : e.isLineTo() ? "L" : e.isCurveTo() ? "C" : " ";
            number(buffer_, e.x);
            buffer_ += ',';
            number(buffer_, e.y);
            buffer_ += ' ';
        }
        buffer_ += "\" fill=\"";
        buffer_ += brush_.style() == Qt::NoBrush ? std::string("none") : colour(brush_.color());
        if (pen_.style() == Qt::NoPen) buffer_ += "\" stroke=\"none";
        buffer_ += "\"/>\n";
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        path.moveTo(points[0]);
        for (int i = 1; i < count; ++i) path.lineTo(points[i]);
        if (mode != PolylineMode) path.closeSubpath();
        const QBrush brush = brush_;
        if (mode == PolylineMode) brush_ = Qt::NoBrush;
        drawPath(path);
        brush_ = brush;
    }

    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        openGroup();
        const QPointF p = transform_.map(at);
        buffer_ += "<text x=\"";
        number(buffer_, p.x());
        buffer_ += "\" y=\"";
        number(buffer_, p.y());
        buffer_ += "\" font-family=\"" + escaped(item.font().family()) + "\" font-size=\"";
        number(buffer_, item.font().pixelSize() > 0 ? item.font().pixelSize()
                                                    : item.font().pointSizeF() * 96 / 72);
        if (item.font().bold()) buffer_ += "\" font-weight=\"bold";
        buffer_ += "\" fill=\"" + colour(pen_.color()) + "\" stroke=\"none\">" +
                   escaped(item.text()) + "</text>\n";
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return User; }

  private:
    // The pen of the elements that follow, as the attributes of a group.
    void openGroup() {
        if (groupOpen_) return;
        buffer_ += "<g stroke=\"" +
                   (pen_.style() == Qt::NoPen ? std::string("none") : colour(pen_.color())) +
                   "\" stroke-width=\"";
        number(buffer_, std::max(1.0, pen_.widthF()));
        buffer_ += "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" fill=\"none\">\n";
        groupOpen_ = true;
    }
    void closeGroup() {
        if (!groupOpen_) return;
        buffer_ += "</g>\n";
        groupOpen_ = false;
    }
    void flushIfLarge() {
        if (buffer_.size() > (1 << 20)) flush();
    }
    void flush() {
        out_.write(buffer_.data(), static_cast<qint64>(buffer_.size()));
        buffer_.clear();
    }

    QIODevice& out_;
    QSize size_;
    std::string buffer_;
    QPen pen_;
    QBrush brush_;
    QFont font_;
    QTransform transform_;
    bool groupOpen_ = false;
};

SvgDevice::SvgDevice(QIODevice& out, QSize size)
    : engine_(std::make_unique<Engine>(out, size)), size_(size) {}

SvgDevice::~SvgDevice() = default;

QPaintEngine* SvgDevice::paintEngine() const { return engine_.get(); }

int SvgDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return qRound(size_.width() * 25.4 / 96);
        case PdmHeightMM:
            return qRound(size_.height() * 25.4 / 96);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
    }
}
