// The exact Kurvendiskussion: its window, which follows the coefficient fields, and its ways out
// of the program (clipboard, printer, PDF), which read the fields when they are chosen.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "app/discussion_window.h"
#include "app/frmFunktion.h"
#include "app/picture_files.h"
#include "app/picture_painter.h"
#include "app/show_once.h"
#include "plot/square.h"

void frmFunktion::showDiscussion() {
    showFromLibrary(discussion_, dialogs, "Polyskop", [this](QString& failure) {
        return newDiscussionWindow(windowIcon(), failure);
    });
    followDiscussion();
}

void frmFunktion::followDiscussion() {
    if (discussion_) discussion_->follow(coefficientTexts());
}

CoefficientTexts frmFunktion::coefficientTexts() const {
    CoefficientTexts now{{}, taken_.fractions};
    for (std::size_t i = 0; i < now.texts.size(); ++i)
        now.texts[i] = toQString(coefficients_[i].text());
    return now;
}

void frmFunktion::forgetEditedFractions() {
    const CoefficientTexts now = coefficientTexts();
    for (std::size_t i = 0; i < now.texts.size(); ++i)
        if (now.texts[i] != taken_.texts[i]) taken_.fractions[i].clear();
}

void frmFunktion::showSteckbrief() {
    showFromLibrary(steckbrief_, dialogs, "Polyskop", [this](QString& failure) {
        SteckbriefWindow* window = newSteckbriefWindow(windowIcon(), failure);
        if (window)
            window->onTake([this](const auto& texts, const auto& fractions) {
                takeCoefficients(texts, fractions);
            });
        return window;
    });
}

void frmFunktion::takeCoefficients(const std::array<QString, 5>& texts,
                                   const std::array<QString, 5>& fractions) {
    // The fractions only once every field shows its new text, so that none counts as edited.
    taken_ = {texts, {}};
    TextField* fields[] = {txtA, txtB, txtC, txtD, txtE};
    for (std::size_t i = 0; i < texts.size(); ++i) fields[i]->setText(texts[i]);
    taken_.fractions = fractions;
    followDiscussion();
}

std::optional<DiscussionTexts> frmFunktion::discussionTextsNow() {
    DiscussionTexts texts;
    QString failure;
    if (discussionTexts(coefficientTexts(), texts, failure)) return texts;
    dialogs.message(Dialogs::Icon::Stop, "Polyskop", failure);
    return std::nullopt;
}

void frmFunktion::copyDiscussion() {
    const auto texts = discussionTextsNow();
    if (!texts) return;
    auto* data = new QMimeData;
    data->setText(texts->plain);
    data->setHtml(texts->html);
    QApplication::clipboard()->setMimeData(data);
}

void frmFunktion::copyDiscussionLatex() {
    const auto texts = discussionTextsNow();
    if (!texts) return;
    auto* data = new QMimeData;
    // Editors paste the plain text; TeX-aware programs may ask for their own type.
    data->setText(texts->latex);
    data->setData("text/x-tex", texts->latex.toUtf8());
    QApplication::clipboard()->setMimeData(data);
}

bool frmFunktion::paintDiscussionPages(QPagedPaintDevice& device) {
    // The picture as the window retains it now, through the one draw path.
    const picture::Primitives primitives = retained().primitives();
    const Colour background = style_.background;
    const plot::Layer layer = plotLayer();
    const DiscussionPicture picture = [&](QPainter& p, const QRectF& square) {
        p.translate(square.topLeft());
        const double pixels = double(plot::kSquareSide) / plot::kTwipsPerPixel;
        PicturePainter(p, square.width() / pixels, false).paintAll(primitives, background, layer);
    };
    QString failure;
    if (paintDiscussion(device, coefficientTexts(), picture, failure)) return true;
    dialogs.message(Dialogs::Icon::Stop, "Polyskop", failure);
    return false;
}

void frmFunktion::printDiscussion() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Kurvendiskussion");
    if (!dialogs.choosePrinter(printer)) return;
    paintDiscussionPages(printer);
}

void frmFunktion::saveDiscussionPdf() {
    QString filter;
    const auto path = dialogs.saveFileName("Kurvendiskussion als PDF speichern",
                                           {"PDF-Dokument (*.pdf)"}, filter);
    if (!path) return;
    const QString target = picture::withEnding(*path, picture::Format::Pdf);
    const auto failed = [&] {
        dialogs.message(Dialogs::Icon::Stop, "Polyskop",
                        "Die Datei „" + target +
                            "“ konnte nicht gespeichert werden.\r\n"
                            "Prüfen Sie, ob der Ordner besteht, ob Sie darin schreiben dürfen "
                            "und ob genug Platz ist.");
    };
    // Renamed into place only when complete, so that no half-written file stays behind.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) return failed();
    bool painted = false;
    {
        QPdfWriter pdf(&file);
        pdf.setCreator("Polyskop");
        pdf.setTitle("Kurvendiskussion");
        painted = paintDiscussionPages(pdf);
    }
    if (!painted) return file.cancelWriting();  // the library's message has been shown
    if (!file.commit()) failed();
}
