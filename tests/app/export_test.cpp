// The picture files, the printed page and the clipboard, read back.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPdfDocument>
#include <QTemporaryDir>

#include "app/picture_painter.h"
#include "plot/square.h"
#include "test_window.h"

namespace {

class Export : public testing::Test {
  protected:
    Export() : window(dialogs) {
        window.show();
        probe.tick();
        analyseManualExample(window);
        for (const char* draw : {"btZ2", "btZ3", "btZ4"}) probe.control<QPushButton>(draw)->click();
        dialogs.messages.clear();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString pdfText(const QString& file) {
        QPdfDocument pdf;
        EXPECT_EQ(pdf.load(file), QPdfDocument::Error::None) << file.toStdString();
        QString text;
        for (int i = 0; i < pdf.pageCount(); ++i) text += pdf.getAllText(i).text();
        pages = pdf.pageCount();
        return text;
    }

    QTemporaryDir dir;
    AnsweringDialogs dialogs;
    frmFunktion window;
    WindowProbe probe{window};
    int pages = 0;
};

TEST_F(Export, PictureFilesShowTheSquareAsTheWindowRetainsIt) {
    dialogs.files = {path("bild.png"), path("bild.svg"), path("bild.pdf"), path("ohne")};
    for (int i = 0; i < 4; ++i) chooseMenu(window, "Datei/Bild speichern …");
    EXPECT_TRUE(dialogs.messages.isEmpty());

    const QImage png(path("bild.png"));
    ASSERT_EQ(png.size(), QSize(1868, 1868));  // 7005 twips at 4 pixels a screen pixel
    // A point of the y' curve, in its colour; the background where nothing is drawn.
    for (const auto& p : probe.retained().primitives()) {
        if (p.isLine || p.colour != rgb(0, 0, 0xFF)) continue;
        const QPoint at(qRound((p.x1 - 120) / 15 * 4), qRound((p.y1 - 1140) / 15 * 4));
        EXPECT_EQ(png.pixelColor(at), QColor(0, 0, 0xFF));
        break;
    }
    EXPECT_EQ(png.pixelColor(5, 5), QColor(0xE0, 0xE0, 0xE0));

    QFile svg(path("bild.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_EQ(text.count("<line "), probe.retained().lines());
    EXPECT_EQ(text.count("<circle "), probe.retained().points());
    EXPECT_TRUE(text.contains("viewBox=\"0 0 467 467\""));
    EXPECT_TRUE(text.contains(">N1</text>"));

    // The reading aids come along: axis numbers and marked points as text of the page.
    const QString pdf = pdfText(path("bild.pdf"));
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(pdf.contains("-9")) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains("E3 max")) << pdf.toStdString();
    // A name without an ending takes the first filter's.
    EXPECT_TRUE(QFile::exists(path("ohne.png")));
}

TEST_F(Export, TheAnalysisOnOnePagePrintedOrAsPdf) {
    dialogs.files = {path("analyse.pdf")};
    chooseMenu(window, "Datei/Analyse als PDF speichern …");
    dialogs.printTo = path("druck.pdf");
    chooseMenu(window, "Datei/Analyse drucken …");
    for (const QString& file : {path("analyse.pdf"), path("druck.pdf")}) {
        const QString text = pdfText(file);
        EXPECT_EQ(pages, 1);
        for (const char* shown : {"Kurvendiskussion", "y = x⁴ − 5x² + 4", "+4*(X)^3-10*(X)",
                                  "Punkt", "Art", "Nullstellen", "1,5811", "-2,2500", "0,9129",
                                  "0,5278", "max", "Schnittpunkt mit der Y-Achse", "Def.Bereich"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown;
    }
}

TEST_F(Export, AFileThatCannotBeWrittenLeavesNothingBehind) {
    QDir(dir.path()).mkdir("ordner.png");
    dialogs.files = {path("ordner.png"), path("fehlt/bild.png")};
    chooseMenu(window, "Datei/Bild speichern …");
    chooseMenu(window, "Datei/Bild speichern …");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[1].contains(path("fehlt/bild.png")));
    // Only the folder made above: no temporary file stays.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"ordner.png"});
}

TEST_F(Export, ClipboardHoldsThePictureAsImageAndSvg) {
    chooseMenu(window, "Bearbeiten/Bild kopieren");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(1868, 1868));
    EXPECT_TRUE(data->data("image/svg+xml").startsWith("<?xml"));
}

// A curve in a width typed far beyond the picture covers the whole square on the printed page
// too, where a device pixel is several times smaller than a screen pixel.
TEST(PicturePainterPen, AWidthBeyondThePictureCoversItAtEveryScale) {
    for (double scale : {1.0, 10.0}) {
        const int side = static_cast<int>(plot::kSquareSide / 15.0 * scale);
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        PicturePainter painter(p, scale, true);
        painter.paint({true, 3000, 3000, 3100, 3000, rgb(255, 0, 0), 5337});
        p.end();
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red)) << scale;
        EXPECT_EQ(image.pixelColor(side - 1, side - 1), QColor(Qt::red)) << scale;
    }
}

}  // namespace
