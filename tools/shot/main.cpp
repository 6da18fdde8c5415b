// polyskop-shot: the manual's pictures of the program's own windows. The Kurvendiskussion as the
// program shows it for the coefficients given, scrolled to the section HEADING when one is named;
// the Steckbrief solved for the degree and the conditions ("\n" between two lines).
//   polyskop-shot OUTPUT.png A B C D E [HEADING]
//   polyskop-shot --steckbrief OUTPUT.png DEGREE CONDITIONS
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <cstdio>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/frmFunktion.h"
#include "app/window_probe.h"

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

QWidget* topLevel(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name) return top;
    return nullptr;
}

int steckbriefShot(const WindowProbe& probe, const QStringList& args) {
    probe.chooseMenu("Bearbeiten/Steckbrief …");
    QWidget* steckbrief = topLevel("frmSteckbrief");
    if (!steckbrief) return 1;
    steckbrief->findChild<QComboBox*>("cboGrad")->setCurrentText(args[3]);
    steckbrief->findChild<QPlainTextEdit*>("txtBedingungen")
        ->setPlainText(QString(args[4]).replace("\\n", "\n"));
    steckbrief->findChild<QPushButton*>("btLoesen")->click();
    QApplication::processEvents();
    return steckbrief->grab().save(args[2]) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = app.arguments();
    const bool steckbrief = args.size() == 5 && args[1] == "--steckbrief";
    if (!steckbrief && args.size() != 7 && args.size() != 8) {
        std::fprintf(stderr,
                     "usage: polyskop-shot OUTPUT.png A B C D E [HEADING]\n"
                     "       polyskop-shot --steckbrief OUTPUT.png DEGREE CONDITIONS\n");
        return 2;
    }
    NoDialogs dialogs;
    frmFunktion window(dialogs);
    window.show();
    const WindowProbe probe(window);
    if (steckbrief) return steckbriefShot(probe, args);
    const char* const fields[] = {"txtA", "txtB", "txtC", "txtD", "txtE"};
    for (int i = 0; i < 5; ++i) probe.control<QLineEdit>(fields[i])->setText(args[i + 2]);
    probe.chooseMenu("Ansicht/Kurvendiskussion …");
    QApplication::processEvents();
    QWidget* discussion = topLevel("frmKurvendiskussion");
    if (discussion && args.size() == 8 && !scrollTo(*discussion, args[7])) {
        std::fprintf(stderr, "polyskop-shot: no section %s\n", qPrintable(args[7]));
        return 1;
    }
    if (discussion && discussion->grab().save(args[1])) return 0;
    std::fprintf(stderr, "polyskop-shot: no picture of the Kurvendiskussion\n");
    return 1;
}
