// The Kurvendiskussion out of the main window: the clipboard, the PDF file and the printer, with
// or without its window open.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPdfDocument>
#include <QTemporaryDir>

#include "test_window.h"

namespace {

class DiscussionExports : public testing::Test {
  protected:
    DiscussionExports() : window(dialogs) {
        window.show();
        probe.tick();
        probe.control<QLineEdit>("txtB")->setText("1");
        probe.control<QLineEdit>("txtC")->setText("-6");
        probe.control<QLineEdit>("txtD")->setText("9");
        // The graph of f with its marked points, for the picture on the first page.
        probe.control<QLineEdit>("txtP01X")->setText("0");
        probe.control<QPushButton>("btStartKD")->click();
        probe.control<QPushButton>("btZ1")->click();
        dialogs.messages.clear();
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    AnsweringDialogs dialogs;
    frmFunktion window;
    WindowProbe probe{window};
};

// Every page's text, and the first page as an image.
struct ReadPdf {
    QStringList pages;
    QImage first;
    explicit ReadPdf(const QString& file) {
        QPdfDocument pdf;
        if (pdf.load(file) != QPdfDocument::Error::None) return;
        for (int i = 0; i < pdf.pageCount(); ++i) pages << pdf.getAllText(i).text();
        if (pdf.pageCount() > 0) first = pdf.render(0, QSize(595, 842));
    }
};

TEST_F(DiscussionExports, ThePdfAndThePrinterHaveTheWholeDiscussionOnA4) {
    dialogs.files = {path("diskussion")};
    dialogs.printTo = path("gedruckt.pdf");
    chooseMenu(window, "Datei/Kurvendiskussion als PDF speichern …");
    chooseMenu(window, "Datei/Kurvendiskussion drucken …");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();

    for (const QString& file : {path("diskussion.pdf"), path("gedruckt.pdf")}) {
        const ReadPdf pdf(file);
        ASSERT_GE(pdf.pages.size(), 1) << file.toStdString();
        const QString all = pdf.pages.join('\n');
        EXPECT_TRUE(pdf.pages[0].contains("Kurvendiskussion")) << pdf.pages[0].toStdString();
        // The first section and the last: nothing lost at a page's end.
        for (const char* heading : {"Funktion und Ableitungen", "Fläche zwischen Graph"})
            EXPECT_TRUE(all.contains(heading)) << heading << "\n" << all.toStdString();
        EXPECT_EQ(all.count("Seite "), pdf.pages.size());
        EXPECT_TRUE(pdf.pages.back().contains(QString("Seite %1").arg(pdf.pages.size())));
        // A4 portrait, and the picture on the first page: the curve's colour between the margins.
        ASSERT_FALSE(pdf.first.isNull());
        int coloured = 0;
        for (int y = 0; y < pdf.first.height(); ++y)
            for (int x = 0; x < pdf.first.width(); ++x) {
                const QColor c = pdf.first.pixelColor(x, y);
                if (std::abs(c.red() - c.green()) > 60 || std::abs(c.green() - c.blue()) > 60)
                    ++coloured;
            }
        EXPECT_GT(coloured, 50) << file.toStdString();
    }
}

TEST_F(DiscussionExports, TheClipboardGetsTextHtmlAndLatexWithoutTheWindow) {
    chooseMenu(window, "Bearbeiten/Kurvendiskussion kopieren");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList({"text/plain", "text/html"}));
    EXPECT_TRUE(data->text().startsWith("Kurvendiskussion von f(x) = x³ − 6x² + 9x\n"))
        << data->text().toStdString();
    EXPECT_TRUE(data->html().contains("<h2>Nullstellen</h2>")) << data->html().toStdString();

    chooseMenu(window, "Bearbeiten/Kurvendiskussion als LaTeX kopieren");
    data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->formats(), QStringList({"text/plain", "text/x-tex"}));
    EXPECT_TRUE(data->text().contains("\\begin{align*}"));
    EXPECT_EQ(QString::fromUtf8(data->data("text/x-tex")), data->text());

    // The fields as they stand when chosen, even a field that cannot be read.
    probe.control<QLineEdit>("txtC")->setText("x");
    chooseMenu(window, "Bearbeiten/Kurvendiskussion kopieren");
    EXPECT_TRUE(QApplication::clipboard()->text().contains("Der Koeffizient C ist keine Zahl"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
