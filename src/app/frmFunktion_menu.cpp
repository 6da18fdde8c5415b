// The menu bar above the client area.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/frmFunktion.h"
#include "app/plot_widget.h"
#include "app/scaled_area.h"

namespace {

QAction* entry(QMenu* menu, const QString& text, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

void frmFunktion::buildMenu() {
    QMenu* datei = menuBar_->addMenu("&Datei");
    connect(entry(datei, "Bild &speichern …", QKeySequence::Save), &QAction::triggered, this,
            [this] { savePicture(); });
    connect(entry(datei, "Analyse &drucken …", QKeySequence::Print), &QAction::triggered, this,
            [this] { printAnalysis(); });
    connect(entry(datei, "Analyse als &PDF speichern …"), &QAction::triggered, this,
            [this] { saveAnalysisPdf(); });
    connect(entry(datei, "Kurvendiskussion dr&ucken …"), &QAction::triggered, this,
            [this] { printDiscussion(); });
    connect(entry(datei, "Kurvendiskussion als PD&F speichern …"), &QAction::triggered, this,
            [this] { saveDiscussionPdf(); });
    datei->addSeparator();
    connect(entry(datei, "&Beenden", Qt::CTRL | Qt::Key_Q), &QAction::triggered, this,
            [this] { close(); });

    QMenu* bearbeiten = menuBar_->addMenu("&Bearbeiten");
    connect(entry(bearbeiten, "Bild &kopieren"), &QAction::triggered, this,
            [this] { copyPicture(); });
    copyResultsAction_ =
        entry(bearbeiten, "&Ergebnisse kopieren", Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    connect(copyResultsAction_, &QAction::triggered, this, [this] { copyResults(); });
    connect(entry(bearbeiten, "Kurvendiskussion k&opieren"), &QAction::triggered, this,
            [this] { copyDiscussion(); });
    connect(entry(bearbeiten, "Kurvendiskussion als &LaTeX kopieren"), &QAction::triggered, this,
            [this] { copyDiscussionLatex(); });
    bearbeiten->addSeparator();
    connect(entry(bearbeiten, "&Steckbrief …"), &QAction::triggered, this,
            [this] { showSteckbrief(); });
    // There are results to copy once an analysis has left any.
    for (analysis::Field f : analysis::kResultFields)
        connect(static_cast<QLineEdit*>(analysisField(f)), &QLineEdit::textChanged, this, [this] {
            updateCopyResults();
            painter_->update();  // the marked points follow the results
        });
    updateCopyResults();

    buildAnalysisMenu();
    buildViewMenu();

    QMenu* hilfe = menuBar_->addMenu("&Hilfe");
    connect(entry(hilfe, "&Handbuch", Qt::Key_F1), &QAction::triggered, this,
            [this] { btHilfe_Click(); });
    connect(entry(hilfe, "&Funktionen"), &QAction::triggered, this, [this] { btHelpFKT_Click(); });
    connect(entry(hilfe, "Ü&ber Polyskop"), &QAction::triggered, this, [this] { showAbout(); });
}

// The keys' way to what the coloured buttons do.
void frmFunktion::buildAnalysisMenu() {
    QMenu* analyse = menuBar_->addMenu("A&nalyse");
    QAction* run = entry(analyse, "&Berechnen", Qt::Key_F9);
    // Ctrl+Enter from the main keyboard and from the keypad.
    run->setShortcuts({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Return),
                       QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(run, &QAction::triggered, this, [this] { btStartKD_Click(); });
    connect(entry(analyse, "&Wert berechnen"), &QAction::triggered, this,
            [this] { btBerechnen_Click(); });
    analyse->addSeparator();
    connect(entry(analyse, "&Koeffizienten löschen"), &QAction::triggered, this,
            [this] { btCKo_Click(); });
    connect(entry(analyse, "&Zoom zurücksetzen"), &QAction::triggered, this,
            [this] { btReset_Click(); });
}

// The reading aids over the plot, the window's size, the value table and the Kurvendiskussion.
void frmFunktion::buildViewMenu() {
    viewMenu_ = menuBar_->addMenu("&Ansicht");
    axisNumbersAction_ = entry(viewMenu_, "&Achsen beschriften");
    marksAction_ = entry(viewMenu_, "&Punkte markieren");
    legendAction_ = entry(viewMenu_, "&Legende");
    for (QAction* aid : {axisNumbersAction_, marksAction_, legendAction_}) {
        aid->setCheckable(true);
        aid->setChecked(true);
        connect(aid, &QAction::toggled, this, [this] { painter_->update(); });
    }
    viewMenu_->addSeparator();
    // Ctrl+= as well, where "+" needs Shift.
    QAction* larger = entry(viewMenu_, "&Vergrößern", QKeySequence::ZoomIn);
    larger->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, this, [this] { scaleWindow(scaledArea_->scale(), 1); });
    connect(entry(viewMenu_, "Ver&kleinern", QKeySequence::ZoomOut), &QAction::triggered, this,
            [this] { scaleWindow(scaledArea_->scale(), -1); });
    connect(entry(viewMenu_, "&Originalgröße", Qt::CTRL | Qt::Key_0), &QAction::triggered, this,
            [this] { scaleWindow(1, 0); });
    viewMenu_->addSeparator();
    connect(entry(viewMenu_, "&Wertetabelle …"), &QAction::triggered, this,
            [this] { showValueTable(); });
    connect(entry(viewMenu_, "&Kurvendiskussion …", Qt::Key_F5), &QAction::triggered, this,
            [this] { showDiscussion(); });
}
