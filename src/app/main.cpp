#include <QApplication>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/frmFunktion.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    QtDialogs dialogs;
    frmFunktion window(dialogs);
    dialogs.setOwner(&window);
    window.show();
    return QApplication::exec();
}
