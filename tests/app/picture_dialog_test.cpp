// The format of a saved file follows the name typed into Qt's own file dialog, whatever file
// type its list shows; a name without a known ending gets the ending of that type.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "test_window.h"

namespace {

// Once the file dialog is open: the file type `typesDown` entries below the first chosen with
// the arrow key, the name typed, Enter.
void answerFileDialog(int typesDown, const QString& name) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        for (int i = 0; i < typesDown; ++i) QTest::keyClick(types, Qt::Key_Down);
        auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nameField, nullptr);
        nameField->clear();
        QTest::keyClicks(nameField, name);
        QTest::keyClick(nameField, Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the file dialog did not take " << name.toStdString();
            dialog->reject();
        }
    });
}

QByteArray firstBytes(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "(missing)";
    return file.read(count);
}

class PictureDialog : public testing::Test {
  protected:
    // The dialog opens in the working folder at first and in the folder last used after that, so
    // all tests share one; names that share no beginning keep its list of completions closed.
    static void SetUpTestSuite() {
        dir = new QTemporaryDir;
        previous = QDir::currentPath();
        QDir::setCurrent(dir->path());
    }
    static void TearDownTestSuite() {
        QDir::setCurrent(previous);
        delete dir;
    }
    static QString path(const QString& name) { return dir->filePath(name); }
    static int files() { return int(QDir(dir->path()).entryList(QDir::Files).size()); }

    PictureDialog() : window(dialogs) {
        dialogs.setOwner(&window);
        window.show();
        WindowProbe(window).tick();
    }

    static inline QString previous;
    static inline QTemporaryDir* dir = nullptr;
    QtDialogs dialogs;
    frmFunktion window;
};

const QByteArray png("\x89PNG");
const QByteArray pdf("%PDF");

bool isSvg(const QByteArray& start) {
    return start.startsWith("<?xml") || start.startsWith("<svg");
}

TEST_F(PictureDialog, TheNamesEndingDecidesTheFormatInAnyCase) {
    // The list shows PNG (first), SVG, PDF.
    const int before = files();
    answerFileDialog(0, "a.svg");
    chooseMenu(window, "Datei/Bild speichern …");
    EXPECT_TRUE(isSvg(firstBytes(path("a.svg"), 5)));
    answerFileDialog(0, "b.PDF");
    chooseMenu(window, "Datei/Bild speichern …");
    EXPECT_EQ(firstBytes(path("b.PDF"), 4), pdf);
    answerFileDialog(2, "c.Png");
    chooseMenu(window, "Datei/Bild speichern …");
    EXPECT_EQ(firstBytes(path("c.Png"), 4), png);
    answerFileDialog(1, "d.pdf");
    chooseMenu(window, "Datei/Bild speichern …");
    EXPECT_EQ(firstBytes(path("d.pdf"), 4), pdf);
    EXPECT_EQ(files(), before + 4);
}

TEST_F(PictureDialog, ANameWithoutAKnownEndingGetsTheChosenTypes) {
    const int before = files();
    answerFileDialog(1, "ohne");
    chooseMenu(window, "Datei/Bild speichern …");
    EXPECT_TRUE(isSvg(firstBytes(path("ohne.svg"), 5)));
    answerFileDialog(0, "kurve.v2");
    chooseMenu(window, "Datei/Bild speichern …");
    EXPECT_EQ(firstBytes(path("kurve.v2.png"), 4), png);
    // The analysis is a PDF, whatever the name says.
    answerFileDialog(0, "analyse");
    chooseMenu(window, "Datei/Analyse als PDF speichern …");
    EXPECT_EQ(firstBytes(path("analyse.pdf"), 4), pdf);
    answerFileDialog(0, "bericht.png");
    chooseMenu(window, "Datei/Analyse als PDF speichern …");
    EXPECT_EQ(firstBytes(path("bericht.png.pdf"), 4), pdf);
    answerFileDialog(0, "Druck.PDF");
    chooseMenu(window, "Datei/Analyse als PDF speichern …");
    EXPECT_EQ(firstBytes(path("Druck.PDF"), 4), pdf);
    EXPECT_EQ(files(), before + 5);
}

}  // namespace
