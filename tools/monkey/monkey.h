#pragma once

#include <QPoint>
#include <QString>
#include <random>
#include <vector>

#include "app/window_probe.h"

class frmFunktion;
class QAction;
class QWidget;

// One random action after the other on the controls of the window, each a real key or mouse
// event (or a pick from a list, as the list reports it): typing, pasting, clicks, the wheel,
// drags, resizing, every menu entry, and actions inside the windows the menu opens.
class Monkey {
  public:
    Monkey(frmFunktion& window, std::mt19937& random);

    // Does one action and says what it did, for the report of a failure.
    QString step();

  private:
    QString type(QWidget* field);
    QString paste(QWidget* field);
    QString click(QWidget* control);
    QString doubleClick(QWidget* control);
    QString plotClick();
    QString pick();
    QString toggle();
    QString press(const std::vector<QWidget*>& buttons);
    QString menu();
    QString wheel();
    QString drag();
    QString resize();
    QString otherWindow();

    QWidget* any(const std::vector<QWidget*>& controls);
    QPoint anywhere(const QWidget* widget);
    int below(int n);
    bool chance(double p);

    frmFunktion& window_;
    WindowProbe probe_;
    std::mt19937& random_;
    std::vector<QWidget*> controls_, fields_, lists_, toggles_, buttons_, colours_, drawButtons_;
    std::vector<QAction*> menuEntries_;
};
