// The controls of the main window with their positions, captions, tooltips, colours and
// fonts. Positions are twips of the client area (15 twips a pixel).

#include <QApplication>
#include <QButtonGroup>
#include <QStringList>
#include <optional>

#include "app/frmFunktion.h"
#include "app/twips.h"

namespace {

QColor hex(unsigned v) { return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF); }

const QColor grey = hex(0xC0C0C0);
const QColor darkBlue = hex(0x000080);
const QColor digitKey = hex(0xFFC080);
const QColor functionKey = hex(0x80FF80);
const QColor drawKey = hex(0x00FFFF);
const QColor clearKey = hex(0xFF8080);
const QColor constantKey = hex(0xFFFF80);

// Bold Arial in the given size; Liberation Sans has Arial's metrics.
QFont arial(double points) {
    QFont f("Liberation Sans");
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

// Bold MS Sans Serif; Liberation Sans comes closest to its widths.
QFont msSans(double points) {
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

// The window's own colours, whatever the desktop's theme: grey ground and buttons, white fields,
// black text everywhere (the bevels follow from the grey).
QPalette ownPalette() {
    QPalette p(grey, grey);
    for (auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        p.setColor(role, Qt::black);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, hex(0xE0E0E0));
    p.setColor(QPalette::ToolTipBase, hex(0xFFFFE1));
    p.setColor(QPalette::PlaceholderText, hex(0x808080));
    p.setColor(QPalette::Highlight, darkBlue);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, hex(0x808080));
    p.setColor(QPalette::Disabled, QPalette::Text, hex(0x808080));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, hex(0x808080));
    return p;
}

struct Box {
    int left, top, width, height;
};

QRect pixels(Box b) { return pixelBox(b.left, b.top, b.width, b.height); }

// How a control looks beyond its place and caption. Unset members keep the defaults:
// bold Arial 9.75 from the window, labels transparent, fields white, buttons grey.
struct Look {
    QString tip{};
    QColor back{};
    QColor text{};
    std::optional<QFont> font{};
    Qt::Alignment align{};
    bool border = false;
};

void place(QWidget* w, const char* name, Box box, const Look& look) {
    w->setObjectName(QString::fromUtf8(name));
    w->setGeometry(pixels(box));
    w->setProperty(kTwipsProperty, QRect(box.left, box.top, box.width, box.height));
    if (!look.tip.isEmpty()) w->setToolTip(look.tip);
    if (look.font) w->setFont(*look.font);
}

void colour(QWidget* w, QPalette::ColorRole backRole, QPalette::ColorRole textRole,
            const Look& look) {
    QPalette p = w->palette();
    if (look.back.isValid()) p.setColor(backRole, look.back);
    if (look.text.isValid()) p.setColor(textRole, look.text);
    w->setPalette(p);
}

Label* label(QWidget* parent, const char* name, Box box, const QString& caption,
             const Look& look = {}) {
    auto* l = new Label(parent);
    place(l, name, box, look);
    l->setText(caption);
    l->setAlignment((look.align ? look.align : Qt::AlignLeft) | Qt::AlignTop);
    if (look.back.isValid()) l->setAutoFillBackground(true);
    colour(l, QPalette::Window, QPalette::WindowText, look);
    if (look.border) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(1);
    }
    return l;
}

TextField* field(QWidget* parent, const char* name, Box box, const QString& text,
                 const Look& look = {}) {
    auto* t = new TextField(parent);
    place(t, name, box, look);
    t->setText(text);
    t->setAlignment((look.align ? look.align : Qt::AlignLeft) | Qt::AlignVCenter);
    colour(t, QPalette::Base, QPalette::Text, look);
    return t;
}

MemoField* memo(QWidget* parent, const char* name, Box box, const Look& look = {}) {
    auto* m = new MemoField(parent);
    place(m, name, box, look);
    colour(m, QPalette::Base, QPalette::Text, look);
    return m;
}

QPushButton* button(QWidget* parent, const char* name, Box box, const QString& caption,
                    const Look& look = {}) {
    auto* b = new Button(caption, parent);
    place(b, name, box, look);
    b->setAutoDefault(false);
    pressOnEnter(b);
    colour(b, QPalette::Button, QPalette::ButtonText, look);
    return b;
}

