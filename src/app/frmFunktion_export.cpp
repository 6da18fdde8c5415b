// Getting the picture and the analysis out of the window: picture files, the clipboard, the
// printer and the PDF page.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <functional>

#include "analysis/results_table.h"
#include "app/analysis_page.h"
#include "app/frmFunktion.h"
#include "app/picture_files.h"

namespace {

// Written to a temporary file beside the target and renamed only once all of it is written, so
// that no half-written file stays behind; false, after a German message, when it fails.
bool saveFile(Dialogs& dialogs, const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) return true;
    file.cancelWriting();
    dialogs.message(Dialogs::Icon::Stop, "Polyskop",
                    "Die Datei „" + path +
                        "“ konnte nicht gespeichert werden.\r\n"
                        "Prüfen Sie, ob der Ordner besteht, ob Sie darin schreiben dürfen und ob "
                        "genug Platz ist.");
    return false;
}

void putOnClipboard(QMimeData* data) { QApplication::clipboard()->setMimeData(data); }

}  // namespace

void frmFunktion::savePicture() {
    QString filter;
    const auto path = dialogs.saveFileName("Bild speichern", picture::fileFilters(), filter);
    if (!path) return;
    const picture::Format format = picture::formatOf(*path, filter);
    const plot::Layer layer = plotLayer();
    const picture::Picture shown{retained().primitives(), style_.background, layer};
    saveFile(dialogs, picture::withEnding(*path, format),
             [&](QIODevice& out) { return picture::write(out, format, shown); });
}

void frmFunktion::copyPicture() {
    auto* data = new QMimeData;
    const plot::Layer layer = plotLayer();
    const picture::Picture shown{retained().primitives(), style_.background, layer};
    data->setImageData(picture::image(shown, picture::kPngScale));
    data->setData("image/svg+xml", picture::svg(shown));
    putOnClipboard(data);
}

void frmFunktion::copyResults() {
    const analysis::ShownResults& shown = panel_;
    if (!analysis::hasResults(shown)) return;
    const TextTable table = analysis::resultsTable(shown);
    auto* data = new QMimeData;
    data->setText(toQString(table.tabbed()));
    data->setHtml(toQString(table.html()));
    putOnClipboard(data);
}

void frmFunktion::updateCopyResults() {
    copyResultsAction_->setEnabled(analysis::hasResults(panel_));
}

AnalysisPage frmFunktion::analysisPage() const {
    AnalysisPage page;
    const analysis::ShownResults& shown = panel_;
    const auto values = coefficientValues(coefficients_);
    page.function = values ? schoolFunction(*values) : "y = " + toQString(shown.terms[0]);
    QStringList coefficients;
    for (std::size_t i = 0; i < coefficients_.size(); ++i)
        coefficients << QString("ABCDE")[static_cast<qsizetype>(i)] + QString(" = ") +
                            (coefficients_[i].isEmpty() ? "0" : toQString(coefficients_[i].text()));
    page.lines << coefficients.join(", ");
    const char* names[] = {"y' = ", "y'' = ", "y''' = ", "HG = "};
    for (int i = 1; i < 5; ++i)
        if (!shown.terms[i].empty()) page.lines << names[i - 1] + toQString(shown.terms[i]);
    const auto shownText = [](const numtext::FieldValue& field) { return toQString(field.text()); };
    const plot::Ranges& r = view_.ranges;
    page.view << "Def.Bereich: " + shownText(r.ix1) + " ≤ x ≤ " + shownText(r.ix2)
              << "Wertebereich: " + shownText(r.iy1) + " ≤ y ≤ " + shownText(r.iy2)
              << "X-Abstand: " + shownText(view_.xa.field)
              << "Y-Abstand: " + shownText(view_.ya.field);
    page.results = analysis::resultsTable(shown, false);
    page.primitives = retained().primitives();
    page.background = style_.background;
    page.layer = plotLayer();
    page.date = QDate::currentDate();
    return page;
}

void frmFunktion::printAnalysis() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Polyskop");
    if (!dialogs.choosePrinter(printer)) return;
    paintAnalysisPage(printer, analysisPage());
}

void frmFunktion::saveAnalysisPdf() {
    QString filter;
    const auto path =
        dialogs.saveFileName("Analyse als PDF speichern", {"PDF-Dokument (*.pdf)"}, filter);
    if (!path) return;
    const AnalysisPage page = analysisPage();
    saveFile(dialogs, picture::withEnding(*path, picture::Format::Pdf), [&](QIODevice& out) {
        QPdfWriter pdf(&out);
        pdf.setCreator("Polyskop");
        pdf.setTitle("Kurvendiskussion");
        paintAnalysisPage(pdf, page);
        return true;
    });
}
