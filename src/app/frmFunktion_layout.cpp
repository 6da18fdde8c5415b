// The controls of the main window, one row each, and the window built from them. Places are twips
// of the client area (or of frame1); every text is bold Arial 9,75 unless a row says otherwise.

#include <QApplication>
#include <QButtonGroup>
#include <QStringList>
#include <optional>
#include <variant>

#include "app/frmFunktion.h"
#include "app/qt_colour.h"
#include "app/twips.h"
#include "terms/keypad.h"

namespace {

using F = frmFunktion;

enum class Align { Left, Centre, Right };
enum class Items { None, Widths, Spacings };

// How a control looks beyond its place, caption and tooltip. Unset members keep the defaults:
// the window's font, labels transparent, fields white, buttons grey, text black.
struct Look {
    std::optional<unsigned> back{};  // 0xRRGGBB
    std::optional<unsigned> text{};
    double points = 0;     // bold Arial in this size; 0 for the window's font
    bool toolkit = false;  // the toolkit's own font instead
    Align align = Align::Left;
    bool border = false;
    bool inFrame = false;  // placed in frame1
    bool noFocus = false;  // a key that leaves the caret where it is
    Items items = Items::None;
};

// The member that holds the control; its type is the control's kind.
using Member = std::variant<Label * F::*, TextField * F::*, MemoField * F::*, QPushButton * F::*,
                            QRadioButton * F::*, QComboBox * F::*, QCheckBox * F::*, QFrame * F::*>;

struct Control {
    Member member;
    const char* name;
    int left, top, width, height;
    const char* caption;
    const char* tip;
    Look look;
};

constexpr unsigned grey = 0xC0C0C0, darkBlue = 0x000080, drawKey = 0x00FFFF, clearKey = 0xFF8080,
                   plotGrey = 0xE0E0E0, green = 0x80FF80;

constexpr Look small{.points = 8.25};
constexpr Look centredSmall{.points = 8.25, .align = Align::Centre};
constexpr Look blue{.text = darkBlue};
constexpr Look semicolon{.text = darkBlue, .points = 12, .align = Align::Centre};
constexpr Look result{.back = grey, .text = darkBlue};
constexpr Look resultCentred{.back = grey, .text = darkBlue, .align = Align::Centre};
constexpr Look drawButton{.back = drawKey};
constexpr Look clearButton{.back = clearKey};
constexpr Look termField{.back = grey};
constexpr Look rowCaption{.points = 12};

#define RESULT_TIP ", Doppelklick schreibt den Wert in das Funktionsfeld"
#define FIELD_TIP "Doppelklick schreibt die Funktion in das Bearbeitungsfenster zurück"

}  // namespace

// The table names the window's members, so it lives in the window's scope.
struct frmFunktion::Tables {
    static const Control controls[];
};