// A key of the keypad: it never takes the caret away from the term field.
QPushButton* key(QWidget* parent, const char* name, Box box, const QString& caption,
                 const Look& look = {}) {
    QPushButton* b = button(parent, name, box, caption, look);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QRadioButton* option(QWidget* parent, const char* name, Box box, const QString& tip = {}) {
    auto* o = new QRadioButton(parent);
    place(o, name, box, {.tip = tip});
    pressOnEnter(o);
    return o;
}

// A drop-down list with an edit field; typed text is never added to the items.
QComboBox* list(QWidget* parent, const char* name, Box box, const QStringList& items,
                const QString& text, const Look& look = {}) {
    auto* c = new ListField(parent);
    place(c, name, box, look);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->addItems(items);
    const int index = c->findText(text);
    if (index >= 0)
        c->setCurrentIndex(index);
    else
        c->setEditText(text);
    return c;
}

const QStringList widths = {"1", "2", "3", "4", "5"};
const QStringList spacings = {"0,0001", "0,001", "0,01", "0,1",  "1",    "2",    "5",
                              "10",     "Pi",    "Pi/2", "Pi/3", "Pi/4", "Pi/6", "2Pi"};

const QString fieldTip = "Doppelklick schreibt die Funktion in das Bearbeitungsfenster zurück";
const QString colourTip = "Ändert die Farbe der Funktion";
const QString optionTip = "aktiv = Funktionsfeld ist angewählt";

QString resultTip(const char* what) {
    return QString::fromUtf8(what) + ", Doppelklick schreibt den Wert in das Funktionsfeld";
}

}  // namespace

