#pragma once

#include <QPointer>

// Shows the window without blocking the main window, after making it if it does not exist yet.
template <typename Window, typename Make>
void showOnce(QPointer<Window>& window, Make make) {
    if (!window) window = make();
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}
