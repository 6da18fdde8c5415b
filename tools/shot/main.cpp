// polyskop-shot: a picture of the Kurvendiskussion's window for the manual, as the program
// shows it for the coefficients given, scrolled to the section HEADING when one is named.
//   polyskop-shot OUTPUT.png A B C D E [HEADING]
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
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

// Scrolls the window's document so that the line starting with heading is at the top.
bool scrollTo(QWidget& window, const QString& heading) {
    auto* view = window.findChild<QTextEdit*>("txtKurvendiskussion");
    if (!view) return false;
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next())
        if (b.text() == heading) {
            const QRectF box = view->document()->documentLayout()->blockBoundingRect(b);
            // A little of the space above the heading stays in sight.
            view->verticalScrollBar()->setValue(static_cast<int>(box.top()) - 8);
            return true;
        }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = app.arguments();
    if (args.size() != 7 && args.size() != 8) {
        std::fprintf(stderr, "usage: polyskop-shot OUTPUT.png A B C D E [HEADING]\n");
        return 2;
    }
    NoDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    TextField* fields[] = {window.txtA, window.txtB, window.txtC, window.txtD, window.txtE};
    for (int i = 0; i < 5; ++i) fields[i]->setText(args[i + 2]);
    window.showDiscussion();
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != "frmKurvendiskussion") continue;
        if (args.size() == 8 && !scrollTo(*w, args[7])) {
            std::fprintf(stderr, "polyskop-shot: no section %s\n", qPrintable(args[7]));
            return 1;
        }
        if (w->grab().save(args[1])) return 0;
    }
    std::fprintf(stderr, "polyskop-shot: no picture of the Kurvendiskussion\n");
    return 1;
}
