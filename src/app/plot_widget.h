#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "plot/surface.h"

// The window's drawing surface: a child widget over the plot square that keeps what was drawn
// in a backing image, so a repaint shows the picture again. Primitives come in window twips
// and are painted when they arrive; nothing outside the square is painted. The square's edges
// belong to it: a line on the right or bottom edge (x = 7125 or y = 8145 twips) is the pixel
// just inside them. Mouse events pass through to the control below.
class PlotWidget : public QWidget, public Surface {
    Q_OBJECT
  public:
    explicit PlotWidget(QWidget* parent = nullptr);

    void clear() override;
    void setPenWidth(int width) override { width_ = width; }
    int penWidth() const override { return width_; }
    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void point(float x, float y, Colour colour) override;

    // The picture as it stands, in device pixels.
    QImage picture();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Stroke {
        bool isLine;
        int x1, y1, x2, y2;
        Colour colour;
        int width;
        bool operator==(const Stroke&) const = default;
    };

    QPointF devicePoint(float x, float y) const;
    bool begin(const Stroke& stroke);
    void ensureImage();
    void scheduleUpdate();

    QImage image_;
    QPainter painter_;
    QImage dot_;  // a wide point in the current pen, stamped instead of stroked each time
    QPoint dotCentre_;
    double ratio_ = 1;
    int width_ = 1;
    Stroke last_{};
    bool hasLast_ = false;
    Colour penColour_ = 0;
    int penPixels_ = 0;
    bool updatePending_ = false;
};
