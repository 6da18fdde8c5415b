#pragma once

#include <QPaintDevice>
#include <QSize>
#include <memory>

class QIODevice;

// A paint device that writes SVG: each line a <line> element, each point a <circle>, each text
// a <text>, paths and rectangles as <path> and <rect>, grouped by pen. Written straight to the
// output, so that 400,000 grid lines stay a small and quick file.
class SvgDevice : public QPaintDevice {
  public:
    // size in device units; physical size at 96 units an inch.
    SvgDevice(QIODevice& out, QSize size);
    ~SvgDevice() override;

    QPaintEngine* paintEngine() const override;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    class Engine;
    std::unique_ptr<Engine> engine_;
    QSize size_;
};
