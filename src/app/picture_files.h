#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

#include "plot/plot_layer.h"
#include "plot/recording_surface.h"

class QIODevice;

// The plot square as a picture: exactly the square, its background colour and every retained
// primitive, painted by the one draw path.
namespace picture {

using Primitives = std::vector<RecordingSurface::Primitive>;

enum class Format { Png, Svg, Pdf };

// The file dialog's filters, in this order.
QStringList fileFilters();
// The format by the name's ending (.png, .svg, .pdf in any case), or else by the chosen filter;
// PNG when neither says.
Format formatOf(const QString& path, const QString& chosenFilter);
// The path with the format's ending added, unless it already ends so.
QString withEnding(const QString& path, Format format);

// PNG at 4 pixels a screen pixel, crisp on paper and projectors.
inline constexpr double kPngScale = 4;
inline constexpr int kPngQuality = 80;

// The picture: the primitives over the background, the layer of reading aids over them.
struct Picture {
    const Primitives& primitives;
    Colour background;
    const plot::Layer& layer;
};

QImage image(const Picture& picture, double scale);
QByteArray svg(const Picture& picture);
// Writes the picture in the format; false when the device did not take it.
bool write(QIODevice& out, Format format, const Picture& picture);

}  // namespace picture
