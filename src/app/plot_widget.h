#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/picture_painter.h"
#include "plot/recording_surface.h"
#include "plot/surface.h"

// The window's drawing surface: a child widget over the plot square that retains every primitive
// drawn since the last clear, for the picture files and the printed page, and keeps a backing
// image of them from the first one on, so a repaint shows the picture again. Primitives come in
// window twips and are painted when they arrive, through the one draw path; nothing outside the
// square is painted, at the window's scale, so that it stays sharp when the window grows. The
// square's edges belong to it: a line on the right or bottom edge (x = 7125 or y = 8145 twips) is
// the pixel just inside them. Mouse events pass through to the control below.
class PlotWidget : public QWidget, public Surface {
    Q_OBJECT
  public:
    explicit PlotWidget(QWidget* parent = nullptr);

    void clear() override;
    void setPenWidth(int width) override { retained_.setPenWidth(width); }
    int penWidth() const override { return retained_.penWidth(); }
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void point(float x, float y, Colour colour) override;

    // Every primitive since the last clear, in drawing order.
    const RecordingSurface& retained() const { return retained_; }

    // Runs a drawing whose primitives `key` decides and returns what it returned. The same key
    // again before the next clear draws nothing new: the primitives it drew then are moved over
    // everything drawn since, which paints the same pixels as drawing them again (every stroke
    // is opaque), and its first result is returned.
    int drawOnce(const std::string& key, const std::function<int()>& draw);
    // The legend names this curve until the next clear.
    void nameCurve(RecordingSurface::NamedCurve curve) { retained_.nameCurve(std::move(curve)); }

    // The reading aids painted over the picture, asked for at each repaint.
    void setLayerSource(std::function<plot::Layer()> source) { layerOf_ = std::move(source); }
    // What assistive technologies read as the plot's description, asked for each time.
    void setDescriptionSource(std::function<QString()> source) { describe_ = std::move(source); }
    QString description() const { return describe_ ? describe_() : QString(); }
    // The picture shown moved by so many twips, while the view is dragged.
    void setShift(QPointF twips);
    // The square's place and size at the window's scale; the picture follows at the next repaint.
    void placeAt(double scale);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void ensureImage();
    void paintAgain();
    void paintLatest();
    void scheduleUpdate();

    RecordingSurface retained_;
    std::function<plot::Layer()> layerOf_;
    std::function<QString()> describe_;
    QPointF shift_;
    QImage image_;
    QPainter painter_;
    std::optional<PicturePainter> strokes_;  // paints into image_ while painter_ is open
    double ratio_ = 1;
    bool updatePending_ = false;
};
