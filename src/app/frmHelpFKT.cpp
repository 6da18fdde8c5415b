#include "app/frmHelpFKT.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

#include "app/twips.h"

namespace {

const QStringList kDescription = {
    "Dieses kleine Programm gestattet es, eine Polyskop für Funktionen bis 4. Grades numerisch "
    "mit ausreichender Genauigkeit (4 Stellen nach dem Komma) vorzunehmen. Die 1. bis 3. "
    "Ableitung der Grundfunktion wird per Programm ermittelt. Die Koordinaten der Nullstellen, "
    "Extremwerrte, Wendepunkte sowie der Schnittpunkt der Kurve mit der y-Achse werden "
    "berechnet.",
    "Des weiteren können auch (fast) beliebige Funktionen eingegeben werden. In dem Falle werden "
    "aber die 1. bis 3. Ableitung nicht mehr vom Programm ermittelt. Diese sind dann manuell zu "
    "bestimmen und in die entsprechenden Funktionsfelder einzutragen. In der Regel wird dann auch "
    "die Berechnung der interessanten Punkte nicht per Programm funktionieren, sonder kann dann "
    "nur näherungsweise über die Graphik ermittelt werden.",
    "Viel Spaß mit dem Programm.",
    "Die Benutzung des Programms erfolgt auf eigene Gefahr. Keinerlei Haftung durch den Autor!",
    "Version 1.1          Mai 2017",
    "Polyskop-Team",
};

// Columns are separated by tabs.
const QStringList kFunctions = {
    "Die Berechnung der eingegebenen Funktion erfolgt über VBScript. Die folgenden",
    "Funktionen sind im Programm integriert:",
    "^\tPotenzzeichen",
    "\t3^0.5 => 1.73205080756888 = SQR(3)",
    "ABS()  \tergibt den absoluten Betrag einer Zahl ",
    "            \tABS(-3.5) => 3.5\tABS(2.75) => 2.75",
    "FIX()   \tschneidet Nachkommastellen einfach ab",
    "\tFIX(-3.76) => -3     FIX(1.015) => 1",
    "INT()\tgibt die nächste kleinere Ganzzahl zurück",
    "\tINT(2.5) => 2\tInt(-12.3) => -13",
    "SGN()\tgibt das Vorzeichen einer Zahl zurück",
    "SQR()\tgibt die Quadratwurzel einer positiven Zahl zurück",
    "\tSQR(9) => 3\tSQR(2) => 1.4142135623731",
    "SIN()\tgibt den Sinuswert des Arguments zurück (Argument in Bogenmaß)",
    "\tSIN(3.14/6) => 0.499770...",
    "COS()\tgibt den Cosinuswert des Arguments zurück (Argument in Bogenmaß)",
    "\tCOS(0) => 1",
    "TAN()\tgibt den Tangenswert des Arguments zurück (Argument in Bogenmaß)",
    "\tTAN(3.14/4) => 0.99920...",
    "ATN()\tUmkehrfunktion von TAN. Gibt den Winkel in Bogenmaß zurück",
    "\tATN(1) => 0.785398... (=PI/4)",
    "\t4*ATN1 => PI",
    "LOG()\tgibt den natürlichen Logarithmus des Arguments zurück (Argument >0)",
    "\tLOG(10) => 2.30258509299405",
    "EXP(X)\tExponentialfunktion e^X",
    "\tEXP(1) => 2.71828182845905 (=  Basis der natürlichen Logarithmen e)",
    "Alle anderen mathematischen Funktionen sind aus diesen vordefinierten Funktionen",
    "abzuleiten. Dazu gibt es in der Literatur bzw. im Internet entsprechende Hinweise.",
};

// The description in Liberation Sans (Arial's metrics, installed with the program) at the largest
// size, from 9 points down, at which all of it fits the label's box once wrapped.
void fitIntoBox(QLabel* label) {
    QFont font("Liberation Sans");
    for (double size = 9; size >= 6; size -= 0.25) {
        font.setPointSizeF(size);
        label->setFont(font);
        if (label->heightForWidth(label->width()) <= label->height()) return;
    }
}

}  // namespace

frmHelpFKT::frmHelpFKT(const QIcon& icon)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      Label1(new QLabel(this)),
      Text1(new QPlainTextEdit(this)) {
    setObjectName("frmHelpFKT");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Hilfe und Information");
    setWindowIcon(icon);
    resize(toPixels(6540), toPixels(6030));
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xC0));
    yellow.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xC0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    yellow.setColor(QPalette::Text, Qt::black);
    setPalette(yellow);
    setAutoFillBackground(true);

    Label1->setObjectName("Label1");
    Label1->setGeometry(pixelBox(60, 60, 6435, 2955));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setText(kDescription.join('\n'));
    fitIntoBox(Label1);

    Text1->setObjectName("Text1");
    Text1->setAccessibleName("Liste der Funktionen");
    Text1->setGeometry(pixelBox(0, 3000, 6495, 3015));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setReadOnly(true);
    Text1->setTabStopDistance(56);
    Text1->setPlainText(kFunctions.join(QChar(u'\n')));
}
