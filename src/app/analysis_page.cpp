#include "app/analysis_page.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include <optional>

#include "analysis/derivative_terms.h"
#include "app/picture_painter.h"
#include "base/failure.h"
#include "base/html_text.h"
#include "base/numtext.h"
#include "plot/square.h"

namespace {

// A block of HTML laid out to a width in device units, in Liberation Sans at the points given.
struct Block {
    QTextDocument document;

    Block(const QString& html, double width, double points, const QPaintDevice& device) {
        QFont font("Liberation Sans");
        font.setPointSizeF(points);
        document.setDefaultFont(font);
        document.documentLayout()->setPaintDevice(const_cast<QPaintDevice*>(&device));
        document.setHtml(html);
        document.setTextWidth(width);
    }
    double height() const { return document.size().height(); }
    void paint(QPainter& p, QPointF at) {
        p.save();
        p.translate(at);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&p, context);
        p.restore();
    }
};

QString lines(const QStringList& texts) {
    QStringList escaped;
    for (const QString& t : texts) escaped << t.toHtmlEscaped();
    return escaped.join("<br>");
}

const QString minus = QStringLiteral("\u2212");

// The results under column headers: the point, its coordinates, and min or max.
QString resultsHtml(const TextTable& results) {
    const char* headers[] = {"Punkt", "x", "y", "Art"};
    QString html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>";
    for (const char* h : headers) html += QString("<th align=\"left\">") + h + "</th>";
    html += "</tr>";
    for (const TextTable::Row& row : results.rows) {
        html += "<tr>";
        if (row.heading) {
            html += "<td colspan=\"4\"><b>" +
                    QString::fromStdString(htmlEscaped(row.cells.front())) + "</b></td>";
        } else {
            for (std::size_t i = 0; i < 4; ++i)
                html += "<td>" +
                        (i < row.cells.size() ? QString::fromStdString(htmlEscaped(row.cells[i]))
                                              : QString()) +
                        "</td>";
        }
        html += "</tr>";
    }
    return html + "</table>";
}

}  // namespace

std::optional<std::array<double, 5>> coefficientValues(
    const std::array<numtext::FieldValue, 5>& coefficients) {
    std::array<double, 5> values{};
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
        try {
            values[i] = analysis::coefficient(coefficients[i]);
        } catch (const Failure&) {
            return std::nullopt;
        }
    }
    return values;
}

QString schoolFunction(const std::array<double, 5>& coefficients) {
    const QString powers[] = {"x\u2074", "x\u00B3", "x\u00B2", "x", ""};
    QString out = "y = ";
    bool first = true;
    for (int i = 0; i < 5; ++i) {
        const double c = coefficients[i];
        if (c == 0) continue;
        const bool negative = c < 0;
        if (first)
            out += negative ? minus : QString();
        else
            out += negative ? " " + minus + " " : QString(" + ");
        first = false;
        const double size = negative ? -c : c;
        // The coefficient 1 is left out before x, never alone.
        if (size != 1 || powers[i].isEmpty())
            out += QString::fromStdString(numtext::formatPlain(size));
        out += powers[i];
    }
    return first ? out + "0" : out;
}

void paintAnalysisPage(QPagedPaintDevice& device, const AnalysisPage& page) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    QPainter p(&device);
    const double mm = device.logicalDpiX() / 25.4;
    const double width = device.width();
    double y = 0;

    Block head("<h2>Kurvendiskussion</h2><p><b>" + page.function.toHtmlEscaped() + "</b><br>" +
                   lines(page.lines) + "</p>",
               width, 11, device);
    head.paint(p, {0, y});
    y += head.height() + 4 * mm;

    // The picture, 100 mm square, with its view beside it.
    const double side = 100 * mm;
    p.save();
    p.translate(0, y);
    p.setClipRect(QRectF(0, 0, side, side));
    const double pixels = double(plot::kSquareSide) / plot::kTwipsPerPixel;
    PicturePainter(p, side / pixels, false).paintAll(page.primitives, page.background, page.layer);
    p.restore();
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(QRectF(0, y, side, side));
    Block view("<p>" + lines(page.view) + "</p>", width - side - 6 * mm, 10, device);
    view.paint(p, {side + 6 * mm, y});
    y += side + 6 * mm;

    if (!page.results.empty()) {
        Block results(resultsHtml(page.results), width, 10, device);
        results.paint(p, {0, y});
    }

    const QString date = QLocale(QLocale::German).toString(page.date, "d. MMMM yyyy");
    Block footer("<p align=\"right\">Polyskop, " + date.toHtmlEscaped() + "</p>", width, 9, device);
    footer.paint(p, {0, device.height() - footer.height()});
}
