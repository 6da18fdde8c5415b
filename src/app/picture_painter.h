#pragma once

#include <QImage>
#include <QPainter>

#include "plot/plot_layer.h"
#include "plot/recording_surface.h"

// The one draw path of the plot: paints the retained primitives (axes, grid lines, curves and
// points, in twips of the window) into any painter, the window's backing image as well as a PNG,
// an SVG, a PDF page or the printer. One screen pixel (15 twips) becomes `scale` device units,
// the square's top-left corner the device's origin; pen widths scale with it.
class PicturePainter {
  public:
    using Primitive = RecordingSurface::Primitive;

    // raster: the device is an image; strokes are then snapped to whole device pixels, a stroke
    // that repeats the one before is left out and wide points are stamped from one drawn dot.
    PicturePainter(QPainter& painter, double scale, bool raster);

    void paint(const Primitive& p);
    // The reading aids over the primitives: ticks, numbers, marked points, the legend.
    void paintLayer(const plot::Layer& layer);
    // Every primitive over the background colour, filling the square, and the layer over them.
    void paintAll(const std::vector<Primitive>& primitives, Colour background,
                  const plot::Layer& layer = {});

    // The font of the layer's texts at one device unit a screen pixel.
    static QFont layerFont();
    // Texts without shades, as an image of a few exact colours needs them.
    void setAliasedText(bool aliased) { aliasedText_ = aliased; }

  private:
    struct Stroke {
        bool isLine;
        double x1, y1, x2, y2;
        Colour colour;
        int width;
        bool operator==(const Stroke&) const = default;
    };

    QPointF device(float x, float y) const;
    void usePen(Colour colour, int width);
    void paintMarks(const std::vector<plot::LayerMark>& marks, const QColor& ground);
    void paintLegend(const plot::Legend& legend, const QPen& frame, const QColor& ground);

    QPainter& painter_;
    double scale_;
    bool raster_;
    Stroke last_{};
    bool hasLast_ = false;
    bool aliasedText_ = false;
    bool penSet_ = false;
    Colour penColour_ = 0;
    int penWidth_ = 0;  // in primitive pixels
    QImage dot_;        // a wide point in the current pen, for stamping
    QPoint dotCentre_;
};
