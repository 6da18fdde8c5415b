#pragma once

#include <QProxyStyle>

// The desktop's style, except that the menu bar's extension arrow is read from its file only
// when it is first painted. Every menu bar asks for that arrow when it is built, and reading a
// picture file makes Qt load every image format plugin (and the SVG and JPEG libraries behind
// them) before the window is shown; the menus fit at every size the window takes, so the arrow is
// normally never painted at all.
class DeferredIconStyle : public QProxyStyle {
  public:
    explicit DeferredIconStyle(const QString& key) : QProxyStyle(key) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