// clang-format off
// In the order of the focus chain; frame1 first, so that it lies under the buttons beside it.
const Control frmFunktion::Tables::controls[] = {
    {&F::frame1, "frame1", 11640, 6840, 3015, 495, "", "", {}},

    // Coefficients
    {&F::lblF_0, "lblF(0)", 7800, 600, 495, 375, "y   =", "Funktion y", {.points = 12}},
    {&F::txtA, "txtA", 8280, 600, 615, 285, "", "Koeffizient A eintragen", {}},
    {&F::lblF_31, "lblF(31)", 9000, 600, 615, 255, "x^4 +", "", {.points = 11.25}},
    {&F::txtB, "txtB", 9720, 600, 615, 285, "", "Koeffizient B eintragen", {}},
    {&F::lblF_32, "lblF(32)", 10440, 600, 615, 255, "x^3 +", "", {.points = 11.25}},
    {&F::txtC, "txtC", 11040, 600, 615, 285, "", "Koeffizient C eintragen", {}},
    {&F::lblF_33, "lblF(33)", 11760, 600, 615, 255, "x^2 +", "", {.points = 11.25}},
    {&F::txtD, "txtD", 12360, 600, 615, 285, "", "Koeffizient D eintragen", {}},
    {&F::lblF_34, "lblF(34)", 13080, 600, 375, 255, "x +", "", {.points = 11.25}},
    {&F::txtE, "txtE", 13560, 600, 615, 285, "", "Koeffizient E eintragen", {}},
    {&F::btCKo, "btCKo", 14280, 600, 315, 315, "C", "", clearButton},

    // Function fields: swatch, option button, caption, term, draw and clear button per row.
    {&F::Label6, "Label6", 7200, 400, 1755, 255, "Funktionsfelder:", "", {}},
    {&F::lblF1, "lblF1", 7560, 1020, 135, 375, "", "Ändert die Farbe der Funktion", {.back = 0xFF0000}},
    {&F::ob1, "ob1", 7320, 1080, 195, 195, "", "aktiv = Funktionsfeld ist angewählt", {}},
    {&F::Label5, "Label5", 7800, 960, 495, 375, "y   =", "Funktion y", rowCaption},
    {&F::txtFKT1, "txtFKT1", 8280, 960, 5595, 315, "", FIELD_TIP, termField},
    {&F::btZ1, "btZ1", 13920, 960, 315, 315, "Z", "Zeichnet die eingetragene Funktion y", drawButton},
    {&F::btCF1, "btCF1", 14280, 960, 315, 315, "C", "Löscht das Funktionsfeld für y und die Hilfsgleichung unten", clearButton},
    {&F::lblF2, "lblF2", 7560, 1320, 135, 375, "", "Ändert die Farbe der Funktion", {.back = 0x0000FF}},
    {&F::ob2, "ob2", 7320, 1440, 195, 195, "", "aktiv = Funktionsfeld ist angewählt", {}},
    {&F::Label15, "Label15", 7800, 1320, 495, 375, "y'  =", "1. Ableitung der Funktion y", rowCaption},
    {&F::txtFKT2, "txtFKT2", 8280, 1320, 5595, 315, "", FIELD_TIP, termField},
    {&F::btZ2, "btZ2", 13920, 1320, 315, 315, "Z", "Zeichnet die eingetragene Funktion y'", drawButton},
    {&F::btCF2, "btCF2", 14280, 1320, 315, 315, "C", "Löscht das Funktionsfeld y'", clearButton},
    {&F::lblF3, "lblF3", 7560, 1680, 135, 375, "", "Ändert die Farbe der Funktion", {.back = 0x00C000}},
    {&F::ob3, "ob3", 7320, 1800, 195, 195, "", "aktiv = Funktionsfeld ist angewählt", {}},
    {&F::Label17, "Label17", 7800, 1680, 495, 375, "y'' =", "2. Ableitung der Funktion y", rowCaption},
    {&F::txtFKT3, "txtFKT3", 8280, 1680, 5595, 315, "", FIELD_TIP, termField},
    {&F::btZ3, "btZ3", 13920, 1680, 315, 315, "Z", "Zeichnet die eingetragene Funktion y''", drawButton},
    {&F::btCF3, "btCF3", 14280, 1680, 315, 315, "C", "Löscht das Funktionsfeld y''", clearButton},
    {&F::lblF4, "lblF4", 7560, 2040, 135, 375, "", "Ändert die Farbe der Funktion", {.back = 0xFF00FF}},
    {&F::ob4, "ob4", 7320, 2160, 195, 195, "", "aktiv = Funktionsfeld ist angewählt", {}},
    {&F::Label48, "Label48", 7800, 2040, 495, 375, "y'''=", "3. Ableitung der Funktion y", rowCaption},
    {&F::txtFKT4, "txtFKT4", 8280, 2040, 5595, 315, "", FIELD_TIP, termField},
    {&F::btZ4, "btZ4", 13920, 2040, 315, 315, "Z", "Zeichnet die eingetragene Funktion y'''", drawButton},
    {&F::btCF4, "btCF4", 14280, 2040, 315, 315, "C", "Löscht das Funktionsfeld y'''", clearButton},
    {&F::lblF5, "lblF5", 7560, 2400, 135, 375, "", "Ändert die Farbe der Funktion", {.back = 0x800000}},
    {&F::obHG, "obHG", 7320, 2480, 195, 195, "", "aktiv = Eingaben mit der integrierten Tastatur werden in das Feld der Hilfsgleichung eingetragen.", {}},
    {&F::Label47, "Label47", 7800, 2400, 1335, 255, "HG 3. Grades:", "Hilfsgleichung  (3. Grades)", {}},
    {&F::txtHilfsgleichung, "txtHilfsgleichung", 9180, 2400, 4695, 600, "", "Feld für die Hilfsgleichung 3. Grades (P0 1ist bekannt). " FIELD_TIP, termField},
    {&F::btZHG, "btZHG", 13920, 2400, 315, 315, "Z", "Zeichnet die eingetragene Hilfsfunktion", drawButton},
    {&F::btCHG, "btCHG", 14280, 2400, 315, 315, "C", "Löscht die Hilfsgleichung 3. Grades", clearButton},

    // Line widths and drawing style
    {&F::cbKreuz, "cbKreuz", 12960, 2760, 630, 360, "2", "Strichstärke des Achsenkreuzes", {.items = Items::Widths}},
    {&F::cbStrich, "cbStrich", 13680, 2760, 615, 360, "2", "Strichstärke der Funktionen", {.items = Items::Widths}},
    {&F::cbStrichstärke, "cbStrichstärke", 14400, 2760, 255, 255, "", "Wenn aktiv, kann die Strichstärke verändert werden", {}},
    {&F::Label18, "Label18", 0, 240, 1215, 255, "Fkt y als Strich", "", {.points = 8.25, .inFrame = true}},
    {&F::obStrich, "obStrich", 1200, 240, 255, 195, "", "", {.inFrame = true}},
    {&F::Label19, "Label19", 1440, 240, 1335, 255, "Fkt y als Punkte", "", {.points = 8.25, .inFrame = true}},
    {&F::obPunkt, "obPunkt", 2760, 240, 255, 195, "", "", {.inFrame = true}},

    // Term editor; the keypad's keys come from their own table
    {&F::txtF, "txtF", 7320, 5400, 4215, 1515, "", "Eingabefenster für die zu untersuchende Funktion. Doppelklick übergibt den Term in das angewählte Funktionsfeld", termField},
    {&F::btHelpFKT, "btHelpFKT", 7320, 7920, 315, 270, "?", "Hilfe und Information", {.points = 11.25, .noFocus = true}},
    {&F::btBS, "btBS", 10920, 7920, 615, 255, "BS", "Löscht das letzte Zeichen", {.back = 0xFFC0C0, .noFocus = true}},

    // Value at X
    {&F::obX, "obX", 11640, 5400, 195, 195, "", "aktiv = x-Feld ist angewählt für Übertragung aus dem Eingabefeld", {}},
    {&F::lblXT, "lblXT", 11880, 5385, 255, 195, "X=", "", {}},
    {&F::txtX, "txtX", 12120, 5385, 2055, 255, "", "Eingabefeld für Variable X", {.back = grey, .points = 9}},
    {&F::btCVX, "btCVX", 14280, 5400, 255, 255, "C", "Löscht das X-Feld", clearButton},
    {&F::Label2, "Label2", 11640, 5640, 2355, 315, "Y-Wert an der Stelle X:", "", {}},
    {&F::lblErgebnis, "lblErgebnis", 11640, 5880, 2910, 315, "", "Ergebnisfeld;Doppelklick überträgt den Inhalt in das Variablenfeld X", {.back = grey, .border = true}},
    {&F::btC, "btC", 11640, 6240, 855, 675, "C", "Löscht das große Eingabefeld", clearButton},
    {&F::btBerechnen, "btBerechnen", 12600, 6240, 1950, 675, "=", "Startet die Berechnung des aktivierten Terms (y, y' bzw. y'') an der Stelle X", {.back = 0x00FF00, .points = 14.25}},

    // Curve analysis and results
    {&F::btCKD, "btCKD", 11640, 7320, 855, 855, "C", "Löscht die Ergebnisse der Polyskop", {.back = 0xFF0000}},
    {&F::btStartKD, "btStartKD", 12600, 7320, 1950, 855, "=", "Startet die Polyskop", {.back = 0x8080FF, .points = 14.25}},
    {&F::lblP_30, "lblP(30)", 7320, 3000, 1215, 255, "Nullstellen:", "", blue},
    {&F::lblP_31, "lblP(31)", 10200, 3000, 1335, 255, "Extremwerte:", "", blue},
    {&F::lblP_32, "lblP(32)", 10200, 4320, 1455, 255, "Wendepunkte:", "", blue},
    {&F::lblP_33, "lblP(33)", 7320, 4680, 3015, 255, "Schnittpunkt mit der Y-Achse:", "", blue},
    // Zeros: rows at 3240, 3600, 3960, 4320.
    {&F::lblP_0, "lblP(0)", 7320, 3240, 495, 255, "P01(", "", blue},
    {&F::lblP_1, "lblP(1)", 7320, 3600, 495, 255, "P02(", "", blue},
    {&F::lblP_2, "lblP(2)", 7320, 3960, 495, 255, "P03(", "", blue},
    {&F::lblP_3, "lblP(3)", 7320, 4320, 495, 255, "P04(", "", blue},
    {&F::txtP01X, "txtP01X", 7800, 3240, 1455, 345, "", "x-Wert der Nullstelle P01" RESULT_TIP, result},
    {&F::txtP02X, "txtP02X", 7800, 3600, 1455, 360, "", "x-Wert der Nullstelle P02" RESULT_TIP, result},
    {&F::txtP03X, "txtP03X", 7800, 3960, 1455, 360, "", "x-Wert der Nullstelle P03" RESULT_TIP, result},
    {&F::txtP04X, "txtP04X", 7800, 4320, 1455, 360, "", "x-Wert der Nullstelle P04, Doppelklick schreibt Wert in das Funktionsfeld", result},
    {&F::lblP_20, "lblP(20)", 9240, 3240, 135, 255, ";", "", semicolon},
    {&F::lblP_21, "lblP(21)", 9240, 3600, 135, 255, ";", "", semicolon},
    {&F::lblP_22, "lblP(22)", 9240, 3960, 135, 255, ";", "", semicolon},
    {&F::lblP_23, "lblP(23)", 9240, 4320, 135, 255, ";", "", semicolon},
    {&F::txtP01Y, "txtP01Y", 9360, 3240, 375, 360, "", "y-Wert der Nullstelle P01" RESULT_TIP, resultCentred},
    {&F::txtP02Y, "txtP02Y", 9360, 3600, 375, 360, "", "y-Wert der Nullstelle P02" RESULT_TIP, resultCentred},
    {&F::txtP03Y, "txtP03Y", 9360, 3960, 375, 360, "", "y-Wert der Nullstelle P03" RESULT_TIP, resultCentred},
    {&F::txtP04Y, "txtP04Y", 9360, 4320, 375, 360, "", "y-Wert der Nullstelle P04, Doppelklick schreibt Wert in das Funktionsfeld", resultCentred},
    {&F::lblP_10, "lblP(10)", 9720, 3240, 135, 255, " )", "", blue},
    {&F::lblP_11, "lblP(11)", 9720, 3600, 135, 255, " )", "", blue},
    {&F::lblP_12, "lblP(12)", 9720, 3960, 135, 255, " )", "", blue},
    {&F::lblP_13, "lblP(13)", 9720, 4320, 135, 255, " )", "", blue},
    // Extreme points: rows at 3240, 3600, 3960.
    {&F::lblP_5, "lblP(5)", 10200, 3240, 495, 255, "PE1(", "", blue},
    {&F::lblP_6, "lblP(6)", 10200, 3600, 495, 255, "PE2(", "", blue},
    {&F::lblP_7, "lblP(7)", 10200, 3960, 495, 255, "PE3(", "", blue},
    {&F::txtPE1X, "txtPE1X", 10680, 3240, 1455, 360, "", "x-Wert des Extremwertes PE1" RESULT_TIP, result},
    {&F::txtPE2X, "txtPE2X", 10680, 3600, 1455, 360, "", "x-Wert des Extremwertes PE2" RESULT_TIP, result},
    {&F::txtPE3X, "txtPE3X", 10680, 3960, 1455, 360, "", "x-Wert des Extremwertes PE3" RESULT_TIP, result},
    {&F::lblP_25, "lblP(25)", 12120, 3240, 135, 255, ";", "", semicolon},
    {&F::lblP_26, "lblP(26)", 12120, 3600, 135, 255, ";", "", semicolon},
    {&F::lblP_27, "lblP(27)", 12120, 3960, 135, 255, ";", "", semicolon},
    {&F::txtPE1Y, "txtPE1Y", 12240, 3240, 1455, 360, "", "y-Wert des Extremwertes PE1" RESULT_TIP, result},
    {&F::txtPE2Y, "txtPE2Y", 12240, 3600, 1455, 360, "", "y-Wert des Extremwertes PE2" RESULT_TIP, result},
    {&F::txtPE3Y, "txtPE3Y", 12240, 3960, 1455, 360, "", "y-Wert des Extremwertes PE3" RESULT_TIP, result},
    {&F::lblP_15, "lblP(15)", 13680, 3240, 135, 255, " )", "", blue},
    {&F::lblP_16, "lblP(16)", 13680, 3600, 135, 255, " )", "", blue},
    {&F::lblP_17, "lblP(17)", 13680, 3960, 135, 255, " )", "", blue},
    {&F::lblMMPE1, "lblMMPE1", 13920, 3240, 615, 255, "", "", blue},
    {&F::lblMMPE2, "lblMMPE2", 13920, 3600, 615, 255, "", "", blue},
    {&F::lblMMPE3, "lblMMPE3", 13920, 3960, 615, 255, "", "", blue},
    // Inflection points: rows at 4560, 4920.
    {&F::lblP_8, "lblP(8)", 10170, 4560, 495, 255, "PW1(", "", blue},
    {&F::lblP_9, "lblP(9)", 10170, 4920, 495, 255, "PW2(", "", blue},
    {&F::txtPW1X, "txtPW1X", 10680, 4560, 1455, 360, "", "x-Wert des Wendepunktes PW1" RESULT_TIP, result},
    {&F::txtPW2X, "txtPW2X", 10680, 4920, 1455, 360, "", "x-Wert des Wendepunktes PW2" RESULT_TIP, result},
    {&F::lblP_28, "lblP(28)", 12120, 4560, 135, 255, ";", "", semicolon},
    {&F::lblP_29, "lblP(29)", 12120, 4920, 135, 255, ";", "", semicolon},
    {&F::txtPW1Y, "txtPW1Y", 12240, 4560, 1455, 360, "", "", result},
    {&F::txtPW2Y, "txtPW2Y", 12240, 4920, 1455, 360, "", "", result},
    {&F::lblP_18, "lblP(18)", 13680, 4560, 135, 255, " )", "", blue},
    {&F::lblP_19, "lblP(19)", 13680, 4920, 135, 255, " )", "", blue},
    // Intersection with the y-axis
    {&F::lblP_4, "lblP(4)", 7320, 4920, 495, 255, "PY  (", "", blue},
    {&F::txtPYX, "txtPYX", 7800, 4920, 375, 360, "", "x-Wert des Schnittpunktes mit der Y-Achse" RESULT_TIP, resultCentred},
    {&F::lblP_24, "lblP(24)", 8160, 4920, 135, 255, ";", "", semicolon},
    {&F::txtPYY, "txtPYY", 8280, 4920, 1455, 360, "", "y-Wert des Schnittpunktes mit der y-Achse" RESULT_TIP, result},
    {&F::lblP_14, "lblP(14)", 9720, 4920, 135, 255, " )", "", blue},

    // Plot settings
    {&F::cbBackC, "cbBackC", 120, 0, 2055, 435, "Hintergrundfarbe der Diagrammfläche", "Ändert die Hintergrundfarbe der Diagrammfläche", {.toolkit = true}},
    {&F::lblHGF, "lblHGF", 2220, 0, 195, 435, "", "Hintergrundfarbe der Diagrammfläche", {.back = plotGrey, .border = true}},
    {&F::cbAHC, "cbAHC", 2700, 0, 1515, 435, "Farbe der Achsen und Hilfslinien", "Ändert die Farben der Achsen und Hilfslinien", {.toolkit = true}},
    {&F::lblFAH, "lblFAH", 4260, 0, 195, 435, "", "Farbe der Achsen und Hilfslinien", {.back = 0x000000, .border = true}},
    {&F::btReset, "btReset", 4500, 0, 375, 435, "R", "Reset - Setzt Def-Bereich und Werte-Bereich auf Ausgang zurück", {.back = green, .points = 12}},
    {&F::Label1, "Label1", 5340, 0, 1035, 195, "Zoomfaktor:", "", small},
    {&F::lblZoom, "lblZoom", 5220, 180, 1215, 195, "1", "", centredSmall},
    {&F::Label7, "Label7", 120, 480, 1455, 255, "Def.Bereich", "", small},
    {&F::txtIX1, "txtIX1", 1380, 480, 795, 255, "-10", "", centredSmall},
    {&F::Label8, "Label8", 2220, 480, 495, 255, "<=X<=", "", small},
    {&F::txtIX2, "txtIX2", 2700, 480, 795, 255, "10", "", centredSmall},
    {&F::Label9, "Label9", 120, 780, 1455, 255, "Wertebereich", "", small},
    {&F::txtIY1, "txtIY1", 1380, 780, 795, 255, "-10", "", centredSmall},
    {&F::Label10, "Label10", 2220, 840, 495, 255, "<=Y<=", "", small},
    {&F::txtIY2, "txtIY2", 2700, 780, 795, 255, "10", "", centredSmall},
    {&F::Label11, "Label11", 3540, 480, 855, 255, "Hilfslinien", "", small},
    {&F::cbHL, "cbHL", 4440, 480, 2715, 255, "Hilfslinien AUS", "Schaltet die Hilfslinien ein und aus und löscht die Funktionsbilder", {.toolkit = true}},
    {&F::Label12, "Label12", 3540, 780, 915, 255, "X-Abstand", "", centredSmall},
    {&F::txtXA, "txtXA", 4440, 720, 915, 330, "1", "Wert eintragen oder auswählen", {.points = 8.25, .items = Items::Spacings}},
    {&F::Label13, "Label13", 5340, 780, 915, 255, "Y-Abstand", "", centredSmall},
    {&F::txtYA, "txtYA", 6240, 720, 915, 330, "1", "Wert eintragen oder auswählen", {.points = 8.25, .items = Items::Spacings}},
    {&F::Label14, "Label14", 7200, 0, 2115, 255, "Der gewähltePunkt", "", small},
    {&F::Label16, "Label16", 7200, 180, 2175, 255, "hat folgende Koordinaten:", "", small},
    {&F::lblPo, "lblPo", 9360, 180, 3855, 195, "", "Doppelklick überträgt den x-Wert in die Nullstelle P01. Mausklick rechts löscht den Wert.", small},
    {&F::lblBG, "lblBG", plot::kSquareLeft, plot::kSquareTop, plot::kSquareSide, plot::kSquareSide, "", "Mausklick rechts zeigt Koordinaten des Punktes an. Mausklick rechts mit Shift vergrößert den Ausschnitt um den gewählten Punkt", {.back = plotGrey, .points = 8.25, .border = true}},

    // Help and other controls
    {&F::btHilfe, "btHilfe", 13920, 240, 675, 315, "Hilfe", "", {.back = green}},
    {&F::Label4, "Label4", 13200, 60, 1395, 195, "© 2017", "", {.text = 0x404040, .toolkit = true, .align = Align::Right}},
};
// clang-format on

