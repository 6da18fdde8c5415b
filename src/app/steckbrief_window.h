#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

// The window "Steckbrief – Polyskop": the polynomial from its properties, exactly. It comes from
// the library of the Kurvendiskussion, which holds the exact arithmetic.
class SteckbriefWindow : public QWidget {
  public:
    using QWidget::QWidget;
    // "Übernehmen": the coefficients A .. E as the fields show them ("0,25", "0,333333333333333")
    // and the exact fractions behind them ("1/4", "1/3").
    using Take = std::function<void(const std::array<QString, 5>& texts,
                                    const std::array<QString, 5>& fractions)>;
    virtual void onTake(Take take) = 0;
};

// The window, or nothing when the library cannot be loaded; then failure says why, in German.
SteckbriefWindow* newSteckbriefWindow(const QIcon& icon, QString& failure);
