// polyskop-manual: renders the manual's Markdown into Polyskop.pdf with Qt's own text layout,
// and checks a built manual.
//   polyskop-manual SOURCE.md PICTURE_DIR OUTPUT.pdf
//   polyskop-manual --check MANUAL.pdf MIN_PAGES
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <cstdio>

namespace {

int fail(const QString& why) {
    std::fprintf(stderr, "polyskop-manual: %s\n", qPrintable(why));
    return 1;
}

// A picture from PICTURE_DIR: an image file, or the first page of a PDF file (a page the program
// printed), drawn at the width of a page at 150 dpi.
QImage loadPicture(const QString& path) {
    if (!path.endsWith(".pdf")) return QImage(path);
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None || pdf.pageCount() == 0) return {};
    const QSizeF points = pdf.pagePointSize(0);
    const double scale = 150.0 / 72;
    QImage page = pdf.render(0, (points * scale).toSize());
    QImage opaque(page.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, page);
    return opaque;
}

// Every picture is loaded from PICTURE_DIR and fills the text width, whatever size the
// screenshot has. A picture that cannot be loaded is an error: the manual would show a gap.
bool placePictures(QTextDocument& document, const QString& pictures, double textWidth) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            if (!image.isValid()) continue;
            const QImage picture = loadPicture(pictures + "/" + image.name());
            if (picture.isNull()) {
                fail("cannot read the picture " + image.name());
                return false;
            }
            document.addResource(QTextDocument::ImageResource, QUrl(image.name()), picture);
            image.setWidth(textWidth);
            image.setHeight(textWidth * picture.height() / picture.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
    return true;
}

int render(const QString& source, const QString& pictures, const QString& output) {
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) return fail("cannot read " + source);
    QTextDocument document;
    QFont font("Liberation Sans", 11);
    document.setDefaultFont(font);
    document.setMarkdown(QString::fromUtf8(file.readAll()));

    QPdfWriter writer(output);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setTitle("Polyskop – Handbuch");
    writer.setCreator("polyskop-manual");
    // QTextDocument::print lays the text out in points on the page and numbers the pages.
    const QSizeF page = writer.pageLayout().paintRect(QPageLayout::Point).size();
    if (!placePictures(document, pictures, page.width() - 2 * document.documentMargin())) return 1;
    document.print(&writer);
    return 0;
}

// At least MIN_PAGES pages, every one with text, and pictures in the file.
int check(const QString& manual, int minPages) {
    QPdfDocument pdf;
    if (pdf.load(manual) != QPdfDocument::Error::None) return fail("cannot open " + manual);
    if (pdf.pageCount() < minPages)
        return fail(QString("%1 pages, expected at least %2").arg(pdf.pageCount()).arg(minPages));
    for (int page = 0; page < pdf.pageCount(); ++page)
        if (pdf.getAllText(page).text().trimmed().isEmpty())
            return fail(QString("page %1 has no text").arg(page + 1));
    QFile file(manual);
    if (!file.open(QIODevice::ReadOnly)) return fail("cannot read " + manual);
    const int pictures = static_cast<int>(file.readAll().count("/Subtype /Image"));
    if (pictures < 4) return fail(QString("%1 pictures, expected at least 4").arg(pictures));
    std::printf("%s: %d pages, %d pictures\n", qPrintable(manual), pdf.pageCount(), pictures);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "--check") return check(args[2], args[3].toInt());
    if (args.size() == 4) return render(args[1], args[2], args[3]);
    return fail("usage: polyskop-manual SOURCE.md PICTURE_DIR OUTPUT.pdf | --check MANUAL.pdf N");
}