namespace {

#undef RESULT_TIP
#undef FIELD_TIP

QColor colourOf(unsigned rrggbb) { return toQColor(fromRrggbb(rrggbb)); }

// The window's own colours, whatever the desktop's theme: grey ground and buttons, white fields,
// black text everywhere (the bevels follow from the grey).
QPalette ownPalette() {
    QPalette p(colourOf(grey), colourOf(grey));
    for (auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        p.setColor(role, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, colourOf(plotGrey));
    p.setColor(QPalette::ToolTipBase, colourOf(0xFFFFE1));
    p.setColor(QPalette::PlaceholderText, colourOf(0x808080));
    p.setColor(QPalette::Highlight, colourOf(darkBlue));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, colourOf(0x808080));
    p.setColor(QPalette::Disabled, QPalette::Text, colourOf(0x808080));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, colourOf(0x808080));
    return p;
}

struct Box {
    int left, top, width, height;
};

// Liberation Sans has Arial's metrics; it stands in for MS Sans Serif too.
QFont bold(double points) {
    QFont f("Liberation Sans");
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

// The toolkit's default font, set explicitly so that it does not inherit the window's font.
QFont toolkitFont() {
    const QFont app = QApplication::font();
    QFont f(app.family());
    f.setPointSizeF(app.pointSizeF());
    f.setBold(false);
    return f;
}

Qt::Alignment horizontal(Align a) {
    return a == Align::Centre  ? Qt::AlignHCenter
           : a == Align::Right ? Qt::AlignRight
                               : Qt::AlignLeft;
}

// The control's own font, set before its text, so that the text is laid out in it only once.
template <class Widget>
Widget* withFont(Widget* w, const Look& look) {
    if (look.toolkit)
        w->setFont(toolkitFont());
    else if (look.points > 0)
        w->setFont(bold(look.points));
    return w;
}

// Background and text colour in the roles the control paints them with.
void paint(QWidget* w, QPalette::ColorRole backRole, QPalette::ColorRole textRole,
           const Look& look) {
    if (!look.back && !look.text) return;  // the window's palette, inherited
    QPalette p = w->palette();
    if (look.back) p.setColor(backRole, colourOf(*look.back));
    if (look.text) p.setColor(textRole, colourOf(*look.text));
    w->setPalette(p);
}

const QStringList widths = {"1", "2", "3", "4", "5"};
const QStringList spacings = {"0,0001", "0,001", "0,01", "0,1",  "1",    "2",    "5",
                              "10",     "Pi",    "Pi/2", "Pi/3", "Pi/4", "Pi/6", "2Pi"};

// The widget of each kind, with what its kind needs.
struct Make {
    QWidget* parent;
    const Control& c;
    const QString caption = QString::fromUtf8(c.caption);

    QWidget* operator()(Label* F::*) const {
        auto* l = withFont(new Label(parent), c.look);
        l->setText(caption);
        l->setAlignment(horizontal(c.look.align) | Qt::AlignTop);
        if (c.look.back) l->setAutoFillBackground(true);
        paint(l, QPalette::Window, QPalette::WindowText, c.look);
        if (c.look.border) {
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setLineWidth(1);
        }
        return l;
    }
    QWidget* operator()(TextField* F::*) const {
        auto* t = withFont(new TextField(parent), c.look);
        t->setText(caption);
        t->setAlignment(horizontal(c.look.align) | Qt::AlignVCenter);
        paint(t, QPalette::Base, QPalette::Text, c.look);
        return t;
    }
    QWidget* operator()(MemoField* F::*) const {
        auto* m = withFont(new MemoField(parent), c.look);
        paint(m, QPalette::Base, QPalette::Text, c.look);
        return m;
    }
    QWidget* operator()(QPushButton* F::*) const { return button(parent, caption, c.look); }
    QWidget* operator()(QRadioButton* F::*) const {
        auto* o = withFont(new QRadioButton(parent), c.look);
        pressOnEnter(o);
        return o;
    }
    // A drop-down list with an edit field; typed text is never added to the items.
    QWidget* operator()(QComboBox* F::*) const {
        auto* list = withFont(new ListField(parent), c.look);
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        list->addItems(c.look.items == Items::Widths ? widths : spacings);
        list->setCurrentIndex(list->findText(caption));
        return list;
    }
    QWidget* operator()(QCheckBox* F::*) const {
        auto* box = withFont(new QCheckBox(parent), c.look);
        pressOnEnter(box);
        return box;
    }
    QWidget* operator()(QFrame* F::*) const {
        auto* frame = withFont(new QFrame(parent), c.look);
        frame->setFrameShape(QFrame::NoFrame);
        return frame;
    }

    static QPushButton* button(QWidget* parent, const QString& caption, const Look& look) {
        auto* b = withFont(new Button(parent), look);
        b->setText(caption);
        b->setAutoDefault(false);
        pressOnEnter(b);
        if (look.noFocus) b->setFocusPolicy(Qt::NoFocus);
        paint(b, QPalette::Button, QPalette::ButtonText, look);
        return b;
    }
};

void place(QWidget* w, const char* name, Box box, const char* tip) {
    w->setObjectName(QString::fromUtf8(name));
    w->setGeometry(pixelBox(box.left, box.top, box.width, box.height));
    w->setProperty(kTwipsProperty, QRect(box.left, box.top, box.width, box.height));
    if (*tip) w->setToolTip(QString::fromUtf8(tip));
}

// The element index of a control array's member: lblP(30) is element 30 of lblP.
std::optional<int> elementOf(const QString& name, const QString& array) {
    if (!name.startsWith(array + "(")) return std::nullopt;
    return name.mid(array.size() + 1).chopped(1).toInt();
}

}  // namespace

