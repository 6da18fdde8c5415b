// The yardstick of the start-up measurement: an empty Qt window of the main window's size
// (982 x 569 pixels with the menu bar), shown and left to the event loop.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(982, 569);
    window.setWindowTitle("Leer");
    window.show();
    return QApplication::exec();
}
