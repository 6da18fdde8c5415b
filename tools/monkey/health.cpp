#include "health.h"

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace health {

bool responds(std::chrono::milliseconds limit) {
    bool fired = false;
    QObject context;
    QTimer::singleShot(0, &context, [&fired] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    while (!fired && clock.elapsed() < limit.count())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return fired;
}

bool pointerIsArrow(const QWidget& window) {
    return QGuiApplication::overrideCursor() == nullptr &&
           window.cursor().shape() == Qt::ArrowCursor;
}

double peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux counts in KiB
}

}  // namespace health
