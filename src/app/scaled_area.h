#pragma once

#include <QWidget>

// The main window's client area, which can take any size: its content, built at 100 % from the
// control tables, is drawn at the largest scale that fits, centred. Every widget in it that keeps
// its place in twips is placed anew and every font set on one grows with the scale, so that text
// and lines are drawn at the new resolution rather than magnified.
class ScaledArea : public QWidget {
    Q_OBJECT
  public:
    // content becomes a child of the area.
    explicit ScaledArea(QWidget* content, QWidget* parent = nullptr);

    double scale() const { return scale_; }
    QSize sizeHint() const override;

  signals:
    // The content has been placed at a new scale.
    void rescaled(double scale);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void rescale(double scale);

    QWidget* content_;
    double scale_ = 1;
};
