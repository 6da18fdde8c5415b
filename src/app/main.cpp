#include <QApplication>

#include "app/dialogs.h"
#include "app/frmFunktion.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Polyskop");
    QtDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    return QApplication::exec();
}
