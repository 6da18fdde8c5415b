#include "manual_viewer/frmHilfe.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>

#include "app/twips.h"
#include "manual_viewer/manual_location.h"

namespace {
constexpr double kZoomStep = 1.25;
constexpr double kZoomMin = 0.25;
constexpr double kZoomMax = 8.0;
}  // namespace

frmHilfe::frmHilfe(const QIcon& icon)
    : QWidget(nullptr, Qt::Window),
      WebBrowser1(new QPdfView(this)),
      document_(new QPdfDocument(this)),
      notice_(new QLabel(this)) {
    setObjectName("frmHilfe");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Hilfe zu Polyskop");
    setWindowIcon(icon);
    resize(toPixels(14730), toPixels(8250));

    WebBrowser1->setObjectName("WebBrowser1");
    WebBrowser1->setAccessibleName("Handbuch");
    WebBrowser1->setPageMode(QPdfView::PageMode::MultiPage);
    WebBrowser1->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    WebBrowser1->viewport()->installEventFilter(this);
    notice_->setObjectName("lblHinweis");
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setMargin(24);
    notice_->hide();

    // One shortcut for all the keys of zooming in: two shortcuts on the same key cancel each other.
    QList<QKeySequence> zoomInKeys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    if (!zoomInKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Plus)))
        zoomInKeys << QKeySequence(Qt::CTRL | Qt::Key_Plus);
    auto* zoomIn = new QShortcut(this);
    zoomIn->setKeys(zoomInKeys);
    connect(zoomIn, &QShortcut::activated, this, [this] { zoomBy(kZoomStep); });
    auto* zoomOut = new QShortcut(QKeySequence::ZoomOut, this);
    connect(zoomOut, &QShortcut::activated, this, [this] { zoomBy(1 / kZoomStep); });
    Form_Load();
}

void frmHilfe::Form_Load() {
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString path = findManual(programDir);
    if (path.isEmpty()) {
        showNotice("Das Handbuch Polyskop.pdf wurde nicht gefunden.\n\nGesucht wurde hier:\n" +
                   manualCandidates(programDir).join('\n'));
        return;
    }
    if (document_->load(path) != QPdfDocument::Error::None || document_->pageCount() == 0) {
        showNotice("Das Handbuch konnte nicht gelesen werden:\n" + path +
                   "\n\nDie Datei ist beschädigt oder kein PDF-Dokument.");
        return;
    }
    WebBrowser1->setDocument(document_);
}

void frmHilfe::showNotice(const QString& text) {
    notice_->setText(text);
    notice_->show();
    notice_->raise();
    WebBrowser1->hide();
}

// The viewer keeps the margins of the old design: the outer size less 195 by 585 twips, which
// with the design's frame (120 by 510 twips) is the client area less 75 each way, never less than
// nothing. It is worked out from the client area, which a window manager reports with the first
// show, not from the frame, which it may report later without another resize.
void frmHilfe::Form_Resize() {
    constexpr int margin = 75;
    const int width = std::max(0, toPixels(this->width() * plot::kTwipsPerPixel - margin));
    const int height = std::max(0, toPixels(this->height() * plot::kTwipsPerPixel - margin));
    WebBrowser1->resize(width, height);
    notice_->setGeometry(rect());
}

void frmHilfe::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmHilfe::zoomBy(double factor) {
    const double zoom = std::clamp(WebBrowser1->zoomFactor() * factor, kZoomMin, kZoomMax);
    WebBrowser1->setZoomMode(QPdfView::ZoomMode::Custom);
    WebBrowser1->setZoomFactor(zoom);
}

bool frmHilfe::eventFilter(QObject* watched, QEvent* event) {
    if (watched == WebBrowser1->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int steps = wheel->angleDelta().y();
            if (steps != 0) zoomBy(steps > 0 ? kZoomStep : 1 / kZoomStep);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
