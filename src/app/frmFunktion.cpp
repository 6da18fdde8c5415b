#include "app/frmFunktion.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/frmHelpFKT.h"
#include "app/frmWertetabelle.h"
#include "app/plot_widget.h"
#include "app/scaled_area.h"
#include "app/window_scale.h"

namespace {

// The window's icon: a quartic curve over an axis cross on a light square.
QIcon makeIcon() {
    constexpr int size = 158;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 4));
    p.setBrush(QColor(0xE0, 0xE0, 0xE0));
    p.drawRoundedRect(QRectF(3, 3, size - 6, size - 6), 14, 14);

    p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
    for (int i = 1; i < 8; ++i) {
        const double at = 6 + i * (size - 12) / 8.0;
        p.drawLine(QPointF(at, 8), QPointF(at, size - 8));
        p.drawLine(QPointF(8, at), QPointF(size - 8, at));
    }
    const double mid = size / 2.0;
    p.setPen(QPen(Qt::black, 4));
    p.drawLine(QPointF(10, mid), QPointF(size - 10, mid));
    p.drawLine(QPointF(mid, 10), QPointF(mid, size - 10));

    // y = (x^4 - 5x^2 + 4) / 2 on -2.4..2.4, through the zeros -2, -1, 1, 2.
    QPainterPath curve;
    for (int i = 0; i <= 96; ++i) {
        const double x = -2.4 + 4.8 * i / 96;
        const double y = (x * x * x * x - 5 * x * x + 4) / 2;
        const QPointF at(mid + x * 28, mid - y * 28);
        i == 0 ? curve.moveTo(at) : curve.lineTo(at);
    }
    p.setClipRect(QRectF(6, 6, size - 12, size - 12));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xFF, 0, 0), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curve);
    p.end();
    return QIcon(pixmap);
}

}  // namespace

frmFunktion::frmFunktion(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs(dialogs) {
    setObjectName("frmFunktion");
    setWindowTitle(" Polyskop für Funktionen bis 4. Grades und ihre grafische Darstellung");
    setWindowIcon(makeIcon());
    // The menu bar above, the client area of 14730 x 8250 twips below it with every control,
    // drawn at the scale the window's size gives.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    column->setMenuBar(menuBar_);
    client_ = new QWidget;
    client_->setObjectName("Client");
    scaledArea_ = new ScaledArea(client_, this);
    column->addWidget(scaledArea_);

    buildControls();

    painter_ = new PlotWidget(client_);
    painter_->setObjectName("surface");
    painter_->raise();
    connect(scaledArea_, &ScaledArea::rescaled, painter_, &PlotWidget::placeAt);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connectGridHandlers();
    connectAnalysisHandlers();
    connectHelpHandlers();
    connectTermHandlers();
    connectFieldHandlers();
    connectZoomHandlers();
    connectColourHandlers();
    connectCurveHandlers();
    buildMenu();
    painter_->setLayerSource([this] { return plotLayer(); });
    nameControls();
    resize(window_scale::clientSize(1) + QSize(0, menuBar_->sizeHint().height()));
    Timer1->start();
}

// The help windows have no parent; they go with the main window even when no event loop runs
// their deferred deletion any more.
frmFunktion::~frmFunktion() {
    delete hilfe_;
    delete helpFKT_;
    delete valueTable_;
    delete discussion_;
    delete steckbrief_;
}

Surface& frmFunktion::surface() { return *painter_; }

const RecordingSurface& frmFunktion::retained() const { return painter_->retained(); }

void frmFunktion::setHourglass(bool on) {
    hourglass_ = on;
    setCursor(on ? Qt::WaitCursor : Qt::ArrowCursor);
}

Label* frmFunktion::lblF(int index) const {
    auto it = lblFArray_.find(index);
    return it == lblFArray_.end() ? nullptr : it->second;
}

Label* frmFunktion::lblP(int index) const {
    auto it = lblPArray_.find(index);
    return it == lblPArray_.end() ? nullptr : it->second;
}

void frmFunktion::closeEvent(QCloseEvent* event) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this) window->close();
    event->accept();
}
