#include "app/picture_files.h"

#include <algorithm>
#include <vector>

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "app/picture_painter.h"
#include "app/svg_device.h"
#include "plot/square.h"

namespace picture {
namespace {

struct Ending {
    Format format;
    const char* suffix;
    const char* filter;
};

constexpr Ending kEndings[] = {{Format::Png, "png", "PNG-Bild (*.png)"},
                               {Format::Svg, "svg", "SVG-Grafik (*.svg)"},
                               {Format::Pdf, "pdf", "PDF-Dokument (*.pdf)"}};

// The square's side in screen pixels, the unit of the vector formats.
constexpr double kSide = double(plot::kSquareSide) / plot::kTwipsPerPixel;

// The image with a table of its colours, where it has no more than 256 of them. Neighbouring
// pixels mostly share their colour, so the few colours seen are searched only at a change.
QImage exactlyIndexed(const QImage& image) {
    std::vector<QRgb> colours;
    QRgb last = 0;
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (row[x] == last && !colours.empty()) continue;
            last = row[x];
            if (std::find(colours.begin(), colours.end(), last) != colours.end()) continue;
            if (colours.size() == 256) return image;
            colours.push_back(last);
        }
    }
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace

QStringList fileFilters() {
    QStringList filters;
    for (const Ending& e : kEndings) filters << e.filter;
    return filters;
}

Format formatOf(const QString& path, const QString& chosenFilter) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Ending& e : kEndings)
        if (suffix == e.suffix) return e.format;
    for (const Ending& e : kEndings)
        if (chosenFilter == e.filter) return e.format;
    return Format::Png;
}

QString withEnding(const QString& path, Format format) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Ending& e : kEndings)
        if (e.format == format && suffix != e.suffix) return path + "." + e.suffix;
    return path;
}

QImage image(const Picture& picture, double scale) {
    const int side = static_cast<int>(std::lround(kSide * scale));
    QImage drawn(side, side, QImage::Format_RGB32);
    QPainter p(&drawn);
    PicturePainter painter(p, scale, true);
    painter.setAliasedText(true);
    painter.paintAll(picture.primitives, picture.background, picture.layer);
    return drawn;
}

QByteArray svg(const Picture& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer, Format::Svg, picture);
    return bytes;
}

bool write(QIODevice& out, Format format, const Picture& picture) {
    // The picture has a few colours and no shades: as an indexed PNG it is exact and written
    // several times faster, with a light compression that is hardly larger than zlib's default.
    if (format == Format::Png)
        return exactlyIndexed(image(picture, kPngScale)).save(&out, "PNG", kPngQuality);
    if (format == Format::Svg) {
        const int side = static_cast<int>(std::lround(kSide));
        SvgDevice device(out, QSize(side, side));
        QPainter p(&device);
        PicturePainter(p, 1, false).paintAll(picture.primitives, picture.background, picture.layer);
        return p.end();
    }
    // A page exactly the square, 96 units an inch as on the screen.
    QPdfWriter pdf(&out);
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(kSide / 96 * 25.4, kSide / 96 * 25.4), QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setCreator("Polyskop");
    QPainter p(&pdf);
    PicturePainter(p, 1, false).paintAll(picture.primitives, picture.background, picture.layer);
    return p.end();
}

}  // namespace picture
