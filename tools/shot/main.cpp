// polyskop-shot: a picture of the Kurvendiskussion's window for the manual, as the program
// shows it for the coefficients given.
//   polyskop-shot OUTPUT.png A B C D E
#include <QApplication>
#include <cstdio>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/frmFunktion.h"

namespace {

class NoDialogs : public Dialogs {
  public:
    void message(Icon, const QString&, const QString& text) override {
        std::fprintf(stderr, "polyskop-shot: %s\n", qPrintable(text));
    }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        std::fprintf(stderr, "usage: polyskop-shot OUTPUT.png A B C D E\n");
        return 2;
    }
    NoDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    TextField* fields[] = {window.txtA, window.txtB, window.txtC, window.txtD, window.txtE};
    for (int i = 0; i < 5; ++i) fields[i]->setText(args[i + 2]);
    window.showDiscussion();
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frmKurvendiskussion" && w->grab().save(args[1])) return 0;
    std::fprintf(stderr, "polyskop-shot: no picture of the Kurvendiskussion\n");
    return 1;
}
