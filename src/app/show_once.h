#pragma once

#include <QPointer>
#include <QString>

#include "app/dialogs.h"

// Shows the window without blocking the main window, after making it if it does not exist yet.
template <typename Window, typename Make>
void showOnce(QPointer<Window>& window, Make make) {
    if (!window) window = make();
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

// As showOnce, for a window from a library loaded on demand: make(failure) gives the window, or
// nothing with the reason in failure, which the stop box titled `title` then shows.
template <typename Window, typename Make>
void showFromLibrary(QPointer<Window>& window, Dialogs& dialogs, const QString& title, Make make) {
    showOnce(window, [&]() -> Window* {
        QString failure;
        Window* made = make(failure);
        if (!made) dialogs.message(Dialogs::Icon::Stop, title, failure);
        return made;
    });
}