void frmFunktion::buildControls() {
    setPalette(ownPalette());
    setAutoFillBackground(true);
    setFont(arial(9.75));

    const Look transparent{};
    const Look blue{.text = darkBlue};
    const Look blueSemicolon{.text = darkBlue, .font = arial(12), .align = Qt::AlignHCenter};
    const Look result{.back = grey, .text = darkBlue};
    const Look small{.font = arial(8.25)};

    // The container of the two drawing styles lies under the buttons next to it.
    frame1 = new QFrame(this);
    place(frame1, "frame1", {11640, 6840, 3015, 495}, {});
    frame1->setFrameShape(QFrame::NoFrame);

    // Coefficients
    lblF_0 = label(this, "lblF(0)", {7800, 600, 495, 375},
                   "y   =", {.tip = "Funktion y", .font = arial(12)});
    txtA = field(this, "txtA", {8280, 600, 615, 285}, "", {.tip = "Koeffizient A eintragen"});
    lblF_31 = label(this, "lblF(31)", {9000, 600, 615, 255}, "x^4 +", {.font = arial(11.25)});
    txtB = field(this, "txtB", {9720, 600, 615, 285}, "", {.tip = "Koeffizient B eintragen"});
    lblF_32 = label(this, "lblF(32)", {10440, 600, 615, 255}, "x^3 +", {.font = arial(11.25)});
    txtC = field(this, "txtC", {11040, 600, 615, 285}, "", {.tip = "Koeffizient C eintragen"});
    lblF_33 = label(this, "lblF(33)", {11760, 600, 615, 255}, "x^2 +", {.font = arial(11.25)});
    txtD = field(this, "txtD", {12360, 600, 615, 285}, "", {.tip = "Koeffizient D eintragen"});
    lblF_34 = label(this, "lblF(34)", {13080, 600, 375, 255}, "x +", {.font = arial(11.25)});
    txtE = field(this, "txtE", {13560, 600, 615, 285}, "", {.tip = "Koeffizient E eintragen"});
    btCKo = button(this, "btCKo", {14280, 600, 315, 315}, "C", {.back = clearKey});
    lblFArray_ = {{0, lblF_0}, {31, lblF_31}, {32, lblF_32}, {33, lblF_33}, {34, lblF_34}};

    // Function fields: swatch, option button, caption, term, draw and clear button per row.
    Label6 =
        label(this, "Label6", {7200, 400, 1755, 255}, "Funktionsfelder:", {.font = msSans(9.75)});
    const QFont rowFont = arial(12);
    const Look drawLook{.back = drawKey};
    const Look clearLook{.back = clearKey};

    lblF1 =
        label(this, "lblF1", {7560, 1020, 135, 375}, "", {.tip = colourTip, .back = hex(0xFF0000)});
    ob1 = option(this, "ob1", {7320, 1080, 195, 195}, optionTip);
    Label5 = label(this, "Label5", {7800, 960, 495, 375},
                   "y   =", {.tip = "Funktion y", .font = rowFont});
    txtFKT1 = memo(this, "txtFKT1", {8280, 960, 5595, 315}, {.tip = fieldTip, .back = grey});
    btZ1 = button(this, "btZ1", {13920, 960, 315, 315}, "Z",
                  {.tip = "Zeichnet die eingetragene Funktion y", .back = drawKey});
    btCF1 = button(
        this, "btCF1", {14280, 960, 315, 315}, "C",
        {.tip = "Löscht das Funktionsfeld für y und die Hilfsgleichung unten", .back = clearKey});

    lblF2 =
        label(this, "lblF2", {7560, 1320, 135, 375}, "", {.tip = colourTip, .back = hex(0x0000FF)});
    ob2 = option(this, "ob2", {7320, 1440, 195, 195}, optionTip);
    Label15 = label(this, "Label15", {7800, 1320, 495, 375},
                    "y'  =", {.tip = "1. Ableitung der Funktion y", .font = rowFont});
    txtFKT2 = memo(this, "txtFKT2", {8280, 1320, 5595, 315}, {.tip = fieldTip, .back = grey});
    btZ2 = button(this, "btZ2", {13920, 1320, 315, 315}, "Z",
                  {.tip = "Zeichnet die eingetragene Funktion y'", .back = drawKey});
    btCF2 = button(this, "btCF2", {14280, 1320, 315, 315}, "C",
                   {.tip = "Löscht das Funktionsfeld y'", .back = clearKey});

    lblF3 =
        label(this, "lblF3", {7560, 1680, 135, 375}, "", {.tip = colourTip, .back = hex(0x00C000)});
    ob3 = option(this, "ob3", {7320, 1800, 195, 195}, optionTip);
    Label17 = label(this, "Label17", {7800, 1680, 495, 375},
                    "y'' =", {.tip = "2. Ableitung der Funktion y", .font = rowFont});
    txtFKT3 = memo(this, "txtFKT3", {8280, 1680, 5595, 315}, {.tip = fieldTip, .back = grey});
    btZ3 = button(this, "btZ3", {13920, 1680, 315, 315}, "Z",
                  {.tip = "Zeichnet die eingetragene Funktion y''", .back = drawKey});
    btCF3 = button(this, "btCF3", {14280, 1680, 315, 315}, "C",
                   {.tip = "Löscht das Funktionsfeld y''", .back = clearKey});

    lblF4 =
        label(this, "lblF4", {7560, 2040, 135, 375}, "", {.tip = colourTip, .back = hex(0xFF00FF)});
    ob4 = option(this, "ob4", {7320, 2160, 195, 195}, optionTip);
    Label48 = label(this, "Label48", {7800, 2040, 495, 375},
                    "y'''=", {.tip = "3. Ableitung der Funktion y", .font = rowFont});
    txtFKT4 = memo(this, "txtFKT4", {8280, 2040, 5595, 315}, {.tip = fieldTip, .back = grey});
    btZ4 = button(this, "btZ4", {13920, 2040, 315, 315}, "Z",
                  {.tip = "Zeichnet die eingetragene Funktion y'''", .back = drawKey});
    btCF4 = button(this, "btCF4", {14280, 2040, 315, 315}, "C",
                   {.tip = "Löscht das Funktionsfeld y'''", .back = clearKey});

    lblF5 =
        label(this, "lblF5", {7560, 2400, 135, 375}, "", {.tip = colourTip, .back = hex(0x800000)});
    obHG = option(this, "obHG", {7320, 2480, 195, 195},
                  "aktiv = Eingaben mit der integrierten Tastatur werden in das Feld der "
                  "Hilfsgleichung eingetragen.");
    Label47 = label(this, "Label47", {7800, 2400, 1335, 255},
                    "HG 3. Grades:", {.tip = "Hilfsgleichung  (3. Grades)"});
    txtHilfsgleichung =
        memo(this, "txtHilfsgleichung", {9180, 2400, 4695, 600},
             {.tip = "Feld für die Hilfsgleichung 3. Grades (P0 1ist bekannt). " + fieldTip,
              .back = grey});
    btZHG = button(this, "btZHG", {13920, 2400, 315, 315}, "Z",
                   {.tip = "Zeichnet die eingetragene Hilfsfunktion", .back = drawKey});
    btCHG = button(this, "btCHG", {14280, 2400, 315, 315}, "C",
                   {.tip = "Löscht die Hilfsgleichung 3. Grades", .back = clearKey});
    ob1->setChecked(true);

    // Line widths and drawing style
    cbKreuz = list(this, "cbKreuz", {12960, 2760, 630, 360}, widths, "2",
                   {.tip = "Strichstärke des Achsenkreuzes"});
    cbKreuz->setVisible(false);
    cbStrich = list(this, "cbStrich", {13680, 2760, 615, 360}, widths, "2",
                    {.tip = "Strichstärke der Funktionen"});
    cbStrich->setVisible(false);
    cbStrichstärke = new QCheckBox(this);
    pressOnEnter(cbStrichstärke);
    place(cbStrichstärke, "cbStrichstärke", {14400, 2760, 255, 255},
          {.tip = "Wenn aktiv, kann die Strichstärke verändert werden"});
    Label18 = label(frame1, "Label18", {0, 240, 1215, 255}, "Fkt y als Strich", small);
    obStrich = option(frame1, "obStrich", {1200, 240, 255, 195});
    Label19 = label(frame1, "Label19", {1440, 240, 1335, 255}, "Fkt y als Punkte", small);
    obPunkt = option(frame1, "obPunkt", {2760, 240, 255, 195});
    obPunkt->setChecked(true);

    // Term editor and keypad
    txtF = memo(this, "txtF", {7320, 5400, 4215, 1515},
                {.tip = "Eingabefenster für die zu untersuchende Funktion. Doppelklick übergibt "
                        "den Term in das angewählte Funktionsfeld",
                 .back = grey});
    const Look digit{.back = digitKey};
    bt7 = key(this, "bt7", {7320, 7020, 315, 255}, "7", digit);
    bt8 = key(this, "bt8", {7680, 7020, 315, 255}, "8", digit);
    bt9 = key(this, "bt9", {8040, 7020, 315, 255}, "9", digit);
    bt4 = key(this, "bt4", {7320, 7320, 315, 255}, "4", digit);
    bt5 = key(this, "bt5", {7680, 7320, 315, 255}, "5", digit);
    bt6 = key(this, "bt6", {8040, 7320, 315, 255}, "6", digit);
    bt1 = key(this, "bt1", {7320, 7620, 315, 255}, "1", digit);
    bt2 = key(this, "bt2", {7680, 7620, 315, 255}, "2", digit);
    bt3 = key(this, "bt3", {8040, 7620, 315, 255}, "3", digit);
    bt0 = key(this, "bt0", {7680, 7920, 315, 255}, "0", digit);
    btDP =
        key(this, "btDP", {8040, 7920, 315, 255}, ".", {.tip = "Dezimaltrenner", .back = digitKey});
    btHelpFKT = key(this, "btHelpFKT", {7320, 7920, 315, 270}, "?",
                    {.tip = "Hilfe und Information", .font = arial(11.25)});

    const QFont operatorFont = arial(9);
    btKa = key(this, "btKa", {8400, 7020, 255, 255}, "(",
               {.tip = "Klammer auf", .back = functionKey, .font = operatorFont});
    btKz = key(this, "btKz", {8700, 7020, 255, 255}, ")",
               {.tip = "Klammer zu", .back = functionKey, .font = operatorFont});
    btPl = key(this, "btPl", {8400, 7320, 255, 255}, "+",
               {.tip = "Plus", .back = functionKey, .font = operatorFont});
    btMa = key(this, "btMa", {8700, 7320, 255, 255}, "*",
               {.tip = "Mal", .back = functionKey, .font = operatorFont});
    btMi = key(this, "btMi", {8400, 7620, 255, 255}, "-",
               {.tip = "Minus", .back = functionKey, .font = operatorFont});
    btGe = key(this, "btGe", {8700, 7620, 255, 255}, "/",
               {.tip = "Geteilt durch", .back = functionKey});
    btX = key(this, "btX", {8400, 7920, 255, 255}, "X",
              {.tip = "Platzhalter für Variable X", .back = hex(0x80FFFF)});
    btHo = key(this, "btHo", {8700, 7920, 255, 255}, "^", {.tip = "Hoch", .back = functionKey});

    btABS = key(this, "btABS", {9000, 7020, 555, 255}, "ABS",
                {.tip = "absoluter Betrag", .back = functionKey});
    btSQR = key(this, "btSQR", {9000, 7320, 555, 255}, "SQR",
                {.tip = "Quadratwurzel", .back = functionKey});
    btLOG = key(this, "btLOG", {9000, 7620, 555, 255}, "LOG",
                {.tip = "natürlicher Logarithmus", .back = functionKey});
    btEXP = key(this, "btEXP", {9000, 7920, 555, 255}, "EXP",
                {.tip = "Exponent (e hoch ...)", .back = functionKey});
    btSGN = key(this, "btSGN", {9600, 7020, 555, 255}, "SGN",
                {.tip = "Signum (Vorzeichen)", .back = functionKey});
    btSIN =
        key(this, "btSIN", {9600, 7320, 555, 255}, "SIN", {.tip = "Sinus", .back = functionKey});
    btCOS =
        key(this, "btCOS", {9600, 7620, 555, 255}, "COS", {.tip = "Cosinus", .back = functionKey});
    btTAN =
        key(this, "btTAN", {9600, 7920, 555, 255}, "TAN", {.tip = "Tangens", .back = functionKey});
    btINT =
        key(this, "btINT", {10200, 7020, 675, 255}, "INT",
            {.tip = "Integer (rundet auf die nächstkleinere Ganzzahl ab)", .back = functionKey});
    btATN = key(this, "btATN", {10200, 7920, 675, 255}, "ATN",
                {.tip = "Arcustangens (Umkehrfunktion von TAN)", .back = functionKey});
    btPI = key(this, "btPI", {10200, 7320, 1335, 255}, "PI = 4ATN(1)",
               {.tip = "Eingabe von PI", .back = constantKey});
    btE = key(this, "btE", {10200, 7620, 1335, 255}, "e = EXP(1)",
              {.tip = "Eingabe von e", .back = constantKey});
    btFIX = key(this, "btFIX", {10920, 7020, 615, 255}, "FIX",
                {.tip = "FIX (trennt Nachkommastellen ab)", .back = functionKey});
    btBS = key(this, "btBS", {10920, 7920, 615, 255}, "BS",
               {.tip = "Löscht das letzte Zeichen", .back = hex(0xFFC0C0)});

    // Value at X
    obX = option(this, "obX", {11640, 5400, 195, 195},
                 "aktiv = x-Feld ist angewählt für Übertragung aus dem Eingabefeld");
    lblXT = label(this, "lblXT", {11880, 5385, 255, 195}, "X=", {.text = Qt::black});
    txtX = field(this, "txtX", {12120, 5385, 2055, 255}, "",
                 {.tip = "Eingabefeld für Variable X", .back = grey, .font = arial(9)});
    btCVX = button(this, "btCVX", {14280, 5400, 255, 255}, "C",
                   {.tip = "Löscht das X-Feld", .back = clearKey});
    Label2 =
        label(this, "Label2", {11640, 5640, 2355, 315}, "Y-Wert an der Stelle X:", transparent);
    lblErgebnis =
        label(this, "lblErgebnis", {11640, 5880, 2910, 315}, "",
              {.tip = "Ergebnisfeld;Doppelklick überträgt den Inhalt in das Variablenfeld X",
               .back = grey,
               .border = true});
    btC = button(this, "btC", {11640, 6240, 855, 675}, "C",
                 {.tip = "Löscht das große Eingabefeld", .back = clearKey});
    btBerechnen = button(
        this, "btBerechnen", {12600, 6240, 1950, 675}, "=",
        {.tip = "Startet die Berechnung des aktivierten Terms (y, y' bzw. y'') an der Stelle X",
         .back = hex(0x00FF00),
         .font = arial(14.25)});

    // Curve analysis and results
    btCKD = button(this, "btCKD", {11640, 7320, 855, 855}, "C",
                   {.tip = "Löscht die Ergebnisse der Polyskop", .back = hex(0xFF0000)});
    btStartKD =
        button(this, "btStartKD", {12600, 7320, 1950, 855}, "=",
               {.tip = "Startet die Polyskop", .back = hex(0x8080FF), .font = arial(14.25)});
    lblP_30 = label(this, "lblP(30)", {7320, 3000, 1215, 255}, "Nullstellen:", blue);
    lblP_31 = label(this, "lblP(31)", {10200, 3000, 1335, 255}, "Extremwerte:", blue);
    lblP_32 = label(this, "lblP(32)", {10200, 4320, 1455, 255}, "Wendepunkte:", blue);
    lblP_33 =
        label(this, "lblP(33)", {7320, 4680, 3015, 255}, "Schnittpunkt mit der Y-Achse:", blue);

    // Zeros: rows at 3240, 3600, 3960, 4320.
    lblP_0 = label(this, "lblP(0)", {7320, 3240, 495, 255}, "P01(", blue);
    lblP_1 = label(this, "lblP(1)", {7320, 3600, 495, 255}, "P02(", blue);
    lblP_2 = label(this, "lblP(2)", {7320, 3960, 495, 255}, "P03(", blue);
    lblP_3 = label(this, "lblP(3)", {7320, 4320, 495, 255}, "P04(", blue);
    txtP01X =
        field(this, "txtP01X", {7800, 3240, 1455, 345}, "",
              {.tip = resultTip("x-Wert der Nullstelle P01"), .back = grey, .text = darkBlue});
    txtP02X =
        field(this, "txtP02X", {7800, 3600, 1455, 360}, "",
              {.tip = resultTip("x-Wert der Nullstelle P02"), .back = grey, .text = darkBlue});
    txtP03X =
        field(this, "txtP03X", {7800, 3960, 1455, 360}, "",
              {.tip = resultTip("x-Wert der Nullstelle P03"), .back = grey, .text = darkBlue});
    txtP04X =
        field(this, "txtP04X", {7800, 4320, 1455, 360}, "",
              {.tip = "x-Wert der Nullstelle P04, Doppelklick schreibt Wert in das Funktionsfeld",
               .back = grey,
               .text = darkBlue});
    lblP_20 = label(this, "lblP(20)", {9240, 3240, 135, 255}, ";", blueSemicolon);
    lblP_21 = label(this, "lblP(21)", {9240, 3600, 135, 255}, ";", blueSemicolon);
    lblP_22 = label(this, "lblP(22)", {9240, 3960, 135, 255}, ";", blueSemicolon);
    lblP_23 = label(this, "lblP(23)", {9240, 4320, 135, 255}, ";", blueSemicolon);
    const Look resultCentred{.back = grey, .text = darkBlue, .align = Qt::AlignHCenter};
    auto centredTip = [&](const char* what) {
        Look l = resultCentred;
        l.tip = QString::fromUtf8(what);
        return l;
    };
    txtP01Y =
        field(this, "txtP01Y", {9360, 3240, 375, 360}, "",
              centredTip(
                  "y-Wert der Nullstelle P01, Doppelklick schreibt den Wert in das Funktionsfeld"));
    txtP02Y =
        field(this, "txtP02Y", {9360, 3600, 375, 360}, "",
              centredTip(
                  "y-Wert der Nullstelle P02, Doppelklick schreibt den Wert in das Funktionsfeld"));
    txtP03Y =
        field(this, "txtP03Y", {9360, 3960, 375, 360}, "",
              centredTip(
                  "y-Wert der Nullstelle P03, Doppelklick schreibt den Wert in das Funktionsfeld"));
    txtP04Y = field(
        this, "txtP04Y", {9360, 4320, 375, 360}, "",
        centredTip("y-Wert der Nullstelle P04, Doppelklick schreibt Wert in das Funktionsfeld"));
    lblP_10 = label(this, "lblP(10)", {9720, 3240, 135, 255}, " )", blue);
    lblP_11 = label(this, "lblP(11)", {9720, 3600, 135, 255}, " )", blue);
    lblP_12 = label(this, "lblP(12)", {9720, 3960, 135, 255}, " )", blue);
    lblP_13 = label(this, "lblP(13)", {9720, 4320, 135, 255}, " )", blue);

    // Extreme points: rows at 3240, 3600, 3960.
    lblP_5 = label(this, "lblP(5)", {10200, 3240, 495, 255}, "PE1(", blue);
    lblP_6 = label(this, "lblP(6)", {10200, 3600, 495, 255}, "PE2(", blue);
    lblP_7 = label(this, "lblP(7)", {10200, 3960, 495, 255}, "PE3(", blue);
    txtPE1X =
        field(this, "txtPE1X", {10680, 3240, 1455, 360}, "",
              {.tip = resultTip("x-Wert des Extremwertes PE1"), .back = grey, .text = darkBlue});
    txtPE2X =
        field(this, "txtPE2X", {10680, 3600, 1455, 360}, "",
              {.tip = resultTip("x-Wert des Extremwertes PE2"), .back = grey, .text = darkBlue});
    txtPE3X =
        field(this, "txtPE3X", {10680, 3960, 1455, 360}, "",
              {.tip = resultTip("x-Wert des Extremwertes PE3"), .back = grey, .text = darkBlue});
    lblP_25 = label(this, "lblP(25)", {12120, 3240, 135, 255}, ";", blueSemicolon);
    lblP_26 = label(this, "lblP(26)", {12120, 3600, 135, 255}, ";", blueSemicolon);
    lblP_27 = label(this, "lblP(27)", {12120, 3960, 135, 255}, ";", blueSemicolon);
    txtPE1Y =
        field(this, "txtPE1Y", {12240, 3240, 1455, 360}, "",
              {.tip = resultTip("y-Wert des Extremwertes PE1"), .back = grey, .text = darkBlue});
    txtPE2Y =
        field(this, "txtPE2Y", {12240, 3600, 1455, 360}, "",
              {.tip = resultTip("y-Wert des Extremwertes PE2"), .back = grey, .text = darkBlue});
    txtPE3Y =
        field(this, "txtPE3Y", {12240, 3960, 1455, 360}, "",
              {.tip = resultTip("y-Wert des Extremwertes PE3"), .back = grey, .text = darkBlue});
    lblP_15 = label(this, "lblP(15)", {13680, 3240, 135, 255}, " )", blue);
    lblP_16 = label(this, "lblP(16)", {13680, 3600, 135, 255}, " )", blue);
    lblP_17 = label(this, "lblP(17)", {13680, 3960, 135, 255}, " )", blue);
    lblMMPE1 = label(this, "lblMMPE1", {13920, 3240, 615, 255}, "", blue);
    lblMMPE2 = label(this, "lblMMPE2", {13920, 3600, 615, 255}, "", blue);
    lblMMPE3 = label(this, "lblMMPE3", {13920, 3960, 615, 255}, "", blue);

    // Inflection points: rows at 4560, 4920.
    lblP_8 = label(this, "lblP(8)", {10170, 4560, 495, 255}, "PW1(", blue);
    lblP_9 = label(this, "lblP(9)", {10170, 4920, 495, 255}, "PW2(", blue);
    txtPW1X =
        field(this, "txtPW1X", {10680, 4560, 1455, 360}, "",
              {.tip = resultTip("x-Wert des Wendepunktes PW1"), .back = grey, .text = darkBlue});
    txtPW2X =
        field(this, "txtPW2X", {10680, 4920, 1455, 360}, "",
              {.tip = resultTip("x-Wert des Wendepunktes PW2"), .back = grey, .text = darkBlue});
    lblP_28 = label(this, "lblP(28)", {12120, 4560, 135, 255}, ";", blueSemicolon);
    lblP_29 = label(this, "lblP(29)", {12120, 4920, 135, 255}, ";", blueSemicolon);
    txtPW1Y = field(this, "txtPW1Y", {12240, 4560, 1455, 360}, "", result);
    txtPW2Y = field(this, "txtPW2Y", {12240, 4920, 1455, 360}, "", result);
    lblP_18 = label(this, "lblP(18)", {13680, 4560, 135, 255}, " )", blue);
    lblP_19 = label(this, "lblP(19)", {13680, 4920, 135, 255}, " )", blue);

    // Intersection with the y-axis
    lblP_4 = label(this, "lblP(4)", {7320, 4920, 495, 255}, "PY  (", blue);
    txtPYX = field(this, "txtPYX", {7800, 4920, 375, 360}, "",
                   centredTip("x-Wert des Schnittpunktes mit der Y-Achse, Doppelklick schreibt den "
                              "Wert in das Funktionsfeld"));
    lblP_24 = label(this, "lblP(24)", {8160, 4920, 135, 255}, ";", blueSemicolon);
    txtPYY = field(this, "txtPYY", {8280, 4920, 1455, 360}, "",
                   {.tip = resultTip("y-Wert des Schnittpunktes mit der y-Achse"),
                    .back = grey,
                    .text = darkBlue});
    lblP_14 = label(this, "lblP(14)", {9720, 4920, 135, 255}, " )", blue);

    lblPArray_ = {{0, lblP_0},   {1, lblP_1},   {2, lblP_2},   {3, lblP_3},   {4, lblP_4},
                  {5, lblP_5},   {6, lblP_6},   {7, lblP_7},   {8, lblP_8},   {9, lblP_9},
                  {10, lblP_10}, {11, lblP_11}, {12, lblP_12}, {13, lblP_13}, {14, lblP_14},
                  {15, lblP_15}, {16, lblP_16}, {17, lblP_17}, {18, lblP_18}, {19, lblP_19},
                  {20, lblP_20}, {21, lblP_21}, {22, lblP_22}, {23, lblP_23}, {24, lblP_24},
                  {25, lblP_25}, {26, lblP_26}, {27, lblP_27}, {28, lblP_28}, {29, lblP_29},
                  {30, lblP_30}, {31, lblP_31}, {32, lblP_32}, {33, lblP_33}};

    // Plot settings
    const QFont plain = toolkitFont();
    const QFont f825 = arial(8.25);
    const Look centredSmall{.font = f825, .align = Qt::AlignHCenter};
    cbBackC = button(this, "cbBackC", {120, 0, 2055, 435}, "Hintergrundfarbe der Diagrammfläche",
                     {.tip = "Ändert die Hintergrundfarbe der Diagrammfläche", .font = plain});
    lblHGF = label(
        this, "lblHGF", {2220, 0, 195, 435}, "",
        {.tip = "Hintergrundfarbe der Diagrammfläche", .back = hex(0xE0E0E0), .border = true});
    cbAHC = button(this, "cbAHC", {2700, 0, 1515, 435}, "Farbe der Achsen und Hilfslinien",
                   {.tip = "Ändert die Farben der Achsen und Hilfslinien", .font = plain});
    lblFAH =
        label(this, "lblFAH", {4260, 0, 195, 435}, "",
              {.tip = "Farbe der Achsen und Hilfslinien", .back = hex(0x000000), .border = true});
    btReset = button(this, "btReset", {4500, 0, 375, 435}, "R",
                     {.tip = "Reset - Setzt Def-Bereich und Werte-Bereich auf Ausgang zurück",
                      .back = hex(0x80FF80),
                      .font = arial(12)});
    Label1 = label(this, "Label1", {5340, 0, 1035, 195}, "Zoomfaktor:", small);
    lblZoom = label(this, "lblZoom", {5220, 180, 1215, 195}, "1", centredSmall);
    Label7 = label(this, "Label7", {120, 480, 1455, 255}, "Def.Bereich", small);
    txtIX1 = field(this, "txtIX1", {1380, 480, 795, 255}, "-10", centredSmall);
    Label8 = label(this, "Label8", {2220, 480, 495, 255}, "<=X<=", small);
    txtIX2 = field(this, "txtIX2", {2700, 480, 795, 255}, "10", centredSmall);
    Label9 = label(this, "Label9", {120, 780, 1455, 255}, "Wertebereich", small);
    txtIY1 = field(this, "txtIY1", {1380, 780, 795, 255}, "-10", centredSmall);
    Label10 = label(this, "Label10", {2220, 840, 495, 255}, "<=Y<=", small);
    txtIY2 = field(this, "txtIY2", {2700, 780, 795, 255}, "10", centredSmall);
    Label11 = label(this, "Label11", {3540, 480, 855, 255}, "Hilfslinien", small);
    cbHL = button(this, "cbHL", {4440, 480, 2715, 255}, "Hilfslinien AUS",
                  {.tip = "Schaltet die Hilfslinien ein und aus und löscht die Funktionsbilder",
                   .font = plain});
    Label12 = label(this, "Label12", {3540, 780, 915, 255}, "X-Abstand", centredSmall);
    txtXA = list(this, "txtXA", {4440, 720, 915, 330}, spacings, "1",
                 {.tip = "Wert eintragen oder auswählen", .font = f825});
    Label13 = label(this, "Label13", {5340, 780, 915, 255}, "Y-Abstand", centredSmall);
    txtYA = list(this, "txtYA", {6240, 720, 915, 330}, spacings, "1",
                 {.tip = "Wert eintragen oder auswählen", .font = f825});
    Label14 = label(this, "Label14", {7200, 0, 2115, 255}, "Der gewähltePunkt", small);
    Label16 = label(this, "Label16", {7200, 180, 2175, 255}, "hat folgende Koordinaten:", small);
    lblPo = label(this, "lblPo", {9360, 180, 3855, 195}, "",
                  {.tip = "Doppelklick überträgt den x-Wert in die Nullstelle P01. Mausklick "
                          "rechts löscht den Wert.",
                   .font = msSans(8.25)});
    lblBG = label(this, "lblBG", {120, 1140, 7005, 7005}, "",
                  {.tip = "Mausklick rechts zeigt Koordinaten des Punktes an. Mausklick rechts mit "
                          "Shift vergrößert den Ausschnitt um den gewählten Punkt",
                   .back = hex(0xE0E0E0),
                   .font = f825,
                   .border = true});

    // Help and other controls
    btHilfe = button(this, "btHilfe", {13920, 240, 675, 315}, "Hilfe", {.back = hex(0x80FF80)});
    Label4 = label(this, "Label4", {13200, 60, 1395, 195}, "© 2017",
                   {.text = hex(0x404040), .font = plain, .align = Qt::AlignRight});

    // One group of option buttons per container. A group of its own is needed: the automatic
    // grouping by parent would also take in the buttons inside frame1.
    auto* windowOptions = new QButtonGroup(this);
    for (QRadioButton* o : {ob1, ob2, ob3, ob4, obHG, obX}) windowOptions->addButton(o);
    auto* frameOptions = new QButtonGroup(frame1);
    for (QRadioButton* o : {obStrich, obPunkt}) frameOptions->addButton(o);
}
