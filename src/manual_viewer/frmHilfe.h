#pragma once

#include <QWidget>

class QLabel;
class QPdfDocument;
class QPdfView;

// "Hilfe zu Polyskop": the manual Polyskop.pdf, scrolled page by page, zoomed with Ctrl and the
// wheel or Ctrl +/-. Where the manual cannot be found or read, the window says so instead.
class frmHilfe : public QWidget {
    Q_OBJECT
  public:
    explicit frmHilfe(const QIcon& icon);

    QPdfView* WebBrowser1;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    void Form_Resize();
    void zoomBy(double factor);
    void showNotice(const QString& text);

    QPdfDocument* document_;
    QLabel* notice_;
};
