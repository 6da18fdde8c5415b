#include "app/focus_frame.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace {

// The frame lies around its control, under it, as wide as the style's focus margin.
class TwoToneFrame : public QFocusFrame {
  public:
    using QFocusFrame::QFocusFrame;

  protected:
    void paintEvent(QPaintEvent*) override {
        const int margin = widget() ? (width() - widget()->width()) / 2 : 0;
        if (margin <= 0) return;
        const int outer = std::max(1, margin / 2);
        QPainter p(this);
        const QRect all = rect();
        p.fillRect(all, Qt::black);
        p.fillRect(all.adjusted(outer, outer, -outer, -outer), Qt::white);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillRect(all.adjusted(margin, margin, -margin, -margin), Qt::transparent);
    }
};

// Follows the focus: the frame goes to each control that receives it by keyboard and disappears
// when the mouse gives the focus.
class FocusFollower : public QObject {
  public:
    explicit FocusFollower(QApplication& app) : QObject(&app) {
        connect(&app, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* now) { follow(now); });
    }

  private:
    void follow(QWidget* now) {
        const bool byKeyboard =
            now && now->window()->testAttribute(Qt::WA_KeyboardFocusChange) && !now->isWindow();
        if (!byKeyboard) {
            if (frame_) frame_->setWidget(nullptr);
            return;
        }
        // The frame is a child of its control's container and goes with it.
        if (!frame_) frame_ = new TwoToneFrame(now->parentWidget());
        frame_->setWidget(now);
    }

    QPointer<QFocusFrame> frame_;
};

}  // namespace

void showKeyboardFocusFrame(QApplication& app) { new FocusFollower(app); }
