#pragma once

#include <QProxyStyle>

// A style whose sizes (option button and check box indicators, frames, a list's arrow, margins)
// follow the scale of the window a widget is drawn in, so that a grown window's controls grow
// with their text.
class ScaledStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
