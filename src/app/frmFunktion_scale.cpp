// The window's size from the Ansicht menu: its client area in steps of 25 % of the control
// tables' size.
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "app/frmFunktion.h"
#include "app/window_scale.h"

// The client area at `steps` steps from `scale`. Growing stops at the largest step the screen
// holds; a screen too small for the window at 100 % sets no limit, as the user moves the window
// about there anyway.
void frmFunktion::scaleWindow(double scale, int steps) {
    double wanted = steps == 0 ? scale : window_scale::stepped(scale, steps);
    const QSize around = frameGeometry().size() - size() + QSize(0, menuBar_->height());
    if (const QScreen* screen = this->screen(); screen && steps > 0) {
        const QSize room = screen->availableGeometry().size() - around;
        const double largest = window_scale::fitting(room);
        if (largest >= 1 && wanted > largest)
            wanted =
                std::max(scale, std::floor(largest / window_scale::kStep) * window_scale::kStep);
    }
    resizeClientArea(window_scale::clientSize(wanted));
}

void frmFunktion::resizeClientArea(QSize size) {
    if (isMaximized() || isFullScreen()) showNormal();
    resize(size + QSize(0, menuBar_->height()));
}
