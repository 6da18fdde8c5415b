// What assistive technologies read of the main window: a name for every control that its caption
// does not explain ("C", "Z", "=", an empty field), and the plot in words. A control's description
// is its tooltip. Labels that show a value (the result at X, the zoom factor, the coordinates) and
// the grid button, whose caption says its state, keep their captions as their names.
#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include "analysis/marked_points.h"
#include "analysis/points_in_words.h"
#include "app/analysis_page.h"
#include "app/frmFunktion.h"
#include "app/plot_widget.h"
#include "terms/keypad.h"

namespace {

struct Named {
    const char* control;
    const char* name;
};

// clang-format off
constexpr Named kNames[] = {
    {"txtA", "Koeffizient A (Faktor von x⁴)"},
    {"txtB", "Koeffizient B (Faktor von x³)"},
    {"txtC", "Koeffizient C (Faktor von x²)"},
    {"txtD", "Koeffizient D (Faktor von x)"},
    {"txtE", "Koeffizient E (Absolutglied)"},
    {"btCKo", "Koeffizienten löschen"},
    {"lblF1", "Farbe der Kurve y"}, {"lblF2", "Farbe der Kurve y'"},
    {"lblF3", "Farbe der Kurve y''"}, {"lblF4", "Farbe der Kurve y'''"},
    {"lblF5", "Farbe der Hilfsgleichung"},
    {"ob1", "Funktionsfeld y anwählen"}, {"ob2", "Funktionsfeld y' anwählen"},
    {"ob3", "Funktionsfeld y'' anwählen"}, {"ob4", "Funktionsfeld y''' anwählen"},
    {"obHG", "Feld der Hilfsgleichung anwählen"},
    {"txtFKT1", "Funktion y"}, {"txtFKT2", "1. Ableitung y'"},
    {"txtFKT3", "2. Ableitung y''"}, {"txtFKT4", "3. Ableitung y'''"},
    {"txtHilfsgleichung", "Hilfsgleichung 3. Grades"},
    {"btZ1", "y zeichnen"}, {"btZ2", "y' zeichnen"}, {"btZ3", "y'' zeichnen"},
    {"btZ4", "y''' zeichnen"}, {"btZHG", "Hilfsgleichung zeichnen"},
    {"btCF1", "Funktionsfeld y löschen"}, {"btCF2", "Funktionsfeld y' löschen"},
    {"btCF3", "Funktionsfeld y'' löschen"}, {"btCF4", "Funktionsfeld y''' löschen"},
    {"btCHG", "Hilfsgleichung löschen"},
    {"cbKreuz", "Strichstärke des Achsenkreuzes"}, {"cbStrich", "Strichstärke der Funktionen"},
    {"cbStrichstärke", "Strichstärke verändern"},
    {"obStrich", "Funktion y als Strich"}, {"obPunkt", "Funktion y als Punkte"},
    {"txtF", "Eingabefeld für Terme"}, {"btHelpFKT", "Hilfe zu den Funktionen"},
    {"btBS", "Letztes Zeichen löschen"},
    {"obX", "X-Feld anwählen"}, {"txtX", "Variable X"}, {"btCVX", "X-Feld löschen"},
    {"btC", "Eingabefeld und Ergebnis löschen"}, {"btBerechnen", "Wert an der Stelle X berechnen"},
    {"btCKD", "Ergebnisse löschen"}, {"btStartKD", "Kurvendiskussion berechnen"},
    {"txtPYX", "Schnittpunkt mit der y-Achse, x-Wert"},
    {"txtPYY", "Schnittpunkt mit der y-Achse, y-Wert"},
    {"cbBackC", "Hintergrundfarbe der Diagrammfläche ändern"},
    {"lblHGF", "Hintergrundfarbe der Diagrammfläche"},
    {"cbAHC", "Farbe der Achsen und Hilfslinien ändern"},
    {"lblFAH", "Farbe der Achsen und Hilfslinien"},
    {"btReset", "Zoom zurücksetzen"},
    {"txtIX1", "Definitionsbereich von X"}, {"txtIX2", "Definitionsbereich bis X"},
    {"txtIY1", "Wertebereich von Y"}, {"txtIY2", "Wertebereich bis Y"},
    {"txtXA", "Abstand der Hilfslinien in x-Richtung"},
    {"txtYA", "Abstand der Hilfslinien in y-Richtung"},
    {"lblBG", "Koordinatensystem"},
};
// clang-format on

// The result fields of a kind of point: txtP01X "Nullstelle P01, x-Wert" and so on.
struct ResultRows {
    const char* prefix;  // of the fields' names
    const char* kind;
    int rows;
};

constexpr ResultRows kResultRows[] = {
    {"txtP0", "Nullstelle P0", 4},
    {"txtPE", "Extrempunkt PE", 3},
    {"txtPW", "Wendepunkt PW", 2},
};

}  // namespace

void frmFunktion::nameControls() {
    const auto name = [this](const QString& control, const QString& text) {
        QWidget* w = findChild<QWidget*>(control);
        if (!w) return;
        w->setAccessibleName(text);
        // The edit field of a list has the focus for it.
        if (auto* list = qobject_cast<QComboBox*>(w); list && list->lineEdit())
            list->lineEdit()->setAccessibleName(text);
    };
    for (const Named& n : kNames) name(QString::fromUtf8(n.control), QString::fromUtf8(n.name));
    for (const ResultRows& r : kResultRows)
        for (int i = 1; i <= r.rows; ++i)
            for (const char* axis : {"x", "y"}) {
                const QString field = QString::fromUtf8(r.prefix) + QString::number(i) +
                                      QString::fromUtf8(axis).toUpper();
                name(field, QString::fromUtf8(r.kind) + QString::number(i) + ", " + axis + "-Wert");
            }
    for (const terms::KeypadKey& k : terms::kKeypad)
        name(toQString(k.button), "Taste " + toQString(k.tooltip.empty() ? k.caption : k.tooltip));
    painter_->setAccessibleName("Funktionsgraph");
    painter_->setDescriptionSource([this] { return plotDescription(); });
}

// "y = x³ − 6x² + 9x, gezeichnet für -10 ≤ x ≤ 10 und -10 ≤ y ≤ 10. Markierte Punkte: …"
QString frmFunktion::plotDescription() const {
    const auto coefficients = coefficientValues(coefficients_);
    const plot::Ranges& r = view_.ranges;
    const auto shown = [](const numtext::FieldValue& field) { return toQString(field.text()); };
    QString words = coefficients ? schoolFunction(*coefficients) + ", " : QString();
    words += "gezeichnet für " + shown(r.ix1) + " ≤ x ≤ " + shown(r.ix2) + " und " + shown(r.iy1) +
             " ≤ y ≤ " + shown(r.iy2) + ". Markierte Punkte: " +
             toQString(analysis::pointsInWords(analysis::markedPoints(panel_))) + ".";
    return words;
}
