#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <array>

// The window "Kurvendiskussion – Polyskop": the exact curve analysis of the coefficients that
// stand in the main window now. It comes from a library of its own, loaded when the window is
// first asked for, so that the exact arithmetic costs nothing at start.
class DiscussionWindow : public QWidget {
  public:
    using QWidget::QWidget;
    // The texts of txtA .. txtE, as they stand after every change.
    virtual void follow(const std::array<QString, 5>& coefficients) = 0;
};

// The window, or nothing when the library cannot be loaded; then failure says why, in German.
DiscussionWindow* newDiscussionWindow(const QIcon& icon, QString& failure);