void frmFunktion::buildControls() {
    setPalette(ownPalette());
    setAutoFillBackground(true);
    client_->setFont(bold(9.75));  // the menu bar keeps the toolkit's font

    for (const Control& c : Tables::controls) {
        QWidget* parent = c.look.inFrame ? static_cast<QWidget*>(frame1) : client_;
        QWidget* w = std::visit(Make{parent, c}, c.member);
        place(w, c.name, {c.left, c.top, c.width, c.height}, c.tip);
        std::visit(
            [this, w](auto member) {
                this->*member = static_cast<std::remove_reference_t<decltype(this->*member)>>(w);
            },
            c.member);
        if (auto* label = qobject_cast<Label*>(w)) {
            if (auto i = elementOf(w->objectName(), "lblP")) lblPArray_[*i] = label;
            if (auto i = elementOf(w->objectName(), "lblF")) lblFArray_[*i] = label;
        }
    }
    for (const terms::KeypadKey& k : terms::kKeypad) {
        const Look look{.back = k.colour, .points = k.points, .noFocus = true};
        QPushButton* key = Make::button(client_, toQString(k.caption), look);
        const std::string name(k.button), tip(k.tooltip);
        place(key, name.c_str(), {k.left, k.top, k.width, k.height}, tip.c_str());
    }

    ob1->setChecked(true);
    obPunkt->setChecked(true);
    cbKreuz->setVisible(false);
    cbStrich->setVisible(false);
    // One group of option buttons per container. A group of its own is needed: the automatic
    // grouping by parent would also take in the buttons inside frame1.
    auto* windowOptions = new QButtonGroup(this);
    for (QRadioButton* o : {ob1, ob2, ob3, ob4, obHG, obX}) windowOptions->addButton(o);
    auto* frameOptions = new QButtonGroup(frame1);
    for (QRadioButton* o : {obStrich, obPunkt}) frameOptions->addButton(o);
}
