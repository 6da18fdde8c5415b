#include "app/deferred_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <optional>

namespace {

// An icon that asks the base style for itself the first time it is used.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(const QStyle* base, QStyle::StandardPixmap icon)
        : base_(base), icon_(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return real().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(base_, icon_); }

  private:
    const QIcon& real() {
        if (!real_) real_ = base_ ? base_->standardIcon(icon_) : QIcon();
        return *real_;
    }

    QPointer<const QStyle> base_;  // gone if the application's style is replaced
    QStyle::StandardPixmap icon_;
    std::optional<QIcon> real_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}
